// Building a skin model from option text and the images it names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "skin/data/acSkinPack.h"

namespace wakespan {

class TacMemIni;
class TsSkinModel;

// Where the images named in the option text come from.
class SkinImageSource {
 public:
  virtual ~SkinImageSource() = default;
  // Bytes of the image `name` (as written in the options), or null when
  // there is no such image. `storage` may receive the bytes.
  virtual const ByteBuffer* Find(const std::string& name, ByteBuffer& storage) const = 0;
};

// Image members of a packed skin, matched by upper-cased member name.
class PackedImageSource : public SkinImageSource {
 public:
  explicit PackedImageSource(const TacSkinConvertor& reader) : reader_(reader) {}
  const ByteBuffer* Find(const std::string& name, ByteBuffer& storage) const override;

 private:
  const TacSkinConvertor& reader_;
};

// Files of an unpacked skin: a name with ":" is a path of its own, any
// other lies in the skin's directory. Letter case is ignored, as on the
// skin's home platform.
class DirectoryImageSource : public SkinImageSource {
 public:
  explicit DirectoryImageSource(std::string directory) : directory_(std::move(directory)) {}
  const ByteBuffer* Find(const std::string& name, ByteBuffer& storage) const override;

 private:
  std::string directory_;
};

// Files of a skin larger than this are refused: any local user may plant
// one in the skin directory, and the embedded skin is some 32 KB.
inline constexpr uintmax_t kMaxSkinFileBytes = uintmax_t(64) << 20;
// Options beyond these are refused before the model is built: a skin of
// some 60 sections and 600 values is usual.
inline constexpr size_t kMaxSkinSections = 4096;
inline constexpr size_t kMaxSkinValues = 65536;
inline constexpr size_t kMaxOptionTextBytes = size_t(4) << 20;
// Raises ESkinError when the file at `path` exceeds kMaxSkinFileBytes.
void RequireSkinFileSize(const std::string& path);

// Bytes of a file, or null when it does not exist or cannot be read;
// letter case of the last path element is ignored when no exact match.
bool ReadFileIgnoringCase(const std::string& directory, const std::string& name, ByteBuffer& out);

struct SkinBuildSettings {
  std::string SkinPath;  // SkinData.SkinPath of the new model
  bool Packed = false;
  int HueOffset = 0;
  int Saturation = 0;
  std::function<void(const std::string&)> OnMessage;
};

// Fills `model` (expected empty) from the option text: mask table, pattern
// table, general data, cached indexes, then the colour shift. Raises
// ESkinError on a conversion error; `model` is then partly built and must
// be dropped.
void BuildSkinModel(const TacMemIni& options, const SkinImageSource& images, const SkinBuildSettings& settings,
                    TsSkinModel& model);

// Looks up the sections' images and the cached indexes of a model whose
// tables are complete.
void ResolveCachedIndexes(TsSkinModel& model);

// Whether building a model reads `key` of `section` as a value (a general
// property of any section, or one of GLOBALINFO's skin-wide values); letter
// case is ignored. Image keys are not counted: any key may name an image.
bool IsKeyTheLoaderReads(std::string_view section, std::string_view key);

// The newest skin version the engine knows; a newer skin loads, with a message.
inline constexpr double kNewestSupportedVersion = 6.99;
// Text of the message shown for a skin newer than the engine supports.
extern const char* const kSkinTooNewMessage;

}  // namespace wakespan

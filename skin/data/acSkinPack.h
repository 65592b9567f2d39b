// Packed skin container "ASzf": reading it into in-memory members and
// writing it (the skin tool packs skin directories with the writer).
//
// Layout (all integers 32-bit little-endian, signed):
//   "ASzf", member count N, then N members back to back:
//   name length L, L name bytes, inflated size S, one complete zlib stream.
// The compressed length is not stored; the next member starts right after
// the zlib stream's Adler-32 trailer, so only the inflater finds it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace wakespan {

using ByteBuffer = std::vector<uint8_t>;

// Every failure of reading a container or loading a skin.
class ESkinError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The exact text raised for data that does not start with "ASzf".
extern const char* const kNotPackedMessage;
// The option member's name; compared upper-cased with member names.
extern const char* const kOptionsFileName;

struct TacImageItem {
  std::string FileName;   // as written in the container
  bool IsBitmap = false;  // upper-cased extension is ".BMP"
  ByteBuffer FileStream;  // the inflated member
};

class TacSkinConvertor {
 public:
  TacSkinConvertor() = default;
  TacSkinConvertor(const TacSkinConvertor&) = delete;
  TacSkinConvertor& operator=(const TacSkinConvertor&) = delete;
  ~TacSkinConvertor() { Clear(); }

  int32_t ImageCount = 0;               // member count - 1, from the header
  std::vector<TacImageItem> Files;      // image members in container order
  std::optional<ByteBuffer> Options;    // the inflated option text, if any

  // Lends the caller's bytes as PackedData; they are only read, never
  // changed or released, and must outlive UnpackSkinData.
  void LendPackedData(const uint8_t* data, size_t size);
  void LendPackedData(const ByteBuffer& data) { LendPackedData(data.data(), data.size()); }
  // Takes ownership of bytes the reader loaded itself.
  void OwnPackedData(ByteBuffer data);
  // Forgets PackedData (releasing it only when owned).
  void DetachPackedData();
  bool HasPackedData() const { return packed_ != nullptr; }
  size_t PackedSize() const { return packedSize_; }
  // Read position in PackedData after unpacking: the first byte after the
  // last zlib stream read.
  size_t PackedPosition() const { return position_; }

  // Releases the members from the last to the first, then Options and
  // PackedData.
  void Clear();

  // First image member whose upper-cased name equals `name` exactly, or null.
  const TacImageItem* FindImage(const std::string& upperName) const;

 private:
  friend void UnpackSkinData(std::unique_ptr<TacSkinConvertor>& reader);

  const uint8_t* packed_ = nullptr;
  size_t packedSize_ = 0;
  size_t position_ = 0;
  ByteBuffer owned_;  // PackedData when the reader loaded it itself
};

// Splits reader->PackedData into ImageCount, Files and Options. On a wrong
// magic the reader is destroyed, `reader` emptied, and ESkinError raised
// with kNotPackedMessage. Any other malformed data raises ESkinError; the
// members read before stay in the reader.
void UnpackSkinData(std::unique_ptr<TacSkinConvertor>& reader);

// Does nothing when `fileName` does not exist. Otherwise empties (or
// creates) the reader, loads the file as PackedData and unpacks it; with
// `releasePackedData` the file bytes are released afterwards.
void LoadPackedSkinFile(const std::string& fileName, std::unique_ptr<TacSkinConvertor>& reader,
                        bool releasePackedData);

// One member for the writer.
struct PackMember {
  std::string Name;
  ByteBuffer Data;
};

// Builds a container of `members` in the given order, each compressed as one
// zlib stream at the default level.
ByteBuffer PackSkinMembers(const std::vector<PackMember>& members);

// Upper-cases ASCII letters; other bytes stay as they are.
std::string UpperCase(std::string text);

}  // namespace wakespan

// Helpers shared by the skin model tests: tiny BMP files, containers and
// temporary directories.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "skin/data/acSkinPack.h"
#include "skin/data/sSkinLoader.h"

namespace wakespan::test {

// A 24-bit BMP of w x h pixels, every pixel `color` (0x00BBGGRR).
inline ByteBuffer MakeBmp24(int w, int h, uint32_t color) {
  const int row = (w * 3 + 3) / 4 * 4;
  const uint32_t size = uint32_t(54 + row * h);
  ByteBuffer b(size, 0);
  auto put32 = [&b](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i));
  };
  b[0] = 'B', b[1] = 'M';
  put32(2, size);
  put32(10, 54);
  put32(14, 40);
  put32(18, uint32_t(w));
  put32(22, uint32_t(h));
  b[26] = 1, b[28] = 24;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* p = &b[size_t(54 + y * row + x * 3)];
      p[0] = uint8_t(color >> 16), p[1] = uint8_t(color >> 8), p[2] = uint8_t(color);
    }
  return b;
}

inline ByteBuffer Bytes(const std::string& text) { return ByteBuffer(text.begin(), text.end()); }

// Images by the name written in the options.
class MapImageSource : public SkinImageSource {
 public:
  std::map<std::string, ByteBuffer> images;
  const ByteBuffer* Find(const std::string& name, ByteBuffer&) const override {
    const auto it = images.find(name);
    return it == images.end() ? nullptr : &it->second;
  }
};

// A fresh directory under the system's temporary directory, removed at the end.
class TempDir {
 public:
  explicit TempDir(const std::string& tag) {
    path_ = std::filesystem::temp_directory_path() /
            ("wakespan_" + tag + "_" + std::to_string(reinterpret_cast<uintptr_t>(this)));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }
  void Write(const std::string& name, const ByteBuffer& data) const {
    std::filesystem::create_directories((path_ / name).parent_path());
    std::ofstream(path_ / name, std::ios::binary).write(reinterpret_cast<const char*>(data.data()),
                                                        std::streamsize(data.size()));
  }

 private:
  std::filesystem::path path_;
};

}  // namespace wakespan::test

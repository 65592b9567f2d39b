// Filling a pixel row with one pixel at memcpy speed.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace wakespan {

// Copies the first pixel (`bytes` long) of a row of `count` pixels over the
// others, doubling the filled part each time.
inline void RepeatFirstPixel(uint8_t* row, int bytes, int count) {
  if (count <= 0) return;
  const size_t total = static_cast<size_t>(count) * static_cast<size_t>(bytes);
  for (size_t done = static_cast<size_t>(bytes); done < total;) {
    const size_t part = std::min(done, total - done);
    std::memcpy(row + done, row, part);
    done += part;
  }
}

}  // namespace wakespan

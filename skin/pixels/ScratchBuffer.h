// Scratch rows reused from call to call.
#pragma once

#include <cstddef>
#include <vector>

namespace wakespan {

// At least `count` elements of `buffer`, whose contents are left as they
// are. The buffer only grows: a resize down and up again would zero the
// elements on every call, only for the caller to overwrite them.
template <typename T>
T* ScratchOf(std::vector<T>& buffer, size_t count) {
  if (buffer.size() < count) buffer.resize(count);
  return buffer.data();
}

}  // namespace wakespan

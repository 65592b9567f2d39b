#pragma once
// Objects attached to window handles, for look-ups that run on every
// message: a window property would answer the same, but under Wine each
// property read is a round trip to the server.
#include <windows.h>

#include <unordered_map>

namespace gui {

template <typename T>
class WindowMap {
 public:
  void Set(HWND window, T* object) { map_[window] = object; }
  void Remove(HWND window) { map_.erase(window); }
  T* Find(HWND window) const {
    const auto found = window ? map_.find(window) : map_.end();
    return found == map_.end() ? nullptr : found->second;
  }

 private:
  std::unordered_map<HWND, T*> map_;
};

}  // namespace gui

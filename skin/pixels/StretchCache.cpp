#include "skin/pixels/StretchCache.h"

#include <algorithm>

namespace wakespan {

const Bitmap* StretchCache::Find(const Key& key) {
  for (Item& item : items_) {
    if (item.key == key) {
      item.lastUse = ++clock_;
      return &item.pixels;
    }
  }
  return nullptr;
}

Bitmap* StretchCache::Add(const Key& key) {
  const int64_t size = int64_t{key.Width} * key.Height;
  if (!Bitmap::IsAcceptableSize(key.Width, key.Height) || size > kMaxPixels) return nullptr;
  while (!items_.empty() && (items_.size() >= kMaxResults || pixels_ + size > kMaxPixels)) {
    const auto oldest = std::min_element(items_.begin(), items_.end(),
                                         [](const Item& a, const Item& b) { return a.lastUse < b.lastUse; });
    pixels_ -= int64_t{oldest->pixels.Width()} * oldest->pixels.Height();
    if (oldest != items_.end() - 1) *oldest = std::move(items_.back());
    items_.pop_back();
  }
  items_.push_back(Item{key, Bitmap(key.Width, key.Height, key.Format), ++clock_});
  pixels_ += size;
  return &items_.back().pixels;
}

void StretchCache::Clear() {
  items_.clear();
  pixels_ = 0;
}

}  // namespace wakespan

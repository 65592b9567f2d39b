// Resampled or tiled copies of parts of one skin image, kept beside the image.
//
// Windows repaint controls of the same few sizes again and again, and a
// halftone resampling costs many times the copy of its result. A skin image
// does not change while its skin is loaded (colour shifts are applied
// before the skin is put in use), so a result stays valid for as long as its
// image: the cache lives in the image's entry and goes with it when the skin
// changes. A result is keyed by everything it depends on besides the source
// pixels: the resampler, the source bitmap, the source rectangle, the
// destination size, the pixel format and what was made of them.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/pixels/Bitmap.h"
#include "skin/pixels/Geometry.h"

namespace wakespan {

class StretchCache {
 public:
  struct Key {
    const void* Resampler = nullptr;  // whatever produced the pixels
    const Bitmap* Source = nullptr;
    Rect From;                        // in Source, already clipped to it
    int Width = 0, Height = 0;        // of the result
    PixelFormat Format = PixelFormat::Bgr24;
    // What the result holds: From stretched as a whole; parts of From, each
    // stretched into its place (a border image's edges and centre); From's
    // rows repeated along the result from column Phase on, followed by its
    // mask rows repeated alike (a masked image tiled); or parts of From,
    // image and mask, tiled into their places (a masked border's edges and
    // centre), image rows above mask rows.
    enum class Content : uint8_t { Stretched, StretchedParts, TiledRows, MaskedParts };
    Content What = Content::Stretched;
    int Phase = 0;

    friend bool operator==(const Key& a, const Key& b) {
      return a.Resampler == b.Resampler && a.Source == b.Source && a.From == b.From && a.Width == b.Width &&
             a.Height == b.Height && a.Format == b.Format && a.What == b.What && a.Phase == b.Phase;
    }
  };

  // At most this many results and pixels per image; the least recently
  // used results go first. A result larger than the whole budget is never
  // kept.
  static constexpr size_t kMaxResults = 32;
  static constexpr int64_t kMaxPixels = int64_t{1} << 20;

  StretchCache() = default;
  // Copying an entry copies its description, not the results: the copy may
  // well be given other pixels.
  StretchCache(const StretchCache&) noexcept {}
  StretchCache& operator=(const StretchCache&) noexcept {
    Clear();
    return *this;
  }
  StretchCache(StretchCache&&) noexcept = default;
  StretchCache& operator=(StretchCache&&) noexcept = default;
  ~StretchCache() = default;

  // The result kept for `key`, or null. Pointers returned by Find and Add
  // stay valid until the next Add or Clear.
  const Bitmap* Find(const Key& key);
  // A zero-filled bitmap of key's size and format, kept for `key`, for the
  // caller to fill now; null when the result would exceed the budget.
  Bitmap* Add(const Key& key);
  void Clear();
  size_t Count() const { return items_.size(); }

 private:
  struct Item {
    Key key;
    Bitmap pixels;
    uint64_t lastUse = 0;
  };
  std::vector<Item> items_;
  uint64_t clock_ = 0;
  int64_t pixels_ = 0;
};

}  // namespace wakespan

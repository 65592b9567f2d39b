// The per-control skin data: the control's section and its indexes into
// the skin, the cached image of the whole control and the rules that keep
// that cache fresh. The control wrappers own one each; painting reads the
// indexes and writes the cache.
#pragma once

#include <memory>
#include <string>

#include "skin/data/sSkinData.h"
#include "skin/paint/sControlLinks.h"
#include "skin/pixels/Bitmap.h"

namespace wakespan {

class TsSkinManager;

// RedrawWindow flags for a form: invalidate, erase, frame, all children,
// update now.
inline constexpr uint32_t kRedrawFormFlags = 0x585;

class TsCommonData {
 public:
  explicit TsCommonData(TsSkinOwner* owner = nullptr) : FOwnerObject(owner) {}

  std::string FSkinSection;   // upper case
  bool FCustomFont = false;
  bool FCustomColor = false;  // paint the owner's own colour instead of the skin's
  bool FUpdating = false;     // painting suspended
  TsSkinManager* FSkinManager = nullptr;  // none: the default manager
  int BorderIndex = -1;
  int SkinIndex = -1;
  int Texture = -1;
  int HotTexture = -1;
  bool BGChanged = true;      // the cache must be repainted before use
  bool HalfVisible = true;
  TsSkinOwner* FOwnerObject = nullptr;  // not owned
  int COC = 0;                // control kind code; 227 for controls wrapped through the adapter
  bool FFocused = false;      // the control has the focus
  bool FMouseAbove = false;   // the mouse is over it
  std::unique_ptr<Bitmap> FCacheBmp;    // the whole control, 24-bit

  // FSkinManager, else the default manager.
  TsSkinManager* SkinManager() const;
  // A manager with an active skin that has this section.
  bool Skinned() const;

  // Sets the section (upper-cased) and fetches its indexes.
  void SetSkinSection(const std::string& section);
  // Marks the cache stale and looks SkinIndex, BorderIndex, Texture and
  // HotTexture up again from the section name.
  void UpdateIndexes();

  // Creates the cache when missing and gives it the owner's size.
  void InitCacheBmp();
  // Marks the cache stale and has the owner repainted (a form: redrawn with
  // kRedrawFormFlags); nothing while the owner is destroyed or loaded.
  void Invalidate();
  // Hidden: the cache shrinks to 0 x 0. Shown again: updating stops and the
  // cache is stale. Resized: stale.
  void OwnerHidden();
  void OwnerShown();
  void OwnerResized() { BGChanged = true; }
};

// The colour a skinned control reports to children asking for one, for a
// state (0 normal, else hot): with the state's transparency T, T = 0 gives
// the section colour (the owner's own with FCustomColor), T = 100 the
// parent's colour and anything between MixTwoColors(parent, section, T / 100).
// The parent's colour: what a skinned parent reports through the colour
// command, else its own colour; 0xFF00FF without a parent; for a bare window
// without a parent the system button-face colour. Not skinned: the owner's
// own colour.
TColor SkinBackgroundColor(const TsCommonData& data, int state);

// The colour `link` reports: a skinned one answers the colour command, any
// other gives its own colour as RGB.
TColor ReportedColor(TacControlLink& link);

}  // namespace wakespan

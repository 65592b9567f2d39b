#include "skin/paint/sCommonData.h"

#include "skin/data/acSkinPack.h"
#include "skin/data/sMaskData.h"
#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinProps.h"
#include "skin/data/sSysColors.h"
#include "skin/paint/sDefaultManager.h"
#include "skin/paint/sEngineMessage.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/pixels/sAlphaGraph.h"

namespace wakespan {
namespace {

// The system button-face colour as a colour value, for a bare window
// without any parent to ask.
constexpr TColor kButtonFaceColor = TColor(0xFF00000F);

TColor ParentColor(const TsCommonData& data) {
  const TsSkinOwner* owner = data.FOwnerObject;
  TacControlLink* parent = owner ? owner->Parent() : nullptr;
  if (parent != nullptr) return ReportedColor(*parent);
  const bool bareWindow = owner == nullptr || owner->LinkKind() == TacControlLink::Kind::Window;
  return bareWindow ? kButtonFaceColor : kSkinColor;
}

TColor OwnColorOf(const TsCommonData& data) {
  return data.FOwnerObject ? ColorToRGB(data.FOwnerObject->OwnColor()) : kSkinColor;
}

}  // namespace

TsSkinManager* TsCommonData::SkinManager() const { return ManagerOrDefault(FSkinManager); }

bool TsCommonData::Skinned() const {
  const TsSkinManager* m = SkinManager();
  return m != nullptr && m->SkinData.Active && m->IsValidSkinIndex(SkinIndex);
}

void TsCommonData::SetSkinSection(const std::string& section) {
  FSkinSection = UpperCase(section);
  UpdateIndexes();
}

void TsCommonData::UpdateIndexes() {
  BGChanged = true;
  const TsSkinManager* m = SkinManager();
  SkinIndex = m ? m->GetSkinIndex(FSkinSection) : -1;
  if (m == nullptr || SkinIndex < 0) {
    BorderIndex = Texture = HotTexture = -1;
    return;
  }
  BorderIndex = m->gd[size_t(SkinIndex)].BorderIndex;
  Texture = m->GetTextureIndex(SkinIndex, FSkinSection, s_Pattern);
  HotTexture = m->GetTextureIndex(SkinIndex, FSkinSection, s_HotPattern);
}

void TsCommonData::InitCacheBmp() {
  const Size size = FOwnerObject ? FOwnerObject->ControlSize() : Size{};
  if (FCacheBmp && FCacheBmp->Width() == size.Width && FCacheBmp->Height() == size.Height &&
      FCacheBmp->Format() == PixelFormat::Bgr24)
    return;
  // Sizes a bitmap cannot take leave an empty cache.
  FCacheBmp = std::make_unique<Bitmap>(size.Width, size.Height, PixelFormat::Bgr24);
}

void TsCommonData::Invalidate() {
  if (FOwnerObject == nullptr || FOwnerObject->IsDestroyingOrLoading()) return;
  BGChanged = true;
  if (FOwnerObject->IsFormProvider()) {
    FOwnerObject->RedrawWindow(kRedrawFormFlags);
  } else if (FOwnerObject->IsShowing()) {
    FOwnerObject->InvalidateControl();
  }
}

void TsCommonData::OwnerHidden() {
  if (FCacheBmp) *FCacheBmp = Bitmap();
}

void TsCommonData::OwnerShown() {
  FUpdating = false;
  BGChanged = true;
}

TColor ReportedColor(TacControlLink& link) {
  if (link.Perform(EngineCommandMessage, EngineCommand(kCommandIsSkinned), 0) == 1)
    return TColor(link.Perform(EngineCommandMessage, EngineCommand(kCommandControlColor), kSkinColor));
  return ColorToRGB(link.OwnColor());
}

TColor SkinBackgroundColor(const TsCommonData& data, int state) {
  if (!data.Skinned()) return OwnColorOf(data);
  const TsGeneralData& g = data.SkinManager()->gd[size_t(data.SkinIndex)];
  const bool hot = state != 0;
  const int T = hot ? g.HotTransparency : g.Transparency;
  const TColor section = data.FCustomColor ? OwnColorOf(data) : ColorToRGB(hot ? g.HotColor : g.Color);
  if (T <= 0) return section;
  const TColor parent = ParentColor(data);
  if (T >= 100) return parent;
  // The parent takes T per cent; a system colour is resolved before mixing.
  return TColor(MixTwoColors(uint32_t(ColorToRGB(parent)), uint32_t(section), T / 100.0));
}

}  // namespace wakespan

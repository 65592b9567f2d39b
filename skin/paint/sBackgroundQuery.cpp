#include "skin/paint/sBackgroundQuery.h"

#include "skin/data/sSkinManager.h"
#include "skin/data/sSysColors.h"
#include "skin/paint/sCommonData.h"
#include "skin/paint/sDefaultManager.h"
#include "skin/paint/sEngineMessage.h"

namespace wakespan {
namespace {

constexpr TColor kButtonFaceColor = TColor(0xFF00000F);

// The parent paints itself into the target under the asker's offset, clipped
// to the asked rectangle.
void PaintParentInto(BackgroundInfo& info, TacControlLink& parent) {
  TacPaintPlatform& platform = PaintPlatform();
  const DCStateGuard saved(info.TargetDC);
  platform.MoveViewportOrigin(info.TargetDC, -info.OffsetX, -info.OffsetY);
  const Rect clip{info.Rect.Left + info.OffsetX, info.Rect.Top + info.OffsetY, info.Rect.Right + info.OffsetX,
                  info.Rect.Bottom + info.OffsetY};
  info.Rect = clip;
  platform.IntersectClip(info.TargetDC, clip);
  const auto dc = reinterpret_cast<uintptr_t>(info.TargetDC.Handle);
  parent.Perform(kWmEraseBkgnd, dc, 0);
  parent.Perform(kWmPaint, dc, 0);
}

}  // namespace

TCacheInfo ToCacheInfo(const BackgroundInfo& info) {
  if (info.Kind == BackgroundInfo::kCacheBitmap) return CacheInfoOfBitmap(info.Bitmap, info.OffsetX, info.OffsetY);
  TCacheInfo ci;
  ci.X = info.OffsetX;
  ci.Y = info.OffsetY;
  ci.FillColor = uint32_t(ColorToRGB(info.Color));
  return ci;
}

bool QueryParentBackground(BackgroundInfo& info, TacControlLink& parent, uint8_t flag) {
  const bool paintRequested = info.PaintRequested != 0;
  info.Kind = BackgroundInfo::kNothing;
  info.PaintRequested = flag;
  parent.Perform(EngineCommandMessage, EngineCommand(kCommandBackgroundQuery), reinterpret_cast<intptr_t>(&info));
  if (info.Kind != BackgroundInfo::kNothing) return true;
  if (paintRequested) {
    PaintParentInto(info, parent);
    return false;
  }
  info.Kind = BackgroundInfo::kColor;
  if (parent.LinkKind() == TacControlLink::Kind::Window) {
    const TsSkinManager* m = TsSkinManager::DefaultManager();
    info.Color = m ? m->GetGlobalColor() : kButtonFaceColor;
    return false;
  }
  const TColor answer =
      TColor(parent.Perform(EngineCommandMessage, EngineCommand(kCommandControlColor), 0));
  info.Color = answer != 0 ? answer : ColorToRGB(parent.OwnColor());
  if (flag != 0 && info.Bitmap != nullptr) PaintPlatform().FillDC(info.TargetDC, info.Rect, info.Color);
  return false;
}

TCacheInfo ParentCacheInfo(const TsCommonData& data) {
  TsSkinOwner* owner = data.FOwnerObject;
  TacControlLink* parent = owner ? owner->Parent() : nullptr;
  if (parent == nullptr || !data.Skinned()) {
    TCacheInfo ci;
    ci.FillColor = uint32_t(ColorToRGB(SkinBackgroundColor(data, 0)));
    return ci;
  }
  BackgroundInfo info;
  QueryParentBackground(info, *parent, 0);
  if (info.Kind == BackgroundInfo::kCacheBitmap) {
    const Point at = owner->Position();
    info.OffsetX += at.X;
    info.OffsetY += at.Y;
  }
  return ToCacheInfo(info);
}

}  // namespace wakespan

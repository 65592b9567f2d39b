#include "skin/paint/sBackgroundQuery.h"

#include "skin/data/sSkinManager.h"
#include "skin/data/sSysColors.h"
#include "skin/paint/sCommonData.h"
#include "skin/paint/sDefaultManager.h"
#include "skin/paint/sEngineMessage.h"
#include "skin/paint/sSectionPaint.h"

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

// Narrow enough for a see-through section's border to show the parent.
bool HasNarrowBorder(const TsSkinManager& m, const TsGeneralData& g) {
  if (!m.IsValidImgIndex(g.BorderIndex)) return true;
  const TsMaskData& e = m.ma[size_t(g.BorderIndex)];
  return e.WL + e.WR <= 24 && e.WT + e.WB <= 24;
}

void AnswerColor(BackgroundInfo& info, TColor color) {
  info.Kind = BackgroundInfo::kColor;
  info.Color = color;
}

void AnswerWithCache(const TsCommonData& data, BackgroundInfo& info) {
  const Bitmap* cache = data.FCacheBmp.get();
  if (cache == nullptr || cache->IsEmpty()) {
    AnswerColor(info, kSkinColor);
    return;
  }
  info.Kind = BackgroundInfo::kCacheBitmap;
  if (info.PaintRequested == 0) {
    info.Bitmap = cache;
    info.OffsetX = info.OffsetY = 0;
    return;
  }
  const Rect& r = info.Rect;
  if (r.IsEmpty() || !Bitmap::IsAcceptableSize(r.Width(), r.Height())) return;
  Bitmap block(r.Width(), r.Height(), PixelFormat::Bgr24);
  CopyBlock(block, 0, 0, r.Width(), r.Height(), *cache, info.OffsetX, info.OffsetY);
  PaintPlatform().CopyToDC(info.TargetDC, r, block);
}

// A see-through control hands the query on to its own parent.
void PassOn(const TsCommonData& data, BackgroundInfo& info) {
  TsSkinOwner* owner = data.FOwnerObject;
  TacControlLink* parent = owner ? owner->Parent() : nullptr;
  if (parent == nullptr) {
    const TsSkinManager* m = TsSkinManager::DefaultManager();
    AnswerColor(info, m ? m->GetGlobalColor() : kButtonFaceColor);
    return;
  }
  const uint8_t flag = parent->LinkKind() == TacControlLink::Kind::Control ? info.PaintRequested : 0;
  QueryParentBackground(info, *parent, flag);
  if (info.Kind == BackgroundInfo::kCacheBitmap) {
    const Point at = owner->Position();
    info.OffsetX += at.X;
    info.OffsetY += at.Y;
  }
}

}  // namespace

void AnswerBackgroundQuery(const TsCommonData& data, BackgroundInfo& info, int state) {
  if (!data.Skinned() || data.FCustomColor) {
    AnswerColor(info, data.FOwnerObject ? ColorToRGB(data.FOwnerObject->OwnColor()) : kSkinColor);
    return;
  }
  const TsSkinManager& m = *data.SkinManager();
  const TsGeneralData& g = m.gd[size_t(data.SkinIndex)];
  const bool hot = state != 0;
  const int T = hot ? g.HotTransparency : g.Transparency;
  const int G = hot ? g.HotGradientPercent : g.GradientPercent;
  const int I = hot ? g.HotImagePercent : g.ImagePercent;
  if (T >= 100) {
    if (HasNarrowBorder(m, g)) return PassOn(data, info);
    if (data.FCacheBmp && !data.FCacheBmp->IsEmpty()) return AnswerWithCache(data, info);
    TsSkinOwner* owner = data.FOwnerObject;
    TacControlLink* parent = owner ? owner->Parent() : nullptr;
    const TsSkinManager* global = TsSkinManager::DefaultManager();
    return AnswerColor(info, parent ? ReportedColor(*parent) : global ? global->GetGlobalColor() : kButtonFaceColor);
  }
  if (T > 0) return AnswerWithCache(data, info);
  if (G > 0 || I > 0) {
    info.Color = m.GetGlobalColor();
    return AnswerWithCache(data, info);
  }
  info.Kind = BackgroundInfo::kColor;
  info.Bitmap = data.FCacheBmp.get();
  info.Color = SkinBackgroundColor(data, state);
  if (info.PaintRequested != 0) PaintPlatform().FillDC(info.TargetDC, info.Rect, info.Color);
}

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

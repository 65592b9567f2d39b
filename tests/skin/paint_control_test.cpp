// A control's skin data: its cache rules, the colour it reports, the
// background query it asks its parent, the disabled look and skinned text.
#include <gtest/gtest.h>

#include <functional>

#include "paint_test_helpers.h"
#include "skin/paint/sBackgroundQuery.h"
#include "skin/paint/sCommonData.h"
#include "skin/paint/sDisabled.h"
#include "skin/paint/sEngineMessage.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/paint/sSkinText.h"

namespace wakespan {
namespace {

using test::HandSkin;

// A parent that answers messages through a function and records them.
class FakeLink : public TacControlLink {
 public:
  Kind kind = Kind::Control;
  TColor color = 0;
  std::function<intptr_t(uint32_t, uintptr_t, intptr_t)> answer = [](uint32_t, uintptr_t, intptr_t) { return 0; };
  std::vector<std::pair<uint32_t, uintptr_t>> received;

  Kind LinkKind() const override { return kind; }
  intptr_t Perform(uint32_t message, uintptr_t wParam, intptr_t lParam) override {
    received.emplace_back(message, wParam);
    return answer(message, wParam, lParam);
  }
  TColor OwnColor() const override { return color; }
};

class FakeOwner : public TsSkinOwner {
 public:
  Kind kind = Kind::Control;
  TColor color = 0;
  bool provider = false, showing = true, busy = false;
  Size size{10, 6};
  Point position{3, 4};
  TacControlLink* parent = nullptr;
  int invalidated = 0;
  std::vector<uint32_t> redraws;

  Kind LinkKind() const override { return kind; }
  intptr_t Perform(uint32_t, uintptr_t, intptr_t) override { return 0; }
  TColor OwnColor() const override { return color; }
  bool IsFormProvider() const override { return provider; }
  Size ControlSize() const override { return size; }
  Point Position() const override { return position; }
  bool IsShowing() const override { return showing; }
  bool IsDestroyingOrLoading() const override { return busy; }
  void InvalidateControl() override { ++invalidated; }
  void RedrawWindow(uint32_t flags) override { redraws.push_back(flags); }
  TacControlLink* Parent() const override { return parent; }
};

struct ControlTest : ::testing::Test {
  HandSkin skin;
  FakeOwner owner;
  TsCommonData data{&owner};
  int k = -1;
  void SetUp() override {
    k = skin.AddSection("PANEL");
    data.FSkinManager = &skin.manager;
    data.SetSkinSection("panel");
  }
  TsGeneralData& g() { return skin.Section(k); }
};

TEST_F(ControlTest, CacheIsMadeStaleFreedWhenHiddenAndRepaintedWhenShown) {
  EXPECT_EQ(data.FSkinSection, "PANEL");
  EXPECT_EQ(data.SkinIndex, k);
  data.InitCacheBmp();
  ASSERT_TRUE(data.FCacheBmp);
  EXPECT_EQ(data.FCacheBmp->Width(), 10);
  EXPECT_EQ(data.FCacheBmp->Format(), PixelFormat::Bgr24);
  data.BGChanged = false;
  data.OwnerHidden();
  EXPECT_EQ(data.FCacheBmp->Width(), 0) << "0 x 0 while hidden";
  data.FUpdating = true;
  data.OwnerShown();
  EXPECT_FALSE(data.FUpdating);
  EXPECT_TRUE(data.BGChanged) << "repainted before the first copy";
  data.InitCacheBmp();
  EXPECT_EQ(data.FCacheBmp->Height(), 6);

  data.BGChanged = false;
  owner.busy = true;
  data.Invalidate();
  EXPECT_FALSE(data.BGChanged) << "nothing while destroyed or loaded";
  owner.busy = false;
  owner.showing = false;
  data.Invalidate();
  EXPECT_TRUE(data.BGChanged);
  EXPECT_EQ(owner.invalidated, 0) << "a hidden control is not invalidated";
  owner.showing = true;
  data.Invalidate();
  EXPECT_EQ(owner.invalidated, 1);
  owner.provider = true;
  data.Invalidate();
  EXPECT_EQ(owner.redraws, std::vector<uint32_t>{0x585});
}

TEST_F(ControlTest, ReportedBackgroundColourMixesTheParentsByTransparency) {
  FakeLink parent;
  parent.color = 0xFFFFFF;  // not skinned: its own colour
  owner.parent = &parent;
  g().Color = 0;
  g().Transparency = 30;
  // 30 per cent of white over black: round(76.5) = 76 (ties to even).
  EXPECT_EQ(SkinBackgroundColor(data, 0), 0x4C4C4C);
  g().Transparency = 0;
  EXPECT_EQ(SkinBackgroundColor(data, 0), 0);
  g().HotTransparency = 100;
  // A skinned parent answers the colour command.
  parent.answer = [](uint32_t, uintptr_t w, intptr_t) -> intptr_t {
    return w == EngineCommand(kCommandIsSkinned) ? 1 : 0x123456;
  };
  EXPECT_EQ(SkinBackgroundColor(data, 1), 0x123456);
  owner.parent = nullptr;
  EXPECT_EQ(SkinBackgroundColor(data, 1), 0xFF00FF) << "a control without a parent";
  owner.kind = TacControlLink::Kind::Window;
  EXPECT_EQ(SkinBackgroundColor(data, 1), TColor(0xFF00000F)) << "a bare window without a parent";
  data.FCustomColor = true;
  owner.color = 0x0000AA;
  EXPECT_EQ(SkinBackgroundColor(data, 0), 0x0000AA);
  data.SetSkinSection("NOSUCH");
  EXPECT_EQ(SkinBackgroundColor(data, 0), 0x0000AA) << "not skinned: its own colour";
}

TEST_F(ControlTest, TheControlFormPaintsTheOwnersColourWhenCustom) {
  g().Color = 0x111111;
  data.FCustomColor = true;
  owner.color = TColor(0xFF000005);  // resolved as RGB: the window colour
  Bitmap b(4, 4, PixelFormat::Bgr24);
  PaintSection(data, TCacheInfo{}, true, 0, Rect{0, 0, 4, 4}, Point{}, &b, true);
  EXPECT_EQ(b, Filled(4, 4, PixelFormat::Bgr24, 0xFFFFFF));
}

TEST(BackgroundQuery, AnAnswerIsTakenAsItCameAndConverted) {
  Bitmap cache(20, 20, PixelFormat::Bgr24);
  FakeLink parent;
  parent.answer = [&](uint32_t message, uintptr_t w, intptr_t l) -> intptr_t {
    EXPECT_EQ(message, EngineCommandMessage);
    EXPECT_EQ(w, uintptr_t{34} << 16);
    auto* info = reinterpret_cast<BackgroundInfo*>(l);
    EXPECT_EQ(info->PaintRequested, 1);
    info->Kind = BackgroundInfo::kCacheBitmap;
    info->Bitmap = &cache;
    return 0;
  };
  BackgroundInfo info;
  EXPECT_TRUE(QueryParentBackground(info, parent, 1));
  const TCacheInfo ci = ToCacheInfo(info);
  EXPECT_TRUE(ci.Ready);
  EXPECT_EQ(ci.Bmp, &cache);

  BackgroundInfo colour;
  colour.Kind = BackgroundInfo::kColor;
  colour.Color = TColor(0xFF00000F);
  colour.OffsetX = 2;
  const TCacheInfo plain = ToCacheInfo(colour);
  EXPECT_FALSE(plain.Ready);
  EXPECT_EQ(plain.FillColor, 0xF0F0F0u) << "as RGB";
  EXPECT_EQ(plain.X, 2);
}

TEST(BackgroundQuery, UnansweredItPaintsTheParentIntoTheTargetOrTakesAColour) {
  HostPaintPlatform host;
  test::PlatformScope scope(host);
  Bitmap target(8, 8, PixelFormat::Bgr24);
  FakeLink parent;
  BackgroundInfo info;
  info.PaintRequested = 1;
  info.OffsetX = 3, info.OffsetY = 4;
  info.Rect = Rect{0, 0, 5, 5};
  info.TargetDC = HostDC(target);
  EXPECT_FALSE(QueryParentBackground(info, parent, 0));
  EXPECT_EQ(host.DCLog, (std::vector<std::string>{"save 1", "origin -3,-4", "clip 3,4,8,9", "restore 1"}));
  ASSERT_EQ(parent.received.size(), 3u);
  EXPECT_EQ(parent.received[1].first, kWmEraseBkgnd);
  EXPECT_EQ(parent.received[2].first, kWmPaint);
  EXPECT_EQ(parent.received[2].second, reinterpret_cast<uintptr_t>(&target));

  // No painting asked: a control's colour answer, or its own when it says 0.
  BackgroundInfo plain;
  parent.color = TColor(0xFF000005);
  EXPECT_FALSE(QueryParentBackground(plain, parent, 0));
  EXPECT_EQ(plain.Kind, BackgroundInfo::kColor);
  EXPECT_EQ(plain.Color, 0xFFFFFF);
  parent.answer = [](uint32_t, uintptr_t w, intptr_t) -> intptr_t { return w == EngineCommand(21) ? 0x224466 : 0; };
  EXPECT_FALSE(QueryParentBackground(plain, parent, 0));
  EXPECT_EQ(plain.Color, 0x224466);
  // A window: the skin's global colour, here the default one's.
  FakeLink window;
  window.kind = TacControlLink::Kind::Window;
  BackgroundInfo fromWindow;
  QueryParentBackground(fromWindow, window, 0);
  const TsSkinManager* m = TsSkinManager::DefaultManager();
  EXPECT_EQ(fromWindow.Color, m ? m->GetGlobalColor() : TColor(0xFF00000F));
}

TEST_F(ControlTest, ParentDescriptionAddsTheControlsPosition) {
  Bitmap cache(20, 20, PixelFormat::Bgr24);
  FakeLink parent;
  parent.answer = [&](uint32_t, uintptr_t w, intptr_t l) -> intptr_t {
    if (w != EngineCommand(kCommandBackgroundQuery)) return 0;
    auto* info = reinterpret_cast<BackgroundInfo*>(l);
    info->Kind = BackgroundInfo::kCacheBitmap;
    info->Bitmap = &cache;
    return 0;
  };
  owner.parent = &parent;
  const TCacheInfo ci = ParentCacheInfo(data);
  EXPECT_TRUE(ci.Ready);
  EXPECT_EQ(ci.X, 3);
  EXPECT_EQ(ci.Y, 4);
  owner.parent = nullptr;
  g().Color = 0x00AB00;
  const TCacheInfo alone = ParentCacheInfo(data);
  EXPECT_FALSE(alone.Ready);
  EXPECT_EQ(alone.FillColor, 0x00AB00u);
}

TEST(Disabled, FadesIntoTheParentOrTintsTowardsItsColour) {
  const Bitmap parent = Filled(10, 10, PixelFormat::Bgr24, Gray(255));
  Bitmap b = Filled(2, 2, PixelFormat::Bgr24, 0);
  PaintDisabled(b, kDisabledFade, nullptr, Point{1, 1}, CacheInfoOfBitmap(&parent, 2, 2));
  // The control keeps 40 per cent: round(255 - 0.4 * 255) = 153.
  EXPECT_EQ(b, Filled(2, 2, PixelFormat::Bgr24, Gray(153)));
  Bitmap grey = Filled(2, 2, PixelFormat::Bgr24, 0x00001E);  // red 30: grey 10
  TCacheInfo white;
  white.FillColor = 0xFFFFFF;
  PaintDisabled(grey, kDisabledGray | kDisabledFade, nullptr, Point{}, white);
  // round(0.5 * 10 + 0.5 * 255) = round(132.5) = 132.
  EXPECT_EQ(grey, Filled(2, 2, PixelFormat::Bgr24, Gray(132)));
  FakeLink control;
  control.color = 0;
  TCacheInfo unknown;
  unknown.FillColor = 0xFF00FF;
  Bitmap asked = Filled(1, 1, PixelFormat::Bgr24, Gray(100));
  PaintDisabled(asked, kDisabledFade, &control, Point{}, unknown);
  EXPECT_EQ(asked.Pixel(0, 0), Gray(50)) << "the control's own colour, black";
}

TEST(SkinText, SideColoursThenTheTextColour) {
  HandSkin skin;
  const int k = skin.AddSection("BUTTON");
  TsGeneralData& g = skin.Section(k);
  g.FontColor[0] = 0x111111;
  g.HotFontColor[0] = 0x222222;
  g.HotFontColor[4] = 0x333333;  // bottom only
  g.Color = 0xFFFFFF;
  HostPaintPlatform host;
  test::PlatformScope scope(host);
  const Rect R{10, 10, 50, 20};
  WriteSkinText(DeviceContext{}, u"OK", true, &skin.manager, false, k, 0x25, R);
  ASSERT_EQ(host.TextCalls.size(), 1u) << "no side colours: drawn once";
  EXPECT_EQ(host.TextCalls[0].Color, 0x111111);
  EXPECT_EQ(host.TextCalls[0].Format, 0x25u);
  host.TextCalls.clear();
  WriteSkinText(DeviceContext{}, u"OK", true, &skin.manager, true, k, 0, R);
  ASSERT_EQ(host.TextCalls.size(), 2u);
  EXPECT_EQ(host.TextCalls[0].Color, 0x333333);
  EXPECT_EQ(host.TextCalls[0].R, (Rect{10, 11, 50, 21})) << "a shadow one pixel below";
  EXPECT_EQ(host.TextCalls[1].R, R);
  host.TextCalls.clear();
  WriteSkinText(DeviceContext{}, u"OK", false, &skin.manager, false, k, 0, R);
  ASSERT_EQ(host.TextCalls.size(), 1u);
  // 0.4 of 0x11 and 0.6 of 0xFF: round(6.8 + 153) = 160.
  EXPECT_EQ(host.TextCalls[0].Color, TColor(Gray(160)));
  host.TextCalls.clear();
  WriteSkinText(DeviceContext{}, u"", true, &skin.manager, false, k, 0, R);
  WriteSkinText(DeviceContext{}, u"OK", true, &skin.manager, false, k + 1, 0, R);
  EXPECT_TRUE(host.TextCalls.empty());

  // The control's form clips to R and keeps a custom font colour alone.
  TsCommonData data;
  data.FSkinManager = &skin.manager;
  data.SetSkinSection("BUTTON");
  data.FCustomFont = true;
  WriteSkinText(data, DeviceContext{}, u"OK", true, true, 0, R, 0x0000FF);
  ASSERT_EQ(host.TextCalls.size(), 1u);
  EXPECT_EQ(host.TextCalls[0].Color, 0x0000FF);
  EXPECT_EQ(host.DCLog, (std::vector<std::string>{"save 1", "clip 10,10,50,20", "restore 1"}));
}

}  // namespace
}  // namespace wakespan

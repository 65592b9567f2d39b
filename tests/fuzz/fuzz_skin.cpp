// Fuzzes a whole skin as the program uses it: a packed skin (its option
// text and images) is loaded into a model and every section and image the
// windows look up is painted, in every state, at sizes down to 0 x 0,
// through both forms of PaintSection, the glyphs, the text path, the
// background answer, the controls' caches, the frames and the menu bar
// items. Any input must load or fail with ESkinError and then paint
// without a crash, a read outside a bitmap or a hang. The skin tool's check
// for skin authors reads every input as well.
//
// Input: a first byte, odd for a packed skin (the rest of the input), even
// for a skin directory's files: the option text up to a NUL, then files
// "M0.BMP", "M1.BMP", ... each as a 4-byte little-endian length and its
// bytes. The unpacked form lets mutations reach the text and the images
// past the container's compression.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "SkinCheck.h"
#include "skin/controls/sButtonPaint.h"
#include "skin/controls/sCheckBoxPaint.h"
#include "skin/controls/sEditPaint.h"
#include "skin/controls/sGroupBoxPaint.h"
#include "skin/data/acSkinPack.h"
#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinProps.h"
#include "skin/frame/sFrameRender.h"
#include "skin/frame/sTitleButtonPaint.h"
#include "skin/menus/sMenuLineItem.h"
#include "skin/paint/HostPaintPlatform.h"
#include "skin/paint/sBackgroundQuery.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/paint/sSkinText.h"

namespace {

using namespace wakespan;

const char* const kSections[] = {s_Form,   s_Dialog,   s_FormTitle,   s_Caption,  s_MainMenu, s_MenuItem, "MENULINE",
                                 s_Button, s_CheckBox, s_RadioButton, s_GroupBox, s_Edit,     "LABEL",    s_GlobalInfo};
const Size kSizes[] = {{0, 0}, {1, 1}, {2, 2}, {75, 25}, {17, 340}};

void PaintSections(TsSkinManager& m) {
  for (const char* name : kSections) {
    const int k = m.GetSkinIndex(name);
    TsCommonData data;
    data.FSkinManager = &m;
    data.SetSkinSection(name);
    for (const Size size : kSizes)
      for (int state = 0; state < 3; ++state) {
        Bitmap b(size.Width, size.Height, PixelFormat::Bgr24);
        const Rect all{0, 0, size.Width, size.Height};
        TCacheInfo parent;
        parent.FillColor = 0x336699;
        PaintSection(k, name, TCacheInfo{}, true, state, all, Point{}, &b, &m);
        PaintSection(k, name, CacheInfoOfBitmap(&b, 0, 0), false, state, all, Point{3, 4}, &b, &m);
        PaintSection(data, parent, state == 1, state, all, Point{}, &b, state == 2);
        BitmapCanvas canvas(b, all, FontRef{});
        WriteSkinText(canvas.Dc(), u"Kovalune &Wakespan", state != 2, &m, state == 1, k, 0, all);
        BackgroundInfo info;
        info.Rect = all;
        AnswerBackgroundQuery(data, info, state);
      }
  }
}

void PaintControls(TsSkinManager& m) {
  for (const Size size : kSizes) {
    TacControlView view;
    view.WindowSize = size;
    view.Caption = u"&OK";
    for (uint32_t state : {0u, kStatePushed, kStateChecked | kStateFocus, kStateIndeterminate}) {
      view.ButtonState = state;
      view.Enabled = state != kStateIndeterminate;
      const auto prepare = [&](const char* section, auto painter) {
        TsCommonData data;
        data.FSkinManager = &m;
        data.SetSkinSection(section);
        TCacheInfo parent;
        parent.FillColor = 0x808080;
        painter.PrepareCache(data, parent);
      };
      prepare(s_Button, TacButtonPainter(view));
      view.Style = kStyleAutoRadioButton;
      prepare(s_RadioButton, TacCheckBoxPainter(view));
      view.Style = 0;
      prepare(s_CheckBox, TacCheckBoxPainter(view));
      prepare(s_GroupBox, TacGroupBoxPainter(view));
      TsCommonData edit;
      edit.FSkinManager = &m;
      edit.SetSkinSection(s_Edit);
      PrepareEditFrame(edit, view, TCacheInfo{});
    }
  }
}

void PaintFrames(TsSkinManager& m) {
  const Size windows[] = {{357, 389}, {365, 159}, {3, 3}, {0, 0}};
  for (const Size window : windows)
    for (const bool dialog : {false, true}) {
      TsFrameScene scene;
      scene.Window.Style = kStyleCaption | kStyleSysMenu | (dialog ? 0 : kStyleMinimizeBox | kStyleMaximizeBox);
      scene.Window.Border = dialog ? TsBorderStyle::Dialog : TsBorderStyle::Single;
      scene.Window.Window = window;
      scene.Window.Client = Size{window.Width > 6 ? window.Width - 6 : 0, window.Height > 60 ? window.Height - 60 : 0};
      scene.Window.MainMenuShown = !dialog;
      scene.Rules = RulesFromStyle(scene.Window.Style, true, false);
      scene.ShowIcon = !dialog;
      scene.Caption = u"Kovalune Wakespan v1.0";
      scene.PaintMenuBarItems = [&m](Bitmap& cache, const Bitmap& line, Point origin) {
        TsMenuItemData item;
        item.Caption = u"&File";
        Bitmap painted(30, line.Height(), PixelFormat::Bgr24);
        PaintMenuLineItem(m, painted, line, Point{6 - origin.X, 0}, item, TsMenuFonts{});
        (void)cache;
      };
      for (const bool active : {true, false}) {
        scene.FormActive = active;
        TsFrameCache cache;
        cache.ReadSkin(&m);
        AssignTitleButtonImages(cache.Buttons, m, scene.Window.Border, scene.Rules, false, false,
                                cache.Data.SkinIndex);
        RenderFrame(cache, scene);
        for (TsCaptionButton* button : {&cache.Buttons.Close, &cache.Buttons.Max, &cache.Buttons.Min})
          for (int state = 0; state < 3; ++state) {
            button->State = state;
            MakeTitleFadeImage(cache, m, *button, window.Width);
            TsButtonPaintContext context;
            context.Rules = scene.Rules;
            context.CaptionWidth = window.Width;
            context.TempBmpWidth = cache.TempBmp.Width();
            PaintTitleButtonDirect(cache, m, RepaintTitleButton(cache.Buttons, int(button->HitCode), context), state);
          }
      }
    }
}

// The packed container of the directory form of the input.
ByteBuffer PackDirectoryImage(const uint8_t* data, size_t size) {
  const uint8_t* end = data + size;
  const uint8_t* nul = std::find(data, end, uint8_t(0));
  std::vector<PackMember> members{{"Options.dat", ByteBuffer(data, nul)}};
  const uint8_t* p = nul == end ? end : nul + 1;
  while (end - p >= 4) {
    const size_t length = size_t(p[0]) | size_t(p[1]) << 8 | size_t(p[2]) << 16 | size_t(p[3]) << 24;
    p += 4;
    const size_t take = std::min(length, size_t(end - p));
    members.push_back({"M" + std::to_string(members.size() - 1) + ".BMP", ByteBuffer(p, p + take)});
    p += take;
  }
  return PackSkinMembers(members);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static HostPaintPlatform platform;
  SetPaintPlatform(&platform);
  if (size == 0) return 0;
  const bool packed = data[0] & 1;
  const ByteBuffer unpacked = packed ? ByteBuffer() : PackDirectoryImage(data + 1, size - 1);
  if (packed)
    CheckPackedSkin(data + 1, size - 1);
  else
    CheckPackedSkin(unpacked.data(), unpacked.size());
  TsSkinManager m;
  try {
    if (packed)
      m.LoadPackedData(data + 1, size - 1);
    else
      m.LoadPackedData(unpacked.data(), unpacked.size());
  } catch (const ESkinError&) {
    return 0;
  }
  PaintSections(m);
  PaintControls(m);
  PaintFrames(m);
  // The text stand-in records every call; nothing of one input stays.
  platform.TextCalls.clear();
  platform.DCLog.clear();
  platform.FocusRects.clear();
  return 0;
}

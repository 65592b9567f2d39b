#include "SkinPreview.h"

#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

#include "FreeTypeText.h"
#include "schedule/Countdown.h"
#include "schedule/Settings.h"
#include "skin/controls/sButtonPaint.h"
#include "skin/controls/sCheckBoxPaint.h"
#include "skin/controls/sEditPaint.h"
#include "skin/controls/sGlyphButtons.h"
#include "skin/controls/sGroupBoxPaint.h"
#include "skin/data/acSkinPack.h"
#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinProps.h"
#include "skin/decode/ImageDecode.h"
#include "skin/frame/sFrameGeometry.h"
#include "skin/frame/sFrameRegion.h"
#include "skin/frame/sFrameRender.h"
#include "skin/frame/sTitleText.h"
#include "skin/menus/sMenuLineItem.h"
#include "skin/paint/sBackgroundQuery.h"
#include "skin/paint/sEngineMessage.h"
#include "skin/pixels/sGraphUtils.h"
#include "windows/layouts/AboutLayout.h"
#include "windows/layouts/CountDownLayout.h"
#include "windows/layouts/MainLayout.h"
#include "windows/layouts/MainMenus.h"

namespace wakespan {

namespace {

using gui::ControlKind;

// Wine's system metrics and fonts, as the program's session reports them.
TsSystemMetrics WineMetrics() {
  TsSystemMetrics m;
  m.FrameWidth = 4;
  m.DialogFrameWidth = 3;
  m.CaptionHeight = 19;
  m.SmallCaptionHeight = 16;
  m.MenuHeight = 19;
  return m;
}
const PreviewFont kFormFont{"Tahoma", 11, false};     // the forms' own font
const PreviewFont kCaptionFont{"Tahoma", 11, true};   // the system's caption font
const PreviewFont kMenuFont{"Tahoma", 11, false};     // the system's menu font

// Button and edit style bits the program's controls are made with.
constexpr uint32_t kAutoCheckBox = 0x3, kGroupBoxStyle = 0x7;

std::u16string U16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

// How a control looks right after the first start: its check, whether it
// is enabled, and which one has the focus (a focused push button is the
// default one).
struct ControlStart {
  const wchar_t* name;
  bool checked = false;
  bool disabled = false;
  bool focused = false;
};

// A picture a window shows, by its control's name: the program's bitmap
// resource file, drawn centred.
struct PictureOf {
  const wchar_t* control;
  const char* file;
};

// A label's own caption and alignment where the window sets them at run
// time (DrawTextW format bits).
struct LabelOf {
  const wchar_t* control;
  std::u16string caption;
  uint32_t format;
};

struct WindowPlan {
  gui::FormLayout layout;
  const std::vector<gui::ControlRow>* rows;
  std::wstring caption;
  Size window;
  std::vector<gui::MenuRow> menuBar;  // top-level items only
  std::vector<ControlStart> start;
  std::vector<PictureOf> pictures{};
  std::vector<LabelOf> labels{};
};

// The countdown window one second into the countdown of the action chosen
// at the first start: its label counting, its bar at a tenth.
constexpr int kCountdownBarPercent = 10;

WindowPlan PlanOf(PreviewWindow window) {
  switch (window) {
    case PreviewWindow::Settings: {
      WindowPlan plan{MainformFormLayout(), &MainformLayout(), kMainformCaption, {kMainformWidth, kMainformHeight},
                      {}, {}};
      for (const gui::MenuRow& row : MainMenu1Rows())
        if (row.depth == 0) plan.menuBar.push_back(row);
      // Nothing stored: the first action is chosen, no trigger is set, so
      // the trigger edits, Apply and the password are off; OK has the focus.
      plan.start = {{L"ShutR", true},          {L"ProtectCheck", false, true}, {L"SetPassbtn", false, true},
                    {L"Applybtn", false, true}, {L"ActionWakespan", false, true}, {L"ActionTime", false, true},
                    {L"OKbtn", false, false, true}};
      return plan;
    }
    case PreviewWindow::About:
      return WindowPlan{AboutformLayout(), &AboutformRows(), kAboutformCaption, {kAboutformWidth, kAboutformHeight},
                        {}, {{L"Okbtn", false, false, true}}, {{L"Image1", "power48.bmp"}}};
    case PreviewWindow::Countdown:
      return WindowPlan{CountDownformLayout(),
                        &CountDownformRows(),
                        kCountDownformCaption,
                        {kCountDownformWidth, kCountDownformHeight},
                        {},
                        {{L"Cancelbtn", false, false, true}},
                        {{L"Cancelbtn", "stop_hand24.bmp"}},
                        {{L"Label1", schedule::CountdownLabel(schedule::kActionShutDown, schedule::kCountdownLastTick),
                          0x1 | 0x20}}};
  }
  throw std::logic_error("unknown window");
}

ControlStart StartOf(const WindowPlan& plan, const std::wstring& name) {
  for (const ControlStart& s : plan.start)
    if (name == s.name) return s;
  return ControlStart{nullptr};
}

// The window as the frame code sees it: its style with the system menu
// already taken over by the skin, its size and client size.
TsFrameWindow FrameWindowOf(const WindowPlan& plan) {
  TsFrameWindow w;
  const bool dialog = plan.layout.border == gui::BorderStyle::Dialog;
  w.Border = dialog ? TsBorderStyle::Dialog : TsBorderStyle::Single;
  w.Style = kStyleCaption | (!dialog && plan.layout.borderIcons ? kStyleMinimizeBox | kStyleMaximizeBox : 0);
  w.Metrics = WineMetrics();
  w.Window = plan.window;
  w.MainMenuShown = !plan.menuBar.empty();
  const int frame = w.Metrics.DialogFrameWidth;
  w.Client = Size{plan.window.Width - 2 * frame,
                  plan.window.Height - 2 * frame - w.Metrics.CaptionHeight - (w.MainMenuShown ? w.Metrics.MenuHeight : 0)};
  return w;
}

// A window or control of the preview, answering its children's background
// queries as the program's form provider and wrappers do.
class PreviewNode : public TsSkinOwner {
 public:
  PreviewNode(PreviewNode* parent, Point position, Size size) : parent_(parent), position_(position), size_(size) {}
  std::function<void(BackgroundInfo&)> AnswerQuery;

  Kind LinkKind() const override { return parent_ ? Kind::Control : Kind::Window; }
  intptr_t Perform(uint32_t message, uintptr_t wParam, intptr_t lParam) override {
    if (message == EngineCommandMessage && wParam >> 16 == kCommandBackgroundQuery && AnswerQuery && lParam)
      AnswerQuery(*reinterpret_cast<BackgroundInfo*>(lParam));
    return 0;
  }
  TColor OwnColor() const override { return 0; }
  bool IsFormProvider() const override { return parent_ == nullptr; }
  Size ControlSize() const override { return size_; }
  Point Position() const override { return position_; }
  bool IsShowing() const override { return true; }
  bool IsDestroyingOrLoading() const override { return false; }
  void InvalidateControl() override {}
  void RedrawWindow(uint32_t) override {}
  TacControlLink* Parent() const override { return parent_; }

  // Top-left in the window: the positions of every parent added up, the
  // form's client origin first.
  Point InWindow(Point clientOrigin) const {
    Point p = clientOrigin;
    for (const PreviewNode* n = this; n && n->parent_; n = n->parent_) p = Point{p.X + n->position_.X, p.Y + n->position_.Y};
    return p;
  }

 private:
  PreviewNode* parent_;
  Point position_;
  Size size_;
};

ByteBuffer ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return ByteBuffer((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The 16 x 16 image of an icon file whose images are 32-bit DIBs, as a
// 32-bit bitmap with its alpha.
Bitmap SmallIcon(const std::string& file) {
  const ByteBuffer ico = ReadFile(file);
  const auto u16 = [&](size_t at) { return at + 2 <= ico.size() ? unsigned(ico[at] | ico[at + 1] << 8) : 0u; };
  const auto u32 = [&](size_t at) { return u16(at) | u16(at + 2) << 16; };
  for (unsigned i = 0; i < u16(4); ++i) {
    const size_t entry = 6 + 16 * size_t(i);
    if (ico.size() < entry + 16 || ico[entry] != 16 || ico[entry + 1] != 16) continue;
    const size_t size = u32(entry + 8), offset = u32(entry + 12);
    if (offset + size > ico.size() || size < 40) break;
    // A DIB of twice the height (the image, then its mask) made a file of
    // the image alone.
    ByteBuffer bmp{'B', 'M'};
    const uint32_t fileSize = uint32_t(14 + size);
    for (const uint32_t v : {fileSize, 0u, 54u})
      for (int b = 0; b < 4; ++b) bmp.push_back(uint8_t(v >> (8 * b)));
    bmp.insert(bmp.end(), ico.begin() + std::ptrdiff_t(offset), ico.begin() + std::ptrdiff_t(offset + size));
    bmp[14 + 8] = 16, bmp[14 + 9] = bmp[14 + 10] = bmp[14 + 11] = 0;
    DecodedImage decoded = DecodeBmp(bmp.data(), bmp.size());
    if (decoded.Ok()) return std::move(decoded.Image);
  }
  throw std::runtime_error(file + " holds no 16 x 16 image");
}

// `image` over B at (x, y), clipped to `clip`; its colours already
// multiplied by alpha or not.
void Blend(Bitmap& B, const Bitmap& image, int x, int y, Rect clip, bool premultiplied) {
  clip = Intersect(clip, Rect{0, 0, B.Width(), B.Height()});
  for (int sy = 0; sy < image.Height(); ++sy)
    for (int sx = 0; sx < image.Width(); ++sx) {
      const int dx = x + sx, dy = y + sy;
      if (dx < clip.Left || dy < clip.Top || dx >= clip.Right || dy >= clip.Bottom) continue;
      const uint32_t s = image.Pixel(sx, sy), d = B.Pixel(dx, dy);
      const uint32_t a = image.Format() == PixelFormat::Bgra32 ? s >> 24 : 255;
      uint32_t out = 0;
      for (int c = 0; c < 24; c += 8) {
        const uint32_t sc = (s >> c) & 255, dc = (d >> c) & 255;
        const uint32_t v = premultiplied ? std::min<uint32_t>(255, sc + (dc * (255 - a) + 127) / 255)
                                         : (sc * a + dc * (255 - a) + 127) / 255;
        out |= v << c;
      }
      B.SetPixel(dx, dy, out | 0xFF000000);
    }
}

void BlendOver(Bitmap& B, const Bitmap& image, int x, int y, Rect clip) { Blend(B, image, x, y, clip, false); }
void BlendPremultiplied(Bitmap& B, const Bitmap& image, int x, int y, Rect clip) { Blend(B, image, x, y, clip, true); }

// The menu bar's items as the system lays them out: each as wide as its
// measured caption and 6 pixels on either side, from the bar's left edge,
// as high as the bar.
std::vector<Rect> MenuBarItemRects(FreeTypePaintPlatform& platform, const std::vector<gui::MenuRow>& items,
                                   const TsFrameWindow& w, FontRef font) {
  std::vector<Rect> rects;
  const int top = OffsetY(w) - w.Metrics.MenuHeight;
  int x = OffsetX(w);
  for (const gui::MenuRow& item : items) {
    const Size text = platform.MeasureText(font, U16(item.caption), 0x20, 0);
    const int width = text.Width + 12;
    rects.push_back(Rect{x, top + 1, x + width, top + w.Metrics.MenuHeight});
    x += width;
  }
  return rects;
}

class WindowComposer {
 public:
  WindowComposer(TsSkinManager& m, FreeTypePaintPlatform& platform, const PreviewRequest& request)
      : m_(m), platform_(platform), request_(request), plan_(PlanOf(request.Window)),
        form_(nullptr, Point{}, plan_.window) {}

  Bitmap Compose() {
    PrepareFrame();
    const Bitmap& cache = *frame_.Data.FCacheBmp;
    Bitmap window = cache;
    const Point origin{OffsetX(scene_.Window), OffsetY(scene_.Window)};
    BuildNodes();
    for (size_t i = 0; i < plan_.rows->size(); ++i) PaintControl(window, (*plan_.rows)[i], *nodes_[i], origin);
    CutRegion(window);
    return window;
  }

 private:
  void PrepareFrame() {
    scene_.Window = FrameWindowOf(plan_);
    const bool haveSysMenu = plan_.layout.borderIcons;
    scene_.Rules = RulesFromStyle(scene_.Window.Style, haveSysMenu, false);
    scene_.FormActive = !request_.Inactive;
    scene_.ShowIcon = IconShown(scene_.Window.Border, true, haveSysMenu);
    scene_.Caption = U16(plan_.caption);
    scene_.CaptionFont = platform_.Font(kCaptionFont);
    if (scene_.ShowIcon) {
      icon_ = SmallIcon(request_.ResourceDirectory + "/wakespan.ico");
      scene_.DrawIcon = [this](Bitmap& cache, Rect where) { BlendOver(cache, icon_, where.Left, where.Top, where); };
    }
    scene_.PaintMenuBarItems = [this](Bitmap& cache, const Bitmap& line, Point lineOrigin) {
      PaintMenuBar(cache, line, lineOrigin);
    };
    frame_.Data.FOwnerObject = &form_;
    frame_.ReadSkin(&m_);
    AssignTitleButtonImages(frame_.Buttons, m_, scene_.Window.Border, scene_.Rules, false, false,
                            frame_.Data.SkinIndex);
    RenderFrame(frame_, scene_);
    form_.AnswerQuery = [this](BackgroundInfo& info) { AnswerFormBackground(frame_, scene_, info); };
  }

  void PaintMenuBar(Bitmap& cache, const Bitmap& line, Point lineOrigin) {
    const FontRef font = platform_.Font(kMenuFont);
    const TsMenuFonts fonts{font, platform_.Font(PreviewFont{"Tahoma", 11, true}), font};
    const Rect bounds = Intersect(Rect{0, 0, cache.Width(), cache.Height()},
                                  Rect{lineOrigin.X, lineOrigin.Y, lineOrigin.X + line.Width(),
                                       lineOrigin.Y + line.Height()});
    const std::vector<Rect> rects = MenuBarItemRects(platform_, plan_.menuBar, scene_.Window, font);
    for (size_t i = 0; i < rects.size(); ++i) {
      const Rect r = Intersect(rects[i], bounds);
      if (r.IsEmpty()) continue;
      TsMenuItemData item;
      item.Caption = U16(plan_.menuBar[i].caption);
      item.Kind = TsMenuItemType::smTopLine;
      Bitmap painted(r.Width(), r.Height(), PixelFormat::Bgr24);
      PaintMenuLineItem(m_, painted, line, Point{r.Left - lineOrigin.X, r.Top - lineOrigin.Y}, item, fonts);
      CopyBlock(cache, r.Left, r.Top, r.Width(), r.Height(), painted, 0, 0);
    }
  }

  void BuildNodes() {
    for (const gui::ControlRow& row : *plan_.rows) {
      PreviewNode* parent = &form_;
      for (size_t i = 0; i < nodes_.size(); ++i)
        if (row.parent && std::wstring(row.parent) == (*plan_.rows)[i].name) parent = nodes_[i].get();
      nodes_.push_back(std::make_unique<PreviewNode>(parent, Point{row.bounds.left, row.bounds.top},
                                                     Size{row.bounds.width, row.bounds.height}));
    }
  }

  TacControlView ViewOf(const gui::ControlRow& row) const {
    const ControlStart start = StartOf(plan_, row.name);
    TacControlView v;
    v.WindowSize = Size{row.bounds.width, row.bounds.height};
    v.Caption = U16(row.caption);
    v.Enabled = !start.disabled;
    v.Focused = start.focused;
    v.ButtonState = (start.checked ? kStateChecked : 0) | (start.focused ? kStateFocus : 0);
    v.Font = platform_.Font(kFormFont);
    switch (row.kind) {
      case ControlKind::CheckBox: v.Style = kAutoCheckBox; break;
      case ControlKind::RadioButton: v.Style = kStyleAutoRadioButton; break;
      case ControlKind::GroupBox: v.Style = kGroupBoxStyle; break;
      case ControlKind::Button:
      case ControlKind::BitBtn: v.Style = start.focused ? kStyleDefPushButton : 0; break;
      default: break;
    }
    return v;
  }

  // The control's cache painted by the program's own painter, copied into
  // the window at its place; labels are written over their parent.
  void PaintControl(Bitmap& window, const gui::ControlRow& row, PreviewNode& node, Point origin) {
    const Point at = node.InWindow(origin);
    const TacControlView view = ViewOf(row);
    TsCommonData& data = datas_.emplace_back();
    data.FSkinManager = &m_;
    data.FOwnerObject = &node;
    const auto paint = [&](const char* section, const auto& painter) {
      data.SetSkinSection(section);
      painter.PrepareCache(data, ParentCacheInfo(data));
    };
    switch (row.kind) {
      case ControlKind::GroupBox:
        paint(s_GroupBox, TacGroupBoxPainter(view));
        node.AnswerQuery = [&data](BackgroundInfo& info) { AnswerBackgroundQuery(data, info, 0); };
        break;
      case ControlKind::CheckBox: paint(s_CheckBox, TacCheckBoxPainter(view)); break;
      case ControlKind::RadioButton: paint(s_RadioButton, TacCheckBoxPainter(view)); break;
      case ControlKind::Button: paint(s_Button, TacButtonPainter(view)); break;
      case ControlKind::BitBtn: {
        const Bitmap* picture = Picture(row.name);
        TacBitBtnGlyph glyph;
        glyph.Glyph = picture;
        paint(s_Button, TacBitBtnPainter(view, glyph));
        break;
      }
      case ControlKind::Edit: PaintEdit(window, data, view, at); return;
      case ControlKind::Image: PaintPicture(window, row, at); return;
      case ControlKind::Label: {
        const Rect r{at.X, at.Y, at.X + row.bounds.width, at.Y + row.bounds.height};
        std::u16string caption = view.Caption;
        uint32_t format = 0;  // left, top
        for (const LabelOf& label : plan_.labels)
          if (std::wstring(row.name) == label.control) caption = label.caption, format = label.format;
        platform_.DrawText(window, view.Font, false, caption, r, format | 0x800 | 0x100 | 0x40,
                           m_.GetGlobalFontColor());
        return;
      }
      case ControlKind::ProgressBar: PaintProgressBar(window, row, at); return;
      default: return;
    }
    if (const Bitmap* cache = data.FCacheBmp.get())
      CopyBlock(window, at.X, at.Y, cache->Width(), cache->Height(), *cache, 0, 0);
  }

  // The frame from the skin; inside it the edit's own client area in the
  // colour the skin gives edits.
  void PaintEdit(Bitmap& window, TsCommonData& data, const TacControlView& view, Point at) {
    data.SetSkinSection(s_Edit);
    PrepareEditFrame(data, view, ParentCacheInfo(data));
    if (const Bitmap* cache = data.FCacheBmp.get())
      CopyBlock(window, at.X, at.Y, cache->Width(), cache->Height(), *cache, 0, 0);
    constexpr int kEdge = 2;  // the client edge of the program's edits
    const TacEditColors colors = EditSkinColors(data);
    FillRectColor(window,
                  Rect{at.X + kEdge, at.Y + kEdge, at.X + view.WindowSize.Width - kEdge,
                       at.Y + view.WindowSize.Height - kEdge},
                  uint32_t(ColorToRGB(colors.Color)));
  }

  // The control's picture as the program loads it (alpha premultiplied),
  // or null when it has none.
  const Bitmap* Picture(const wchar_t* control) {
    for (const PictureOf& picture : plan_.pictures) {
      if (std::wstring(control) != picture.control) continue;
      const ByteBuffer bytes = ReadFile(request_.ResourceDirectory + "/" + picture.file);
      DecodedImage image = DecodeBmp(bytes.data(), bytes.size());
      if (!image.Ok()) throw std::runtime_error(std::string(picture.file) + ": " + image.Error);
      Bitmap& b = pictures_.emplace_back(std::move(image.Image));
      if (b.Format() == PixelFormat::Bgra32)
        for (int y = 0; y < b.Height(); ++y)
          for (uint8_t* px = b.Row(y); px < b.Row(y) + 4 * b.Width(); px += 4)
            for (int c = 0; c < 3; ++c) px[c] = uint8_t((px[c] * px[3] + 127) / 255);
      return &b;
    }
    return nullptr;
  }

  void PaintPicture(Bitmap& window, const gui::ControlRow& row, Point at) {
    const Bitmap* picture = Picture(row.name);
    if (!picture) return;
    const Rect box{at.X, at.Y, at.X + row.bounds.width, at.Y + row.bounds.height};
    BlendPremultiplied(window, *picture, at.X + (row.bounds.width - picture->Width()) / 2,
                       at.Y + (row.bounds.height - picture->Height()) / 2, box);
  }

  // The progress bar keeps the system's look: a one-pixel frame, the
  // window colour, the bar in the highlight colour (Wine's colours).
  void PaintProgressBar(Bitmap& window, const gui::ControlRow& row, Point at) {
    constexpr uint32_t kFrame = 0xAEAEAE, kField = 0xFFFFFF, kBar = 0xFA9630;
    const Rect all{at.X, at.Y, at.X + row.bounds.width, at.Y + row.bounds.height};
    FillRectColor(window, all, kFrame);
    const Rect inside{all.Left + 1, all.Top + 1, all.Right - 1, all.Bottom - 1};
    FillRectColor(window, inside, kField);
    FillRectColor(window, Rect{inside.Left, inside.Top, inside.Left + inside.Width() * kCountdownBarPercent / 100,
                               inside.Bottom},
                  kBar);
  }

  void CutRegion(Bitmap& window) {
    const int formBorder = frame_.Data.BorderIndex;
    const int titleBorder =
        m_.IsValidSkinIndex(frame_.TitleSkinIndex) ? m_.gd[size_t(frame_.TitleSkinIndex)].BorderIndex : -1;
    const TsFrameRegion region =
        MakeFrameRegion(scene_.Window, CollectCornerRects(m_, formBorder, titleBorder, scene_.Window.Window));
    for (const Rect& cut : region.Cuts) FillRectColor(window, cut, 0);
  }

  TsSkinManager& m_;
  FreeTypePaintPlatform& platform_;
  const PreviewRequest& request_;
  WindowPlan plan_;
  PreviewNode form_;
  TsFrameCache frame_;
  TsFrameScene scene_;
  Bitmap icon_;
  std::vector<std::unique_ptr<PreviewNode>> nodes_;
  std::deque<TsCommonData> datas_;
  std::deque<Bitmap> pictures_;  // kept: group boxes answer their children from theirs
};

}  // namespace

PreviewRequest ParsePreviewArguments(const std::vector<std::string>& args, const std::string& fontDirectory,
                                     const std::string& resourceDirectory) {
  PreviewRequest r;
  r.FontDirectory = fontDirectory;
  r.ResourceDirectory = resourceDirectory;
  if (args.empty()) throw std::runtime_error("preview needs a skin");
  r.Skin = args[0];
  bool haveWindow = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    const auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw std::runtime_error(a + " needs a value");
      return args[++i];
    };
    if (a == "--window") {
      const std::string& w = value();
      haveWindow = true;
      if (w == "settings") r.Window = PreviewWindow::Settings;
      else if (w == "countdown") r.Window = PreviewWindow::Countdown;
      else if (w == "about") r.Window = PreviewWindow::About;
      else throw std::runtime_error("unknown window '" + w + "' (settings, countdown or about)");
    } else if (a == "--inactive") {
      r.Inactive = true;
    } else if (a == "--out") {
      r.Out = value();
    } else if (a == "--fonts") {
      r.FontDirectory = value();
    } else if (a == "--resources") {
      r.ResourceDirectory = value();
    } else {
      throw std::runtime_error("unknown argument '" + a + "'");
    }
  }
  if (!haveWindow) throw std::runtime_error("preview needs --window settings|countdown|about");
  if (r.Out.empty()) throw std::runtime_error("preview needs --out");
  return r;
}

Bitmap RenderWindowPreview(TsSkinManager& m, FreeTypePaintPlatform& platform, const PreviewRequest& request) {
  return WindowComposer(m, platform, request).Compose();
}

Bitmap RenderPreview(const PreviewRequest& request) {
  TsSkinManager manager;
  manager.OnMessage = [](const std::string&) {};
  if (std::filesystem::is_directory(request.Skin))
    manager.LoadSkinDirectory(request.Skin);
  else
    manager.LoadPackedFile(request.Skin, std::string());
  FreeTypePaintPlatform platform(request.FontDirectory);
  SetPaintPlatform(&platform);
  struct Restore {
    ~Restore() { SetPaintPlatform(nullptr); }
  } restore;
  return RenderWindowPreview(manager, platform, request);
}

}  // namespace wakespan

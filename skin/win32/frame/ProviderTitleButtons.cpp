// The interactive side of the skinned frame: the hit test, the title
// buttons' hot and pressed states with their fade or direct repaint, the
// clicks on the frame and the skinned system menu. The rules are the
// portable ones; this file reads the window and carries out their answers.
#include "platform/gui/Application.h"
#include "platform/gui/Form.h"
#include "platform/gui/Handles.h"
#include "skin/data/sSkinManager.h"
#include "skin/frame/sFrameGeometry.h"
#include "skin/frame/sFrameInputs.h"
#include "skin/frame/sTitleButtonPaint.h"
#include "skin/win32/frame/sSkinProvider.h"
#include "skin/win32/manager/DibBlit.h"

namespace wakespan {

namespace {

// The last left press hit a title button and no hot change came since;
// one flag for the whole program.
bool& PressedFlag() {
  static bool pressed = false;
  return pressed;
}

constexpr uint32_t kFadeSlotCodes[] = {kHitMinButton, kHitMaxButton, kHitClose, kHitHelp};
constexpr UINT kWindowMenuRequest = 0x313;  // the taskbar asks for the window menu

// A mouse message's screen point relative to the window's top-left corner.
Point InWindow(HWND window, LPARAM screenPoint) {
  RECT r{};
  GetWindowRect(window, &r);
  return Point{int(short(LOWORD(screenPoint))) - r.left, int(short(HIWORD(screenPoint))) - r.top};
}

bool HelpIcon(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) != 0; }

}  // namespace

TsTitleButtonStates TsSkinProvider::ButtonStates() { return TsTitleButtonStates{cache_.Buttons, currentHT_, PressedFlag()}; }

std::unique_ptr<TacSBAnimation>* TsSkinProvider::FadeSlot(uint32_t hitCode) {
  for (size_t i = 0; i < fades_.size(); ++i)
    if (kFadeSlotCodes[i] == hitCode) return &fades_[i];
  return nullptr;
}

const TacSBAnimation* TsSkinProvider::Fade(uint32_t hitCode) const {
  for (size_t i = 0; i < fades_.size(); ++i)
    if (kFadeSlotCodes[i] == hitCode) return fades_[i].get();
  return nullptr;
}

void TsSkinProvider::StopFades() {
  for (auto& fade : fades_) fade.reset();
}

Point TsSkinProvider::MouseInWindow() const {
  POINT cursor{};
  RECT window{};
  GetCursorPos(&cursor);
  GetWindowRect(form_.Handle(), &window);
  return Point{cursor.x - window.left, cursor.y - window.top};
}

void TsSkinProvider::SetHotCode(int code, bool repaint) {
  const TsButtonCodes changed = wakespan::SetHotCode(ButtonStates(), code);
  if (repaint) RepaintTitleButtons(changed);
}

void TsSkinProvider::PressTitleButton(int code) {
  const TsFrameScene scene = Scene();
  RepaintTitleButtons(
      wakespan::PressTitleButton(ButtonStates(), code, MaxButtonActive(scene.Rules, scene.Window.Maximized)));
}

void TsSkinProvider::RepaintTitleButtons(const TsButtonCodes& codes) {
  for (int code : codes) RepaintTitleButton(code);
}

// The animated way shows the state in the fade window above the button and
// leaves the frame as it is; the direct way paints the button into the
// cache and copies just its rectangle onto the window.
void TsSkinProvider::RepaintTitleButton(int code) {
  const TsCaptionButton* button = ButtonOfCode(cache_.Buttons, code);
  if (!button || !cache_.Data.FCacheBmp) return;
  const TsFrameScene scene = Scene();
  const TsButtonRepaint r = wakespan::RepaintTitleButton(
      cache_.Buttons, code, ButtonPaintContext(scene, cache_, manager_, TacSBAnimation::Possible()));
  if (r.How == TsButtonRepaint::Way::Animate) {
    std::unique_ptr<TacSBAnimation>* slot = FadeSlot(uint32_t(code));
    if (!slot) return;
    std::unique_ptr<TacSBAnimation>& fade = *slot;
    if (!fade) {
      TacSBAnimation::Source source;
      source.MakeImage = [this, code] {
        const TsCaptionButton* b = ButtonOfCode(cache_.Buttons, code);
        return b ? MakeTitleFadeImage(cache_, manager_, *b, CaptionWidth(Scene().Window)) : Bitmap();
      };
      source.Bounds = [this, code] {
        RECT window{};
        GetWindowRect(form_.Handle(), &window);
        const TsCaptionButton* b = ButtonOfCode(cache_.Buttons, code);
        return b ? GetFormBounds(Point{window.left, window.top}, b->R) : Rect{};
      };
      source.PointerOver = [this, code] {
        const TsCaptionButton* b = ButtonOfCode(cache_.Buttons, code);
        return b && PointInRect(MouseInWindow(), b->R);
      };
      fade = std::make_unique<TacSBAnimation>(form_.Handle(), std::move(source));
    }
    fade->Animate(r.State, r.Steps, r.Up);
    return;
  }
  const Rect where = PaintTitleButtonDirect(cache_, manager_, r, button->State);
  if (where.IsEmpty()) return;
  const gui::WindowDC dc(form_.Handle());
  BlitPart(dc.get(), Point{where.Left, where.Top}, *cache_.Data.FCacheBmp, where);
}

void TsSkinProvider::AnswerHitTest(gui::Message& m) {
  Render();  // the buttons' places come from the laid-out frame
  const TsFrameScene scene = Scene();
  const Point p = InWindow(form_.Handle(), m.lParam);
  const TsNcHitAnswer answer =
      AnswerNcHitTest(p, FrameHitInput(scene, manager_), cache_.Buttons, CaptionHeight(scene.Window) > 0);
  if (answer.AskPrevious)
    Default(m);
  else
    m.result = LRESULT(answer.Code);
  if (answer.Hot) SetHotCode(*answer.Hot, true);
  // The system tells of the pointer leaving the frame only when asked.
  if (currentHT_ > 0) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, form_.Handle(), 0};
    TrackMouseEvent(&track);
  }
}

void TsSkinProvider::DropSysMenu(TsMenuDrop where) {
  const TsFrameScene scene = Scene();
  RECT window{};
  GetWindowRect(form_.Handle(), &window);
  POINT cursor{};
  GetCursorPos(&cursor);
  TsDropMeasures measures;
  measures.WindowTopLeft = Point{window.left, window.top};
  measures.FrameWidth = FrameWidth(scene.Window);
  measures.BorderHeight = BorderWidth(scene.Window);
  measures.IconHeight = FrameIconRect(scene, manager_).Height();
  measures.Mouse = Point{cursor.x, cursor.y};
  systemMenu_.Drop(form_.Handle(), SysMenuDropPoint(where, measures), SysMenuForm(scene.Window, haveSysMenu_, HelpIcon(form_.Handle())),
                   manager_);
}

void TsSkinProvider::CarryClick(const TsClickAction& a, gui::Message& m) {
  if (a.ResetHot) SetHotCode(0, true);
  if (a.Press) PressTitleButton(int(a.Press));
  if (a.NormalButton) {
    if (TsCaptionButton* button = ButtonOfCode(cache_.Buttons, int(a.NormalButton))) button->State = 0;
    RepaintTitleButton(int(a.NormalButton));
  }
  if (a.Drop != TsMenuDrop::None) DropSysMenu(a.Drop);
  if (a.InvalidateCache) cache_.Data.BGChanged = true;
  if (a.FocusOnly) SetForegroundWindow(form_.Handle());
  if (a.RefreshMenu) {
    const TsFrameScene scene = Scene();
    systemMenu_.UpdateItems(form_.Handle(), false, SysMenuForm(scene.Window, haveSysMenu_, HelpIcon(form_.Handle())));
  }
  if (a.RepaintFrame) RepaintFrameNow();
  if (a.PassOn)
    Default(m);
  else
    m.result = 0;
  // Last: the command may hide the form or end the program.
  if (a.CloseForm) form_.Close();
  if (a.Command) SendMessageW(form_.Handle(), WM_SYSCOMMAND, a.Command, 0);
}

void TsSkinProvider::AfterSysCommand(gui::Message& m) {
  TsFrameClick click;
  click.Message = TsFrameMessage::SysCommand;
  click.Command = uint32_t(m.wParam);
  click.Param = m.lParam;
  CarryClick(DecideFrameClick(click, ClickForm(Scene(), false, PressedFlag(), manager_.SkinnedPopups)), m);
}

bool TsSkinProvider::HandleFrameMouse(gui::Message& m) {
  TsFrameClick click;
  click.HitCode = uint32_t(m.wParam);
  switch (m.msg) {
    case WM_NCHITTEST: AnswerHitTest(m); return true;
    case WM_NCLBUTTONDOWN: click.Message = TsFrameMessage::NcLButtonDown; break;
    case WM_NCLBUTTONUP: click.Message = TsFrameMessage::NcLButtonUp; break;
    case WM_NCLBUTTONDBLCLK: click.Message = TsFrameMessage::NcLButtonDblClk; break;
    case WM_NCRBUTTONDOWN: click.Message = TsFrameMessage::NcRButtonDown; break;
    case WM_NCRBUTTONUP: {
      click.Message = TsFrameMessage::NcRButtonUp;
      Render();
      click.HitCode =
          HitTestFrame(InWindow(form_.Handle(), m.lParam), FrameHitInput(Scene(), manager_), cache_.Buttons).Code;
      break;
    }
    case kWindowMenuRequest: click.Message = TsFrameMessage::WindowMenuRequest; break;
    case WM_MOUSELEAVE:
    case WM_NCMOUSELEAVE: click.Message = TsFrameMessage::MouseLeave; break;
    default: return false;
  }
  const TsFrameScene scene = Scene();
  TsClickForm form = ClickForm(scene, gui::Application::Instance().MainForm() == &form_, PressedFlag(),
                               manager_.SkinnedPopups);
  form.ReleaseInMinButton = PointInRect(MouseInWindow(), cache_.Buttons.Min.R);
  CarryClick(DecideFrameClick(click, form), m);
  return true;
}

}  // namespace wakespan

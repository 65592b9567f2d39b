#include "skin/win32/manager/WindowBroadcast.h"

#include "platform/gui/Application.h"
#include "platform/gui/Form.h"
#include "skin/data/acSkinWindows.h"
#include "skin/engine/BroadcastWalk.h"
#include "skin/engine/EngineCommands.h"
#include "skin/win32/manager/EngineLists.h"

namespace wakespan {

namespace {

struct Command {
  WPARAM wParam;
  LPARAM lParam;
};

// A control, or with Base = BroadcastForm a form, as the walk sees it.
template <typename Base>
class Node : public Base {
 public:
  Node(gui::Control& control, const Command& command) : control_(control), command_(command) {}

  bool HasWindow() const override { return Window() != nullptr; }
  bool AnswersHandledQuery() const override { return wakespan::AnswersHandledQuery(Window()); }
  void SendToWindow() override { SendEngineCommand(Window(), command_.wParam, command_.lParam); }
  void DispatchDirectly() override {
    gui::Message message{EngineCommandMessage, command_.wParam, command_.lParam, 0};
    control_.Perform(message);
  }
  void ForEachChild(const std::function<void(engine::BroadcastControl&)>& visit) override {
    auto* parent = dynamic_cast<gui::WinControl*>(&control_);
    if (!parent) return;
    // A command may make or drop controls: walk a copy of the list.
    const std::vector<gui::Control*> children = parent->Controls();
    for (gui::Control* child : children) {
      Node<engine::BroadcastControl> node(*child, command_);
      visit(node);
    }
  }

 protected:
  HWND Window() const {
    return control_.IsWindowed() ? static_cast<gui::WinControl&>(control_).Handle() : nullptr;
  }

  gui::Control& control_;
  const Command& command_;
};

class FormNode : public Node<engine::BroadcastForm> {
 public:
  FormNode(gui::Form& form, const Command& command) : Node(form, command), form_(form) {}

  // A form leaves the application's list as its destruction begins, so
  // the walk never meets one being destroyed.
  engine::FormState State() const override {
    engine::FormState state;
    state.mdiChild = (GetWindowLongPtrW(Window(), GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
    state.loading = form_.Loading();
    state.answersHandledQuery = wakespan::AnswersHandledQuery(Window());
    state.mdiParent = MdiClient() != nullptr;
    return state;
  }
  void SendToMdiClient() override { SendEngineCommand(MdiClient(), command_.wParam, command_.lParam); }

 private:
  HWND MdiClient() const { return FindWindowExW(Window(), nullptr, L"MDICLIENT", nullptr); }
  gui::Form& form_;
};

class ProgramScope : public engine::BroadcastScope {
 public:
  explicit ProgramScope(const Command& command) : command_(command) {}

  void ForEachForm(const std::function<void(engine::BroadcastForm&)>& visit) override {
    const std::vector<gui::Form*> forms = gui::Application::Instance().Forms();
    for (gui::Form* form : forms) {
      if (!form->Handle()) continue;
      FormNode node(*form, command_);
      visit(node);
    }
  }
  void SendToProviderForms() override {
    const std::vector<ProviderForm> forms = ProviderForms();
    for (const ProviderForm& entry : forms) SendEngineCommand(entry.form, command_.wParam, command_.lParam);
  }
  void SendToVisibleHookedWindows() override {
    for (HWND window : HookList().VisibleDialogs()) SendEngineCommand(window, command_.wParam, command_.lParam);
  }

 private:
  const Command& command_;
};

}  // namespace

LRESULT SendEngineCommand(HWND window, WPARAM wParam, LPARAM lParam) {
  return IsWindow(window) ? SendMessageW(window, EngineCommandMessage, wParam, lParam) : 0;
}

bool AnswersHandledQuery(HWND window) {
  return SendEngineCommand(window, engine::CommandWParam(engine::kHandledQuery), 0) ==
         static_cast<LRESULT>(engine::kHandledAnswer);
}

void BroadcastCommand(WPARAM wParam, LPARAM lParam) {
  const Command command{wParam, lParam};
  ProgramScope scope(command);
  engine::Broadcast(scope);
}

}  // namespace wakespan

#include "skin/win32/manager/AppWindowHook.h"

#include "platform/gui/Application.h"
#include "skin/engine/EngineCommands.h"
#include "skin/win32/manager/SkinFactories.h"
#include "skin/win32/manager/WindowBroadcast.h"

namespace wakespan {

AppWindowHook::AppWindowHook(std::function<bool()> skinnedPopups, LPARAM sender)
    : skinnedPopups_(std::move(skinnedPopups)), sender_(sender) {
  previous_ = gui::Application::Instance().ReplaceMessageHandler([this](gui::Message& m) { Handle(m); });
}

AppWindowHook::~AppWindowHook() { gui::Application::Instance().ReplaceMessageHandler(std::move(previous_)); }

void AppWindowHook::Handle(gui::Message& message) {
  using engine::AppWindowAction;
  const engine::AppWindowDecision decision =
      engine::DecideAppWindowMessage(message.msg, message.wParam, skinnedPopups_());
  switch (decision.action) {
    case AppWindowAction::PassOn: break;
    case AppWindowAction::Swallow: return;
    case AppWindowAction::RememberShow: showState_ = decision.showState; break;
    case AppWindowAction::NotifyForms: {
      const std::vector<gui::Form*> forms = gui::Application::Instance().Forms();
      for (gui::Form* form : forms)
        SendEngineCommand(form->Handle(), engine::CommandWParam(engine::kFormsNoticeCommand), sender_);
      break;
    }
    case AppWindowAction::DrawMenuBorder:
      if (const auto& draw = Factories().drawMenuBorder) draw(message.msg, message.wParam, message.lParam);
      break;
  }
  previous_(message);
}

}  // namespace wakespan

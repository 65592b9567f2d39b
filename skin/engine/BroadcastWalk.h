// Which of the program's windows and controls an engine command reaches,
// and how: the Win32 side presents its forms and controls through these
// small interfaces and carries out each delivery.
#pragma once

#include <functional>

namespace wakespan::engine {

class BroadcastControl {
 public:
  virtual ~BroadcastControl() = default;
  // A windowed control whose window exists.
  virtual bool HasWindow() const = 0;
  // Its window answers the handled query: a wrapper passes the command on
  // to whatever lies below it.
  virtual bool AnswersHandledQuery() const = 0;
  virtual void SendToWindow() = 0;
  // A control without a window gets the command through its own dispatch.
  virtual void DispatchDirectly() = 0;
  virtual void ForEachChild(const std::function<void(BroadcastControl&)>& visit) = 0;
};

struct FormState {
  bool mdiChild = false;
  bool destroying = false;
  bool loading = false;
  // Its window answers the handled query: its provider is reached through
  // the provider list instead.
  bool answersHandledQuery = false;
  bool mdiParent = false;
};

class BroadcastForm : public BroadcastControl {
 public:
  virtual FormState State() const = 0;
  virtual void SendToMdiClient() = 0;
};

class BroadcastScope {
 public:
  virtual ~BroadcastScope() = default;
  virtual void ForEachForm(const std::function<void(BroadcastForm&)>& visit) = 0;
  virtual void SendToProviderForms() = 0;
  virtual void SendToVisibleHookedWindows() = 0;
};

// The forms of the application with their controls, then the forms of the
// provider list, then the visible windows of the hook's list.
void Broadcast(BroadcastScope& scope);

// One form's share: false when the form is skipped.
bool BroadcastToForm(BroadcastForm& form);

}  // namespace wakespan::engine

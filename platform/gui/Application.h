#pragma once
// The application object: creates the forms in order, runs the message loop,
// owns the hidden window that carries the timers, and reports errors that
// escape any handler without stopping the loop.
#include <windows.h>

#include <exception>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/gui/Form.h"

namespace gui {

class Timer;

class Application {
 public:
  static Application& Instance();

  void Initialize();
  // Creates a form, sets its process-wide reference, then runs its create
  // handler. The first form created becomes the main form.
  template <typename T>
  void CreateForm(T*& reference) {
    auto form = std::make_unique<T>();
    reference = form.get();
    if (!mainForm_) mainForm_ = form.get();
    forms_.push_back(std::move(form));
    reference->FinishLoading();
    reference->RunCreate();
  }
  // Shows the main form, then dispatches messages until Terminate.
  void Run();
  // Posts a quit request and returns.
  void Terminate();
  bool Terminated() const { return terminated_; }

  Form* MainForm() const { return mainForm_; }
  HWND Handle() const { return window_; }
  const std::wstring& Title() const { return title_; }
  // The handler every message of the application window goes through; as
  // with controls, installing one returns the handler it replaces.
  MessageHandler ReplaceMessageHandler(MessageHandler handler);
  // Brings the application's visible forms forward.
  void BringToFront();

  // The default error report: the error's text in an error box captioned
  // with the application title.
  static void ReportError(const std::exception& error);

  // Waits for and dispatches one message; false when the quit request came,
  // which stays queued for the outer loop.
  bool ProcessOneMessage();
  // Handles every message waiting now, as the loop would, and returns; a quit
  // request stays queued for the loop.
  void ProcessMessages();
  const std::vector<Form*>& Forms() const { return formOrder_; }

  void AddForm(Form* form) {
    liveForms_.insert(form);
    formOrder_.push_back(form);
  }
  void RemoveForm(Form* form);
  void TrackTimer(Timer* timer, bool live);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void DefaultHandler(Message& message);
  bool RouteDialogKeys(MSG& message);
  void HandleMessage(MSG& message);
  void DestroyForms();

  HWND window_ = nullptr;
  MessageHandler handler_ = [this](Message& message) { DefaultHandler(message); };
  std::wstring title_;
  bool terminated_ = false;
  Form* mainForm_ = nullptr;
  std::vector<std::unique_ptr<Form>> forms_;
  std::set<Form*> liveForms_;
  std::vector<Form*> formOrder_;
  std::set<Timer*> liveTimers_;
};

}  // namespace gui

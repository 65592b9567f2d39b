#include "platform/gui/Timer.h"

#include <windows.h>

#include "platform/gui/Application.h"

namespace gui {

Timer::Timer(Form* owner, std::wstring name, unsigned intervalMs, bool enabled)
    : Component(owner, std::move(name)), interval_(intervalMs) {
  SetEnabled(enabled);
}

Timer::~Timer() { Disarm(); }

void Timer::Arm() {
  // The timer's address is its id on the application window.
  if (interval_ > 0) SetTimer(Application::Instance().Handle(), reinterpret_cast<UINT_PTR>(this), interval_, nullptr);
}

void Timer::Disarm() { KillTimer(Application::Instance().Handle(), reinterpret_cast<UINT_PTR>(this)); }

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (enabled_)
    Arm();
  else
    Disarm();
  Application::Instance().TrackTimer(this, enabled_);
}

void Timer::SetInterval(unsigned intervalMs) {
  if (intervalMs == interval_) return;
  interval_ = intervalMs;
  if (enabled_) {
    Disarm();
    Arm();
  }
}

void Timer::Fire() {
  if (enabled_ && OnTimer) OnTimer();
}

void Timer::TickNowThenEnable() {
  try {
    if (OnTimer) OnTimer();
  } catch (...) {
    SetEnabled(true);
    throw;
  }
  SetEnabled(true);
}

}  // namespace gui

#pragma once
// A timer component; its ticks arrive through the message loop.
#include <functional>

#include "platform/gui/Component.h"

namespace gui {

class Timer : public Component {
 public:
  Timer(Form* owner, std::wstring name, unsigned intervalMs, bool enabled);
  ~Timer() override;
  const wchar_t* ClassName() const override { return L"TTimer"; }

  bool Enabled() const { return enabled_; }
  // Enabling a running timer leaves it running in its rhythm.
  void SetEnabled(bool enabled);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned intervalMs);

  std::function<void()> OnTimer;
  void Fire();
  // Runs the tick handler once at once, then starts the timer whatever the
  // handler did: an error still propagates, but the ticks go on.
  void TickNowThenEnable();

 private:
  void Arm();
  void Disarm();
  unsigned interval_;
  bool enabled_ = false;
};

}  // namespace gui

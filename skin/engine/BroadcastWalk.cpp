#include "skin/engine/BroadcastWalk.h"

namespace wakespan::engine {

namespace {

void BroadcastToChildren(BroadcastControl& parent) {
  parent.ForEachChild([](BroadcastControl& child) {
    if (!child.HasWindow()) {
      child.DispatchDirectly();
    } else if (child.AnswersHandledQuery()) {
      child.SendToWindow();  // its wrapper takes care of what lies below
    } else {
      BroadcastToChildren(child);
    }
  });
}

bool Skipped(const FormState& state) {
  return state.mdiChild || state.destroying || state.loading || state.answersHandledQuery;
}

}  // namespace

bool BroadcastToForm(BroadcastForm& form) {
  const FormState state = form.State();
  if (Skipped(state)) return false;
  form.SendToWindow();
  BroadcastToChildren(form);
  if (state.mdiParent) form.SendToMdiClient();
  return true;
}

void Broadcast(BroadcastScope& scope) {
  scope.ForEachForm([](BroadcastForm& form) { BroadcastToForm(form); });
  scope.SendToProviderForms();
  scope.SendToVisibleHookedWindows();
}

}  // namespace wakespan::engine

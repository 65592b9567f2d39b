#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/engine/BroadcastWalk.h"

namespace {

using namespace wakespan::engine;

// A tree of named nodes; every delivery is logged as "send X", "direct X".
struct Log {
  std::vector<std::string> lines;
};

struct Node : BroadcastForm {
  std::string name;
  bool windowed = true, handle = true, handled = false;
  FormState state;
  Log* log = nullptr;
  std::vector<std::unique_ptr<Node>> children;

  Node(std::string n, Log* l) : name(std::move(n)), log(l) {}
  Node& Add(std::string n) {
    children.push_back(std::make_unique<Node>(std::move(n), log));
    return *children.back();
  }
  bool HasWindow() const override { return windowed && handle; }
  bool AnswersHandledQuery() const override { return handled; }
  void SendToWindow() override { log->lines.push_back("send " + name); }
  void DispatchDirectly() override { log->lines.push_back("direct " + name); }
  void ForEachChild(const std::function<void(BroadcastControl&)>& visit) override {
    for (auto& child : children) visit(*child);
  }
  FormState State() const override { return state; }
  void SendToMdiClient() override { log->lines.push_back("client " + name); }
};

struct Scope : BroadcastScope {
  Log log;
  std::vector<std::unique_ptr<Node>> forms;
  Node& AddForm(std::string name) {
    forms.push_back(std::make_unique<Node>(std::move(name), &log));
    return *forms.back();
  }
  void ForEachForm(const std::function<void(BroadcastForm&)>& visit) override {
    for (auto& form : forms) visit(*form);
  }
  void SendToProviderForms() override { log.lines.push_back("providers"); }
  void SendToVisibleHookedWindows() override { log.lines.push_back("hooked"); }
};

using Lines = std::vector<std::string>;

TEST(EngineBroadcast, ChildrenGetItDirectlySentOrDescendedIntoByTheirKind) {
  Scope scope;
  Node& form = scope.AddForm("form");
  form.Add("label").windowed = false;
  Node& unborn = form.Add("unborn");  // windowed, but no window yet: its children stay unreached
  unborn.handle = false;
  unborn.Add("never");
  Node& wrapped = form.Add("wrapped");
  wrapped.handled = true;
  wrapped.Add("below wrapped");
  Node& box = form.Add("box");  // a plain windowed container
  box.Add("inner label").windowed = false;
  box.Add("inner button").handled = true;
  Broadcast(scope);
  EXPECT_EQ(scope.log.lines, (Lines{"send form", "direct label", "direct unborn", "send wrapped", "direct inner label",
                                    "send inner button", "providers", "hooked"}));
}

TEST(EngineBroadcast, FormsInEveryStateThatIsSkippedGetNothing) {
  Scope scope;
  scope.AddForm("mdi child").state.mdiChild = true;
  scope.AddForm("destroying").state.destroying = true;
  scope.AddForm("loading").state.loading = true;
  Node& provided = scope.AddForm("provided");
  provided.state.answersHandledQuery = true;
  provided.Add("child").windowed = false;
  scope.AddForm("plain");
  Node& parent = scope.AddForm("mdi parent");
  parent.state.mdiParent = true;
  Broadcast(scope);
  EXPECT_EQ(scope.log.lines, (Lines{"send plain", "send mdi parent", "client mdi parent", "providers", "hooked"}));
}

TEST(EngineBroadcast, NoFormsStillReachesTheListsInOrder) {
  Scope scope;
  Broadcast(scope);
  EXPECT_EQ(scope.log.lines, (Lines{"providers", "hooked"}));
}

}  // namespace

#include <gtest/gtest.h>

#include "skin/engine/HookRules.h"

namespace {

using namespace wakespan::engine;

struct FakeWindow : HookWindow {
  bool popupMenu = false;
  std::wstring className = L"TSomeForm";
  bool parent = false;
  uint32_t style = 0x00C00000;  // WS_CAPTION
  bool handled = false;
  bool provider = false;
  bool form = true;
  int tag = 0;
  bool toolbar = false;
  mutable int toolbarAsked = 0;

  bool IsPopupMenu() const override { return popupMenu; }
  std::wstring ClassName() const override { return className; }
  bool HasParent() const override { return parent; }
  uint32_t Style() const override { return style; }
  bool AnswersHandledQuery() const override { return handled; }
  bool HasFormProvider() const override { return provider; }
  bool IsFrameworkForm() const override { return form; }
  int FormTag() const override { return tag; }
  bool ContainsToolbar() const override {
    ++toolbarAsked;
    return toolbar;
  }
};

FakeWindow Dialog() {
  FakeWindow w;
  w.className = L"#32770";
  w.form = false;
  w.style = 0x80000000 | 0x00C00000;
  return w;
}

HookAction Activate(const FakeWindow& w, HookSettings s = {}) { return DecideHookAction(HookEvent::Activated, w, s); }

TEST(EngineHookRules, TagsWithAllBitsOfMinus98RefuseTheSkinOthersDoNot) {
  for (int tag : {-98, -97, -66, -65, -34, -33, -2, -1}) {
    FakeWindow w;
    w.tag = tag;
    EXPECT_EQ(Activate(w), HookAction::None) << tag;
  }
  for (int tag : {0, 1, 98, -99, -96, -3, -100, -130}) {
    FakeWindow w;
    w.tag = tag;
    EXPECT_EQ(Activate(w), HookAction::CreateFormProvider) << tag;
  }
}

TEST(EngineHookRules, BorderlessPopupsAreNeverChosenButBorderedOnesAre) {
  FakeWindow runningTime;
  runningTime.style = 0x80000000 | 0x02000000;  // WS_POPUP | WS_CLIPCHILDREN, as the running-time window
  EXPECT_EQ(Activate(runningTime), HookAction::None);
  FakeWindow dialogFrame;
  dialogFrame.style = 0x80000000 | 0x00C00000 | 0x80;  // WS_POPUP | WS_CAPTION | DS_MODALFRAME
  EXPECT_EQ(Activate(dialogFrame), HookAction::CreateFormProvider);
  FakeWindow overlapped;
  overlapped.style = 0x00C00000;
  EXPECT_EQ(Activate(overlapped), HookAction::CreateFormProvider);
}

TEST(EngineHookRules, AlreadySkinnedWindowsAndNonFormsAreLeftAlone) {
  FakeWindow handled, provided, plain, child;
  handled.handled = true;
  provided.provider = true;
  plain.form = false;
  plain.className = L"Edit";
  child = Dialog();
  child.parent = true;  // a dialog inside another window is no standard dialog
  for (const FakeWindow* w : {&handled, &provided, &plain, &child}) EXPECT_EQ(Activate(*w), HookAction::None);
}

TEST(EngineHookRules, ExcludedClassesExactlyAsNamed) {
  for (const wchar_t* name : {L"TApplication", L"TQRStandardPreview", L"TfcPopup"}) {
    EXPECT_TRUE(IsExcludedFormClass(name)) << name;
    FakeWindow w;
    w.className = name;
    EXPECT_EQ(Activate(w), HookAction::None);
  }
  for (const wchar_t* name : {L"TMainform", L"TAboutform", L"tapplication", L"TApplicationX", L"", L"TfcPopupX"})
    EXPECT_FALSE(IsExcludedFormClass(name)) << name;
}

TEST(EngineHookRules, SkinningRulesChooseFormsAndMessageForms) {
  FakeWindow form, messageForm;
  messageForm.className = L"TMessageForm";
  HookSettings noForms;
  noForms.stdForms = false;
  HookSettings noDialogs;
  noDialogs.stdDialogs = false;
  EXPECT_EQ(Activate(form, noForms), HookAction::None);
  EXPECT_EQ(Activate(messageForm, noForms), HookAction::CreateFormProvider);
  EXPECT_EQ(Activate(form, noDialogs), HookAction::CreateFormProvider);
  EXPECT_EQ(Activate(messageForm, noDialogs), HookAction::None);
}

TEST(EngineHookRules, StandardDialogsAndTheToolbarRule) {
  const FakeWindow box = Dialog();
  EXPECT_EQ(Activate(box), HookAction::SkinDialog);
  EXPECT_EQ(box.toolbarAsked, 0);  // the descendant walk only runs when it matters
  HookSettings noDialogs;
  noDialogs.stdDialogs = false;
  EXPECT_EQ(Activate(box, noDialogs), HookAction::None);

  HookSettings another;
  another.hookedWindowVisible = true;
  EXPECT_EQ(Activate(box, another), HookAction::None);
  FakeWindow fileDialog = Dialog();
  fileDialog.toolbar = true;
  EXPECT_EQ(Activate(fileDialog, another), HookAction::SkinDialog);
  // Created dialogs follow the activation rules.
  EXPECT_EQ(DecideHookAction(HookEvent::Created, box, {}), HookAction::SkinDialog);
  EXPECT_EQ(DecideHookAction(HookEvent::Created, box, another), HookAction::None);
}

TEST(EngineHookRules, CreationWrapsPopupMenusOnlyWhileSkinnedAndIgnoresForms) {
  FakeWindow menu;
  menu.popupMenu = true;
  menu.form = false;
  menu.className = L"#32768";
  HookSettings off;
  off.skinnedPopups = false;
  EXPECT_EQ(DecideHookAction(HookEvent::Created, menu, {}), HookAction::WrapPopupMenu);
  EXPECT_EQ(DecideHookAction(HookEvent::Created, menu, off), HookAction::None);
  EXPECT_EQ(DecideHookAction(HookEvent::Created, FakeWindow{}, {}), HookAction::None);
  EXPECT_EQ(DecideHookAction(HookEvent::Destroyed, menu, {}), HookAction::Release);
}

}  // namespace

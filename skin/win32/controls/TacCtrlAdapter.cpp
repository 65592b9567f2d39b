#include "skin/win32/controls/TacCtrlAdapter.h"

#include <algorithm>

#include "platform/gui/Form.h"
#include "platform/gui/GraphicControls.h"
#include "skin/controls/sWrapperTable.h"
#include "skin/data/acSkinPack.h"
#include "skin/data/sSkinManager.h"
#include "skin/data/sSysColors.h"
#include "skin/paint/sEngineMessage.h"
#include "skin/win32/controls/TacMainWnd.h"
#include "skin/win32/controls/TacWrapperFactory.h"

namespace wakespan {
namespace {

// The engine marks its own auxiliary windows so; they are never wrapped.
constexpr int kEngineTag = -98;
// A custom label with this tag keeps its look.
constexpr int kKeepLabelTag = 98;

std::string Narrow(const wchar_t* text) {
  std::string result;
  for (; text && *text; ++text) result += char(*text < 0x80 ? *text : '?');
  return result;
}

bool AnswersSkinnedQuery(const gui::WinControl& control) {
  return control.Handle() &&
         SendMessageW(control.Handle(), EngineCommandMessage, EngineCommand(kCommandIsSkinned), 0) == 1;
}

// A control that can be wrapped now: not the engine's, with a window and a
// parent, and not wrapped already.
bool Wrappable(const gui::WinControl& control) {
  return control.Tag != kEngineTag && control.Handle() && control.Parent() && !AnswersSkinnedQuery(control);
}

}  // namespace

TacAdapterItem::TacAdapterItem(TacCtrlAdapter& adapter, gui::WinControl& control)
    : WinCtrl(&control), Adapter(&adapter) {
  SkinData.COC = kAdapterKindCode;
  SkinData.FSkinManager = &adapter.Manager();
}

TacAdapterItem::~TacAdapterItem() { Release(); }

void TacAdapterItem::DoHook(gui::WinControl& control) {
  if (!Wrappable(control)) return;
  const auto list = FindThirdPartyList(Adapter->Manager().ThirdLists, Narrow(control.ClassName()));
  if (!list) return;
  ScrollWnd = CreateWrapper(*list, control.Handle(), &SkinData, &Adapter->Manager(), SkinData.FSkinSection);
}

void TacAdapterItem::Release() {
  if (!ScrollWnd) return;
  ScrollWnd->Unhook();
  ScrollWnd.reset();
}

bool TacAdapterItem::Alive() const { return ScrollWnd && !ScrollWnd->Destroyed(); }

TacCtrlAdapter::TacCtrlAdapter(gui::Form& form, TsSkinManager& manager) : form_(form), manager_(manager) {}

TacCtrlAdapter::~TacCtrlAdapter() { RemoveAllItems(); }

bool TacCtrlAdapter::IsControlSupported(const gui::Component& component) const {
  if (component.Tag == kEngineTag) return false;
  if (auto* control = dynamic_cast<const gui::WinControl*>(&component)) {
    if (!control->Handle() || AnswersSkinnedQuery(*control)) return false;
  }
  if (dynamic_cast<const gui::Label*>(&component)) return true;
  return FindThirdPartyList(manager_.ThirdLists, Narrow(component.ClassName())).has_value();
}

void TacCtrlAdapter::AddAllItems(gui::WinControl* owner) {
  if (!(manager_.SkinningRules & srThirdParty) || adding_) return;
  adding_ = true;
  if (owner == nullptr) {
    for (gui::Component* component : form_.Components()) AddComponent(*component, false);
    owner = &form_;
  }
  AddChildren(*owner);
  adding_ = false;
}

void TacCtrlAdapter::AddChildren(gui::WinControl& parent) {
  const std::vector<gui::Control*> children = parent.Controls();
  for (gui::Control* child : children) AddComponent(*child, true);
  for (gui::Control* child : children)
    if (auto* windowed = dynamic_cast<gui::WinControl*>(child); windowed && windowed->Handle() && windowed->Parent())
      AddChildren(*windowed);
}

void TacCtrlAdapter::AddComponent(gui::Component& component, bool childControl) {
  if (!IsControlSupported(component)) return;
  if (auto* label = dynamic_cast<gui::Label*>(&component)) {
    // Among the owned components a label tagged 98 keeps its look; every
    // label among the child controls is skinned.
    if (childControl || label->Tag != kKeepLabelTag) SkinLabel(*label);
    return;
  }
  if (auto* control = dynamic_cast<gui::WinControl*>(&component)) AddNewItem(*control);
}

void TacCtrlAdapter::AddNewItem(gui::WinControl& control, const std::string& section) {
  if (!Wrappable(control)) return;
  bool canSkin = true;
  std::string chosen = section;
  if (OnSkinItem) OnSkinItem(control, canSkin, chosen);
  if (!canSkin) return;
  int index = IndexOf(control);
  if (index < 0) {
    items_.push_back(std::make_unique<TacAdapterItem>(*this, control));
    index = int(items_.size()) - 1;
  }
  TacAdapterItem& item = *items_[size_t(index)];
  item.SkinData.FSkinSection = UpperCase(chosen);
  if (!item.Alive()) {
    item.Release();
    item.DoHook(control);
  }
  if (!item.ScrollWnd) RemoveItem(index);
}

int TacCtrlAdapter::IndexOf(const gui::WinControl& control) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i]->WinCtrl == &control) return int(i);
  return -1;
}

TacAdapterItem* TacCtrlAdapter::GetItem(int index) const {
  return index >= 0 && index < int(items_.size()) ? items_[size_t(index)].get() : nullptr;
}

void TacCtrlAdapter::RemoveItem(int index) {
  if (index < 0 || index >= int(items_.size())) return;
  items_[size_t(index)] = std::move(items_.back());
  items_.pop_back();
}

void TacCtrlAdapter::RemoveAllItems() {
  if (removing_) return;
  removing_ = true;
  while (!items_.empty()) items_.pop_back();
  RestoreLabels(true);
  removing_ = false;
}

void TacCtrlAdapter::CleanItems() {
  for (int i = int(items_.size()) - 1; i >= 0; --i)
    if (!items_[size_t(i)]->Alive()) RemoveItem(i);
}

void TacCtrlAdapter::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  CleanItems();
  if (message == EngineCommandMessage) {
    const uint16_t command = uint16_t(wParam >> 16);
    if (command == uint16_t(TacEngineCommand::RemoveSkin)) RestoreLabels(false);
    if (command == uint16_t(TacEngineCommand::SkinChanged)) ApplyLabelColors();
  }
  for (size_t i = 0; i < items_.size(); ++i) {
    TacAdapterItem& item = *items_[i];
    if (item.Alive() && item.WinCtrl->Parent()) SendMessageW(item.WinCtrl->Handle(), message, wParam, lParam);
  }
}

int TacCtrlAdapter::Count() const { return int(items_.size()); }

void TacCtrlAdapter::SkinLabel(gui::Label& label) {
  const bool known = std::any_of(labels_.begin(), labels_.end(), [&](const LabelLook& l) { return l.label == &label; });
  if (!known) labels_.push_back(LabelLook{&label, label.Transparent, label.FontColor});
  label.Transparent = true;
  label.FontColor = COLORREF(ColorToRGB(manager_.GetGlobalFontColor()));
  if (label.Parent() && label.Parent()->Handle()) {
    const gui::Bounds& b = label.GetBounds();
    const RECT r{b.left, b.top, b.left + b.width, b.top + b.height};
    InvalidateRect(label.Parent()->Handle(), &r, TRUE);
  }
}

void TacCtrlAdapter::ApplyLabelColors() {
  for (const LabelLook& look : labels_) SkinLabel(*look.label);
}

void TacCtrlAdapter::RestoreLabels(bool forget) {
  for (const LabelLook& look : labels_) {
    look.label->Transparent = look.transparent;
    look.label->FontColor = look.fontColor;
    if (look.label->Parent() && look.label->Parent()->Handle()) InvalidateRect(look.label->Parent()->Handle(), nullptr, TRUE);
  }
  if (forget) labels_.clear();
}

}  // namespace wakespan

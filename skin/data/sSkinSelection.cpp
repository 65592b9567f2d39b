// The manager as a component: construction, its properties and their
// setters, reading the form data, and what the windows are told when a
// skin is applied, repainted or removed.
#include <cstdio>
#include <exception>

#include "skin/data/sSkinLoader.h"
#include "skin/data/sSkinManager.h"

namespace wakespan {

namespace {

TsSkinManager* defaultManager = nullptr;

const char* const kDefaultSkinDirectory = "c:\\Skins";
const char* const kDefaultIcoLineSkin = "ICOLINE";

}  // namespace

TsSkinManager* TsSkinManager::DefaultManager() { return defaultManager; }

TsSkinManager::TsSkinManager(TacSkinWindows* windows) : windows_(windows) {
  AnimEffects.Manager = this;
  if (!defaultManager) defaultManager = this;
  ThirdParty.FillEmptyWithDefaults();
  // Built now as well, so that a manager whose form never finishes loading
  // (a headless one) does not write empty lists back over its texts.
  RebuildThirdLists(ThirdParty, ThirdLists);
  skinDirectory_ = kDefaultSkinDirectory;
}

TsSkinManager::~TsSkinManager() {
  SetActive(false);
  WriteBackThirdLists(ThirdLists, ThirdParty);
  if (defaultManager == this) defaultManager = nullptr;
}

void TsSkinManager::SetIsDefault(bool value) {
  if (value)
    defaultManager = this;
  else if (defaultManager == this)
    defaultManager = nullptr;
}

std::string TsSkinManager::SkinInfo() const {
  if (!SkinData.Active) return "N/A";
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", SkinData.Version);
  std::string info = text;
  for (char& c : info)
    if (c == ',') c = '.';  // whatever the locale's separator
  return info;
}

std::string TsSkinManager::GetFullSkinDirectory() const {
  return wakespan::GetFullSkinDirectory(skinDirectory_, ProgramDirectory);
}

void TsSkinManager::SetSkinDirectory(const std::string& value) {
  skinDirectory_ = value;
  // Only a directory skin takes its images from below the skin directory.
  if (SkinData.Active && !SkinIsPacked) {
    SkinData.SkinPath = GetFullSkinDirectory() + kPathSeparator + skinName_ + kPathSeparator;
  }
}

void TsSkinManager::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (value) {
    SetSkinName(skinName_);
  } else {
    RemoveSkin();
    UpdateStdDialogs();
  }
}

void TsSkinManager::SetSkinName(const std::string& value) {
  if (!active_) {
    skinName_ = value;
    UpdateStdDialogs();
    return;
  }
  if (OnBeforeChange) OnBeforeChange(*this);
  try {
    SelectSkin(value, GetFullSkinDirectory());
  } catch (const std::exception& e) {
    // SelectSkin has put the old name back and kept the previous model.
    ShowError(e.what());
  }
  if (!active_ || !SkinData.Active)
    RemoveSkin();
  else if (updateCount_ == 0)
    ApplySkin(true);
  if (OnAfterChange) OnAfterChange(*this);
  UpdateStdDialogs();
}

void TsSkinManager::ReadProperties(const TsStoredManagerProperties& stored) {
  BeginLoading();
  AnimEffects = stored.AnimEffects;
  AnimEffects.Manager = this;
  SetInternalSkins(stored.InternalSkins);
  MenuSupport = stored.MenuSupport;
  SetSkinDirectory(stored.SkinDirectory);
  SetSkinName(stored.SkinName);
  ThirdParty = stored.ThirdParty;
}

void TsSkinManager::Loaded() {
  readingFormData_ = false;
  if (skinDirectory_.empty()) SetSkinDirectory(kDefaultSkinDirectory);
  if (MenuSupport.IcoLineSkin.empty()) MenuSupport.IcoLineSkin = kDefaultIcoLineSkin;
  ThirdParty.FillEmptyWithDefaults();
  RebuildThirdLists(ThirdParty, ThirdLists);
  if (active_ && !skinName_.empty() && SkinData.Active) ApplySkin(false);
  UpdateStdDialogs();
}

bool TsSkinManager::Loading() const { return readingFormData_ || (windows_ && windows_->OwnerLoading()); }

void TsSkinManager::ApplySkin(bool repaint) {
  if (Loading()) return;
  if (windows_) {
    windows_->ReleaseGlows();
    if (repaint) windows_->FreezeForms(*this);
    windows_->ResetMenuBorderWidth();
  }
  SkinData.Active = false;
  ResolveCachedIndexes(*this);
  Broadcast(TacEngineCommand::SkinChanged);
  SkinData.Active = true;
  if (windows_ && IsDefault() && !GlobalHookInstalled) {
    windows_->InstallHook(*this);
    GlobalHookInstalled = true;
  }
  if (repaint) RepaintForms();
}

void TsSkinManager::RemoveSkin() {
  if (windows_) {
    windows_->ReleaseGlows();
    if (GlobalHookInstalled) windows_->RemoveHook();
  }
  GlobalHookInstalled = false;
  SkinData.Active = false;
  Broadcast(TacEngineCommand::RemoveSkin);
  ClearModel();
}

void TsSkinManager::UpdateSkin(bool repaint) {
  if (active_ && SkinData.Active) ApplySkin(repaint);
}

void TsSkinManager::RepaintForms() {
  if (!windows_) return;
  windows_->FreezeForms(*this);
  Broadcast(TacEngineCommand::BeforeRepaint);
  Broadcast(TacEngineCommand::Repaint);
  windows_->UnfreezeForms(*this);
  windows_->RedrawHookedWindows();
}

void TsSkinManager::UpdateSkinSection(const std::string& name) {
  Broadcast(TacEngineCommand::SectionChanged, UpperCase(name));
}

void TsSkinManager::EndUpdate(bool repaint) {
  if (updateCount_ == 0 || --updateCount_ > 0) return;
  UpdateSkin(repaint);
}

void TsSkinManager::SetActiveControl(TacWindowHandle window) {
  if (window == FActiveControl) return;
  const TacWindowHandle previous = FActiveControl;
  FActiveControl = window;
  if (!windows_) return;
  if (previous) windows_->SendCommand(previous, TacEngineCommand::MouseLeave, *this);
  if (window) windows_->SendCommand(window, TacEngineCommand::MouseEnter, *this);
}

void TsSkinManager::UpdateStdDialogs() {
  if (windows_) windows_->UpdateStdDialogs(active_ && (SkinningRules & srStdDialogs));
}

void TsSkinManager::Broadcast(TacEngineCommand command, std::string_view section) {
  if (windows_) windows_->Broadcast(*this, command, section);
}

// A headless manager hands errors and messages alike to OnMessage.
void TsSkinManager::ShowError(const std::string& text) {
  if (windows_)
    windows_->ShowError(text);
  else if (OnMessage)
    OnMessage(text);
}

void TsSkinManager::ShowMessage(const std::string& text) {
  if (windows_)
    windows_->ShowMessage(text);
  else if (OnMessage)
    OnMessage(text);
}

}  // namespace wakespan

// The wrappers of control kinds this program does not contain: each has
// its place in the class tree and its kind's default section, and passes
// everything through the common protocol.
#pragma once

#include "skin/controls/sWrapperTable.h"
#include "skin/win32/controls/TacEditWnd.h"

namespace wakespan {

// A wrapper of the common protocol with its kind's default section.
template <TacWrapperKind KindOfWrapper>
class TacKindWnd : public TacMainWnd {
 public:
  TacKindWnd(HWND window, TsCommonData* skinData, TsSkinManager* manager, const std::string& section)
      : TacMainWnd(window, skinData, manager, section, DefaultSection(KindOfWrapper)) {}
};

class TacPanelWnd : public TacMainWnd {
 public:
  // A panel with the framework's default bevels: raised outside, none inside.
  TacPanelWnd(HWND window, TsCommonData* skinData, TsSkinManager* manager, const std::string& section)
      : TacMainWnd(window, skinData, manager, section, PanelSection(TacBevel::Raised, TacBevel::None, false)) {}
};

using TacTabControlWnd = TacKindWnd<TacWrapperKind::TabControl>;
class TacPageControlWnd : public TacTabControlWnd {
 public:
  using TacTabControlWnd::TacTabControlWnd;
};
using TacToolBarVCLWnd = TacKindWnd<TacWrapperKind::ToolBarVCL>;
using TacStatusBarWnd = TacKindWnd<TacWrapperKind::StatusBar>;

// The edit-based wrappers take "EDIT" unless given a section.
class TacComboBoxWnd : public TacEditWnd {
 public:
  using TacEditWnd::TacEditWnd;
};
class TacListViewWnd : public TacEditWnd {
 public:
  using TacEditWnd::TacEditWnd;
};
class TacGridWnd : public TacEditWnd {
 public:
  using TacEditWnd::TacEditWnd;
};
class TacTreeViewWnd : public TacEditWnd {
 public:
  using TacEditWnd::TacEditWnd;
};
class TacVirtualTreeViewWnd : public TacEditWnd {
 public:
  using TacEditWnd::TacEditWnd;
};
class TacGridEhWnd : public TacGridWnd {
 public:
  using TacGridWnd::TacGridWnd;
};
class TacWWComboBoxWnd : public TacComboBoxWnd {
 public:
  using TacComboBoxWnd::TacComboBoxWnd;
};

}  // namespace wakespan

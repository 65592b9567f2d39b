#include "skin/win32/controls/TacWrapperFactory.h"

#include "skin/win32/controls/TacBtnWnd.h"
#include "skin/win32/controls/TacCheckBoxWnd.h"
#include "skin/win32/controls/TacOtherWnds.h"

namespace wakespan {
namespace {

using Maker = std::unique_ptr<TacMainWnd> (*)(HWND, TsCommonData*, TsSkinManager*, const std::string&);

template <typename Wrapper>
std::unique_ptr<TacMainWnd> Make(HWND window, TsCommonData* data, TsSkinManager* manager, const std::string& section) {
  return std::make_unique<Wrapper>(window, data, manager, section);
}

// By TacWrapperKind, which is the order of the class lists.
constexpr Maker kMakers[] = {
    Make<TacEditWnd>,             Make<TacButtonWnd>,       Make<TacBitBtnWnd>,       Make<TacCheckBoxWnd>,
    Make<TacComboBoxWnd>,         Make<TacGridWnd>,         Make<TacGroupBoxWnd>,     Make<TacListViewWnd>,
    Make<TacPanelWnd>,            Make<TacTreeViewWnd>,     Make<TacWWComboBoxWnd>,   Make<TacGridEhWnd>,
    Make<TacVirtualTreeViewWnd>,  Make<TacPageControlWnd>,  Make<TacTabControlWnd>,   Make<TacToolBarVCLWnd>,
    Make<TacStatusBarWnd>,
};
static_assert(std::size(kMakers) == size_t(TacWrapperKind::None));

}  // namespace

std::unique_ptr<TacMainWnd> CreateWrapper(size_t listIndex, HWND window, TsCommonData* skinData,
                                          TsSkinManager* manager, const std::string& section) {
  if (listIndex >= kThirdPartyKindCount) return nullptr;
  const size_t kind = size_t(WrapperRow(listIndex).Kind);
  if (kind >= std::size(kMakers)) return nullptr;
  std::unique_ptr<TacMainWnd> wrapper = kMakers[kind](window, skinData, manager, section);
  wrapper->Hook();
  return wrapper;
}

}  // namespace wakespan

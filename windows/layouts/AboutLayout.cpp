#include "windows/layouts/AboutLayout.h"

#include <string>

#include "windows/Links.h"

using gui::ControlKind;

gui::FormLayout AboutformLayout() {
  gui::FormLayout layout{L"TAboutform", L"Aboutform", L"Aboutform"};
  layout.border = gui::BorderStyle::Dialog;
  layout.clientWidth = 359;
  layout.clientHeight = 151;
  return layout;
}

const std::vector<gui::ControlRow>& AboutformRows() {
  static const std::wstring product =
      L"Kovalune Wakespan v1.0\r\nShut down the system at a specified time.\r\nVersion 1.0.0.0\r\n"
      L"\u00a9 2026 Kovalune";
  static const std::wstring blog = std::wstring(L"Blog: ") + links::kBlogAddress;
  static const std::wstring support = std::wstring(L"Support Email: ") + links::kSupportAddress;
  static const std::vector<gui::ControlRow> rows = {
      {ControlKind::Button, L"Okbtn", nullptr, L"OK", {281, 9, 75, 25}, 1},
      {ControlKind::Image, L"Image1", nullptr, L"", {15, 55, 42, 40}, 0},
      {ControlKind::Label, L"Label1", nullptr, product.c_str(), {80, 9, 190, 52}, 0},
      {ControlKind::Label, L"Label2", nullptr, L"Freeware.", {80, 64, 190, 13}, 0},
      {ControlKind::Label, L"Label4", nullptr, blog.c_str(), {80, 82, 195, 13}, 0},
      {ControlKind::Label, L"Label3", nullptr, support.c_str(), {80, 108, 194, 13}, 0},
  };
  return rows;
}

#include "windows/Links.h"

#include <windows.h>
#include <shellapi.h>

namespace links {

namespace {
std::wstring Mail(const wchar_t* query) { return std::wstring(L"mailto: ") + kSupportAddress + query; }
}  // namespace

std::wstring FeedbackMail() {
  return Mail(L"?subject=Wakespan%20v1.0%20FeedBack&body=Write%20Your%20feedBack,%20Thank%20You.");
}

std::wstring BugReportMail() {
  return Mail(L"?subject=Wakespan%20v1.0%20BugReport&body=Write%20the%20Bug%20Description,%20Thank%20You.");
}

std::wstring AboutMail() { return Mail(L"?subject=Wakespan%20v1.0&body=Write%20Your%20feedBack,%20Thank%20You."); }

void Open(const std::wstring& link) { ShellExecuteW(nullptr, L"open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL); }

}  // namespace links

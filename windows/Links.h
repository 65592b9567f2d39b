#pragma once
// The maker's addresses and the prefilled mails.
#include <string>

namespace links {

extern const wchar_t kSupportAddress[];
extern const wchar_t kBlogAddress[];

std::wstring FeedbackMail();
std::wstring BugReportMail();
std::wstring AboutMail();
// Opens a link with the program registered for it; the result is ignored.
void Open(const std::wstring& link);

}  // namespace links

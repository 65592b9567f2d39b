// The maker's addresses, shown by the about window and used in its mails.
#include "windows/Links.h"

namespace links {

const wchar_t kSupportAddress[] = L"support@kovalune.example";
const wchar_t kBlogAddress[] = L"https://blog.kovalune.example/wakespan";

}  // namespace links

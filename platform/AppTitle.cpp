#include "platform/AppTitle.h"

namespace platform {

Text ApplicationTitle(const Text& modulePath, LowerCaseFunction lowerCase) {
  const size_t slash = modulePath.find_last_of(u"\\/:");
  Text name = slash == Text::npos ? modulePath : modulePath.substr(slash + 1);
  name = name.substr(0, name.find(u'.'));
  if (name.size() < 2) return name;
  return name.substr(0, 1) + lowerCase(name.substr(1));
}

}  // namespace platform

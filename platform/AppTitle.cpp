#include "platform/AppTitle.h"

namespace platform {

Text ApplicationTitle(const Text& modulePath) {
  const size_t slash = modulePath.find_last_of(u"\\/:");
  Text name = slash == Text::npos ? modulePath : modulePath.substr(slash + 1);
  name = name.substr(0, name.find(u'.'));
  for (size_t i = 1; i < name.size(); ++i)
    if (name[i] >= u'A' && name[i] <= u'Z') name[i] = static_cast<char16_t>(name[i] - u'A' + u'a');
  return name;
}

}  // namespace platform

#include "skin/sSkinData.h"

#include <algorithm>
#include <optional>

#include "skin/acMemIni.h"
#include "skin/acSkinPack.h"

namespace wakespan {

TsGradArray ParseGradientData(const std::string& text) {
  std::vector<int32_t> numbers;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find(';', pos);
    if (end == std::string::npos) end = text.size();
    if (end > pos) {
      const std::string piece = text.substr(pos, end - pos);
      const std::optional<int32_t> v = ParseSkinInteger(TrimBlanks(piece));
      if (!v) throw ESkinError("'" + piece + "' is not a valid integer value");
      numbers.push_back(*v);
    }
    pos = end + 1;
  }
  TsGradArray segments;
  for (size_t i = 0; i + 5 <= numbers.size(); i += 5) {
    TsGradPie pie;
    pie.Color1 = std::max(numbers[i], 0);
    pie.Color2 = std::max(numbers[i + 1], 0);
    pie.Percent = uint8_t(std::clamp(numbers[i + 2], 0, 100));
    pie.Mode1 = numbers[i + 3];
    segments.push_back(pie);
  }
  return segments;
}

}  // namespace wakespan

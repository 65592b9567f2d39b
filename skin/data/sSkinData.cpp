#include "skin/data/sSkinData.h"

#include <algorithm>
#include <optional>

#include "skin/data/acMemIni.h"
#include "skin/data/acSkinPack.h"

namespace wakespan {

TsGradArray ParseGradientData(std::string_view text) {
  TsGradArray segments;
  int32_t numbers[5];
  size_t count = 0;
  for (size_t pos = 0; pos <= text.size();) {
    const size_t end = std::min(text.find(';', pos), text.size());
    if (end > pos) {
      const std::string_view piece = text.substr(pos, end - pos);
      const std::optional<int32_t> v = ParseSkinInteger(TrimBlanks(piece));
      if (!v) throw ESkinError("'" + std::string(piece) + "' is not a valid integer value");
      numbers[count++] = *v;
      if (count == 5) {
        TsGradPie pie;
        pie.Color1 = std::max(numbers[0], 0);
        pie.Color2 = std::max(numbers[1], 0);
        pie.Percent = uint8_t(std::clamp(numbers[2], 0, 100));
        pie.Mode1 = numbers[3];
        segments.push_back(pie);
        count = 0;
      }
    }
    pos = end + 1;
  }
  return segments;
}

}  // namespace wakespan

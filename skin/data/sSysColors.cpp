#include "skin/data/sSysColors.h"

namespace wakespan {

namespace {

// Windows' default scheme, 0x00BBGGRR.
TColor DefaultSystemColor(int index) {
  static const TColor table[] = {
      0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
      0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xFF9933, 0xFFFFFF, 0xF0F0F0,
      0xA0A0A0, 0x6D6D6D, 0x000000, 0x544E43, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
      0xE1FFFF, 0xB5B5B5, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0};
  return index >= 0 && index < int(sizeof table / sizeof table[0]) ? table[index] : 0;
}

SystemColorSource g_source = nullptr;

}  // namespace

void SetSystemColorSource(SystemColorSource source) { g_source = source; }

TColor SystemColor(int index) { return g_source ? g_source(index) : DefaultSystemColor(index); }

TColor ColorToRGB(TColor color) { return color < 0 ? SystemColor(int(uint32_t(color) & 0xFF)) : color; }

}  // namespace wakespan

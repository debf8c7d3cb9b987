// The sixteen-colour palette of the drawing window and the CAD colour numbers.

#include <array>
#include <string>

#include "base/codepage.h"
#include "cad/drawing_window.h"

namespace zt6 {

Rgb PaletteColour(int index) {
  static constexpr std::array<Rgb, 17> kPalette{{
      {0x00, 0x00, 0x00}, {0x00, 0x00, 0x80}, {0x00, 0xFF, 0x00}, {0x00, 0xFF, 0xFF},
      {0xFF, 0x00, 0x00}, {0x80, 0x00, 0x80}, {0x80, 0x00, 0x00}, {0xC0, 0xC0, 0xC0},
      {0xB0, 0xB0, 0xB0}, {0x00, 0x00, 0xFF}, {0x00, 0xFF, 0x00}, {0x00, 0xFF, 0xFF},
      {0xFF, 0x00, 0x00}, {0xFF, 0x00, 0xFF}, {0xFF, 0xFF, 0x00}, {0xFF, 0xFF, 0xFF},
      {0x00, 0x00, 0x00},
  }};
  if (index < 0 || index >= static_cast<int>(kPalette.size())) return {};
  return kPalette[static_cast<std::size_t>(index)];
}

int GetColorTurbo(int cadColour) {
  static constexpr std::array<int, 8> kLow{0, 12, 14, 10, 11, 9, 13, 15};
  int c = cadColour;
  if (c > 15) c = c % 16 + 1;
  if (c < 0) return 0;
  if (c < 8) return kLow[static_cast<std::size_t>(c)];
  if (c <= 15) return c - 7;
  return 16;  // 31, 47, ... wrap to 16, the list's black
}

std::string CadColourName(int cadColour) {
  static constexpr std::array<const char*, 16> kNames{
      "rot",          "gelb",         "grün",           "cyan",
      "blau",         "magenta",      "weiß",           "dunkel blau",
      "dunkel grün",  "dunkel cyan",  "dunkel rot",     "dunkel magenta",
      "braun",        "hell grau",    "dunkel grau",    "schwarz"};
  if (cadColour < 1 || cadColour > 16) return {};
  return Oem(kNames[static_cast<std::size_t>(cadColour - 1)]);
}

Rgb WindowsRgb(int value) {
  const auto bits = static_cast<unsigned>(value);
  return {static_cast<std::uint8_t>(bits & 0xFFu), static_cast<std::uint8_t>((bits >> 8) & 0xFFu),
          static_cast<std::uint8_t>((bits >> 16) & 0xFFu)};
}

}  // namespace zt6

// The symbols' beta: 0xE1 after "F" or "phi" is beta, everywhere else the sharp s.

#include "base/beta_symbols.h"

#include <gtest/gtest.h>

#include "base/codepage.h"

namespace zt6 {
namespace {

TEST(BetaSymbols, OnlyTheSymbolsBetaIsBetaInEveryCharacterSet) {
  const struct {
    const char* utf8;    // the CP850 text, as UTF-8 with ß for 0xE1
    const char* greek;   // UTF-8 output
    const char* spelt;   // spelt out for Windows-1252 and ASCII
    const char* entity;  // HTML
  } cases[] = {
      {"F ß", "F β", "F beta", "F &beta;"},
      {"Fß", "Fβ", "Fbeta", "F&beta;"},
      {"K phißeq", "K phiβeq", "K phi beta eq", "K phi&beta;eq"},
      {"K phißmax  2.00", "K phiβmax  2.00", "K phi beta max  2.00", "K phi&beta;max  2.00"},
      {"Maß über Meßkreise", "Maß über Meßkreise", "Maß über Meßkreise", "Maß über Meßkreise"},
      {"AUFß Fuß", "AUFß Fuß", "AUFß Fuß", "AUFß Fuß"},
  };
  for (const auto& c : cases) {
    const std::string cp850 = Oem(c.utf8);
    EXPECT_EQ(Cp850ToUtf8WithBeta(cp850), c.greek) << c.utf8;
    EXPECT_EQ(Cp850ToUtf8(SpellBetaSymbols(cp850, "beta")), c.spelt) << c.utf8;
    EXPECT_EQ(Cp850ToUtf8(SpellBetaSymbols(cp850, "&beta;")), c.entity) << c.utf8;
  }
}

}  // namespace
}  // namespace zt6

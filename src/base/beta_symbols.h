#pragma once
// Code page 850's 0xE1 is the German sharp s and the Greek beta alike. In the symbols
// of the total alignment deviation F-beta ("F\xE1", "F \xE1") and of the load sharing
// factor K phi-beta ("K phi\xE1eq") it is beta: written as β where the output's
// character set has it, spelt out where it has not (Windows-1252, ASCII), and left as
// 0xE1 in code page 850 files.

#include <string>
#include <string_view>

namespace zt6 {

// cp850 with the beta of each symbol replaced by spelling ("beta", "&beta;"), still
// code page 850 otherwise; "K phi\xE1eq" becomes "K phi beta eq" with spelling "beta".
std::string SpellBetaSymbols(std::string_view cp850, std::string_view spelling);

// Where the next symbol's beta (0xE1) stands at or after from; npos when none does.
std::size_t NextBetaSymbol(std::string_view cp850, std::size_t from);

// cp850 converted piecewise by convert, each symbol's beta written as beta (in the
// converted character set).
template <class Convert>
std::string ConvertWithBeta(std::string_view cp850, Convert convert, std::string_view beta) {
  std::string out;
  std::size_t from = 0;
  for (std::size_t at = NextBetaSymbol(cp850, 0); at != std::string_view::npos;
       at = NextBetaSymbol(cp850, from)) {
    out += convert(cp850.substr(from, at - from));
    out += beta;
    from = at + 1;
  }
  out += convert(cp850.substr(from));
  return out;
}

// cp850 as UTF-8, with the symbols' beta as "β" and every other 0xE1 as "ß".
std::string Cp850ToUtf8WithBeta(std::string_view cp850);

}  // namespace zt6

#include "base/beta_symbols.h"

#include <cctype>

#include "base/codepage.h"

namespace zt6 {

namespace {

constexpr char kSharpS = '\xE1';

}  // namespace

// A beta after "phi" is the load sharing factor's, after "F" or "F " the alignment
// deviation's.
std::size_t NextBetaSymbol(std::string_view text, std::size_t from) {
  for (std::size_t at = text.find(kSharpS, from); at != std::string_view::npos;
       at = text.find(kSharpS, at + 1)) {
    std::string_view before = text.substr(0, at);
    if (before.ends_with("phi")) return at;
    if (before.ends_with(' ')) before.remove_suffix(1);
    // "F" as a word of its own, not the end of one.
    if (before.ends_with('F') && (before.size() == 1 || !std::isalpha(static_cast<unsigned char>(
                                                            before[before.size() - 2]))))
      return at;
  }
  return std::string_view::npos;
}

std::string SpellBetaSymbols(std::string_view cp850, std::string_view spelling) {
  std::string out;
  std::size_t from = 0;
  for (std::size_t at = NextBetaSymbol(cp850, 0); at != std::string_view::npos;
       at = NextBetaSymbol(cp850, from)) {
    out.append(cp850.substr(from, at - from));
    const bool phi = cp850.substr(0, at).ends_with("phi");
    const bool spelt = !spelling.starts_with("&");
    // "K phi beta eq": blanks around a spelt-out word keep it apart from phi and eq.
    if (phi && spelt) out += ' ';
    out += spelling;
    if (phi && spelt && at + 1 < cp850.size() && cp850[at + 1] != ' ') out += ' ';
    from = at + 1;
  }
  out.append(cp850.substr(from));
  return out;
}

std::string Cp850ToUtf8WithBeta(std::string_view cp850) {
  return ConvertWithBeta(
      cp850, [](std::string_view piece) { return Cp850ToUtf8(piece); }, "β");
}

}  // namespace zt6

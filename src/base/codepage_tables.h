#pragma once
// The two code pages the program meets, code page 850 (DOS, how texts are stored) and
// Windows-1252 (the Windows side), as byte <-> Unicode mappings.

#include <optional>

namespace zt6::codepage {

char32_t Cp850ToUnicode(unsigned char byte);
char32_t Cp1252ToUnicode(unsigned char byte);
// Empty when the code page has no byte for the code point.
std::optional<unsigned char> UnicodeToCp850(char32_t cp);
std::optional<unsigned char> UnicodeToCp1252(char32_t cp);

}  // namespace zt6::codepage

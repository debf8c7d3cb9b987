#pragma once
// Character conversion between the DOS code page 850 ("OEM"), in which the program
// keeps its texts, and the Windows side: Windows-1252 ("ANSI") for the Windows-form
// outputs and UTF-8 for the windows. std::string holds the bytes of the code page
// named by each function.

#include <cstddef>
#include <string>
#include <string_view>

namespace zt6 {

// Texts this long or longer convert to the empty text in the OEM <-> Windows
// conversions (the Windows conversion worked on short strings).
inline constexpr std::size_t kMaxConvertibleLength = 255;

// CP850 -> Windows-1252. Characters 1252 lacks become '|', '+' or '-' for line-drawing
// characters, '?' otherwise. With asciiSpecial umlauts, sharp s, degree and a few
// others are spelt out in ASCII first ("ue", "ss", "deg").
std::string OemToAnsi(std::string_view oem, bool asciiSpecial);
// Windows-1252 -> CP850; characters CP850 lacks become '?'.
std::string AnsiToOem(std::string_view ansi);
// The same conversions without the length limit, for texts the program builds itself
// (table records, HTML lines) that may be longer and must not be lost.
std::string OemToAnsiAnyLength(std::string_view oem, bool asciiSpecial);
std::string AnsiToOemAnyLength(std::string_view ansi);

// The ASCII spelling of umlauts, sharp s, degree and a few others ("ue", "ss", "deg");
// every other character stays as it is, still CP850.
std::string OemSpeltInAscii(std::string_view oem);

// Plain code-page <-> UTF-8 conversions without a length limit. Code points the code
// page lacks and malformed UTF-8 become '?'.
std::string Cp850ToUtf8(std::string_view cp850);
std::string Utf8ToCp850(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view cp1252);
std::string Utf8ToCp1252(std::string_view utf8);

// CP850 -> UTF-8 for showing in a window: lossless, or with asciiSpecial the same
// ASCII spelling and substitutes as OemToAnsi.
std::string OemToDisplay(std::string_view oem, bool asciiSpecial);
// UTF-8 typed in a window -> CP850; a text of kMaxConvertibleLength characters or more
// gives the empty text.
std::string DisplayToOem(std::string_view utf8);

// A UTF-8 source literal as CP850 bytes: the one way code writes OEM texts.
std::string Oem(std::string_view utf8Literal);

// True for text that is well-formed UTF-8 and holds at least one character beyond
// ASCII: text in code page 850 or 1252 with umlauts is (almost) never that.
bool IsUtf8BeyondAscii(std::string_view text);

}  // namespace zt6

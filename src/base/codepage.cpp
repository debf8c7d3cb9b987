#include "base/codepage.h"

#include <array>
#include <optional>

#include "base/codepage_tables.h"
#include "base/utf8.h"

namespace zt6 {

namespace {

// ASCII spellings used when the "ASCII special characters" setting is on.
const char* Transliteration(unsigned char oem) {
  switch (oem) {
    case 129: return "ue";
    case 130: return "e";
    case 132: return "ae";
    case 142: return "Ae";
    case 148: return "oe";
    case 153: return "Oe";
    case 154: return "Ue";
    case 160: return "a";
    case 163: return "u";
    case 164: return "n";
    case 196: return "-";
    case 205: return "-";
    case 225: return "ss";
    case 230: return "u";
    case 241: return "+/-";
    case 248: return "deg";
    case 253: return "2";
    default: return nullptr;
  }
}

// Stand-ins for the line-drawing characters Windows-1252 lacks. The list once followed
// code page 437; the codes where code page 850 holds letters instead (181 Á, 182 Â,
// 184 ©, 190 ¥, 198 ã, 199 Ã, 209 Ð, 211 Ë, 214 Í, 215 Î) are left out so the letters
// survive.
char LineSubstitute(unsigned char oem) {
  switch (oem) {
    case 179: case 180: case 185: case 186: case 195: case 197: case 204:
      return '|';
    case 187: case 188: case 191: case 192: case 200: case 201: case 206: case 217: case 218:
      return '+';
    case 196: case 205:
      return '-';
    default:
      return '?';
  }
}

char ConvertOemByte(unsigned char oem) {
  if (const auto ansi = codepage::UnicodeToCp1252(codepage::Cp850ToUnicode(oem))) {
    return static_cast<char>(*ansi);
  }
  return LineSubstitute(oem);
}

// Every byte looked up once: tables and reports convert millions of them.
char OemByteToAnsi(unsigned char oem) {
  static const std::array<char, 256> kTable = [] {
    std::array<char, 256> table{};
    for (std::size_t b = 0; b < table.size(); ++b) table[b] = ConvertOemByte(static_cast<unsigned char>(b));
    return table;
  }();
  return kTable[oem];
}

template <typename ToByte>
std::string FromUtf8(std::string_view utf8, ToByte toByte) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::optional<char32_t> cp = utf8::Decode(utf8, pos);
    const std::optional<unsigned char> byte = cp ? toByte(*cp) : std::nullopt;
    out += byte ? static_cast<char>(*byte) : '?';
  }
  return out;
}

template <typename ToUnicode>
std::string ToUtf8(std::string_view bytes, ToUnicode toUnicode) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char c : bytes) {
    // Both code pages are ASCII below 0x80, which most texts are throughout.
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out += c;
    } else {
      utf8::Append(out, toUnicode(byte));
    }
  }
  return out;
}

}  // namespace

std::string OemSpeltInAscii(std::string_view oem) {
  std::string out;
  out.reserve(oem.size());
  for (const char c : oem) {
    const char* spelt = Transliteration(static_cast<unsigned char>(c));
    out += spelt ? std::string_view(spelt) : std::string_view(&c, 1);
  }
  return out;
}

std::string OemToAnsi(std::string_view oem, bool asciiSpecial) {
  if (oem.size() >= kMaxConvertibleLength) return {};
  return OemToAnsiAnyLength(oem, asciiSpecial);
}

std::string OemToAnsiAnyLength(std::string_view oem, bool asciiSpecial) {
  std::string out;
  out.reserve(oem.size());
  for (const char c : oem) {
    const auto byte = static_cast<unsigned char>(c);
    const char* spelt = asciiSpecial ? Transliteration(byte) : nullptr;
    if (spelt != nullptr) {
      out += spelt;
    } else {
      out += OemByteToAnsi(byte);
    }
  }
  return out;
}

std::string AnsiToOem(std::string_view ansi) {
  if (ansi.size() >= kMaxConvertibleLength) return {};
  return AnsiToOemAnyLength(ansi);
}

std::string AnsiToOemAnyLength(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size());
  for (const char c : ansi) {
    const auto oem = codepage::UnicodeToCp850(codepage::Cp1252ToUnicode(static_cast<unsigned char>(c)));
    out += oem ? static_cast<char>(*oem) : '?';
  }
  return out;
}

std::string Cp850ToUtf8(std::string_view cp850) { return ToUtf8(cp850, codepage::Cp850ToUnicode); }

std::string Utf8ToCp850(std::string_view utf8) { return FromUtf8(utf8, codepage::UnicodeToCp850); }

std::string Cp1252ToUtf8(std::string_view cp1252) {
  return ToUtf8(cp1252, codepage::Cp1252ToUnicode);
}

std::string Utf8ToCp1252(std::string_view utf8) {
  return FromUtf8(utf8, codepage::UnicodeToCp1252);
}

std::string OemToDisplay(std::string_view oem, bool asciiSpecial) {
  if (oem.size() >= kMaxConvertibleLength) return {};
  return asciiSpecial ? Cp1252ToUtf8(OemToAnsi(oem, true)) : Cp850ToUtf8(oem);
}

std::string DisplayToOem(std::string_view utf8) {
  // One CP850 byte per decoded character (or per malformed spot), so the result's
  // length is the text's length in characters.
  std::string oem = Utf8ToCp850(utf8);
  if (oem.size() >= kMaxConvertibleLength) return {};
  return oem;
}

std::string Oem(std::string_view utf8Literal) { return Utf8ToCp850(utf8Literal); }

bool IsUtf8BeyondAscii(std::string_view text) {
  bool beyondAscii = false;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    unsigned least = 0;  // the smallest code point of that length: no overlong forms
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2;
      least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3;
      least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4;
      least = 0x10000;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    unsigned code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    beyondAscii = true;
    i += length;
  }
  return beyondAscii;
}

}  // namespace zt6

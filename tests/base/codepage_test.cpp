#include "base/codepage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zt6 {
namespace {

std::string Byte(int b) { return std::string(1, static_cast<char>(b)); }

std::string AllBytes() {
  std::string all;
  for (int b = 0; b < 256; ++b) all += Byte(b);
  return all;
}

// Windows-1252 shown as UTF-8, so expectations read as text.
std::string AnsiAsUtf8(std::string_view oemUtf8, bool asciiSpecial) {
  return Cp1252ToUtf8(OemToAnsi(Oem(oemUtf8), asciiSpecial));
}

TEST(CodePage, EveryByteSurvivesTheTripThroughUtf8) {
  const std::string all = AllBytes();
  // Conversions without the length limit, so the whole 256-byte text goes in one piece.
  EXPECT_EQ(Utf8ToCp850(Cp850ToUtf8(all)), all);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(CodePage, PublishedMappingsAtLandmarkBytes) {
  struct Case {
    int byte;
    const char* cp850;
    const char* cp1252;
  };
  const std::vector<Case> cases = {
      {0x41, "A", "A"},       {0x7C, "|", "|"},       {0x80, "Ç", "€"},
      {0x81, "ü", "\u0081"},  {0x9F, "ƒ", "Ÿ"},       {0xB3, "│", "³"},
      {0xC6, "ã", "Æ"},       {0xD5, "ı", "Õ"},       {0xE1, "ß", "á"},
      {0xF2, "‗", "ò"},       {0xF8, "°", "ø"},       {0xFF, "\u00A0", "ÿ"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Cp850ToUtf8(Byte(c.byte)), c.cp850) << c.byte;
    EXPECT_EQ(Cp1252ToUtf8(Byte(c.byte)), c.cp1252) << c.byte;
  }
}

TEST(CodePage, OemLiteralGivesCp850Bytes) {
  EXPECT_EQ(Oem("Maß 12°"), "Ma" + Byte(225) + " 12" + Byte(248));
  EXPECT_EQ(Oem("Lösche"), "L" + Byte(148) + "sche");
}

TEST(CodePage, OemToAnsiBothModes) {
  struct Case {
    const char* oem;  // as UTF-8, turned into CP850 first
    const char* normal;
    const char* ascii;
  };
  const std::vector<Case> cases = {
      {"Maß 12°", "Maß 12°", "Mass 12deg"},
      {"Größe ±0,1 µm²", "Größe ±0,1 µm²", "Groesse +/-0,1 um2"},
      {"ÄÖÜäöü", "ÄÖÜäöü", "AeOeUeaeoeue"},
      {"áéúñ íó å Å ³", "áéúñ íó å Å ³", "aeun íó å Å ³"},
      // The ASCII bar stays a bar; ã is a letter in code page 850.
      {"a|b ã", "a|b ã", "a|b ã"},
      // Letters outside both tables keep their meaning instead of their byte value.
      {"çÇèø£", "çÇèø£", "çÇèø£"},
      // Line drawing becomes ASCII art; ─ and ═ are spelt "-" either way.
      {"┌─┐│└┘╔═╗║╚╝├┤┼╠╣╬", "+-+|+++-+|++|||||+", "+-+|+++-+|++|||||+"},
      // Letters at codes that are line drawing in code page 437 stay letters.
      {"ÁÂ©¥ÃÐËÍÎ", "ÁÂ©¥ÃÐËÍÎ", "ÁÂ©¥ÃÐËÍÎ"},
      // Characters 1252 lacks and no stand-in covers.
      {"┴┬╦╩░█■ı‗", "?????????", "?????????"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AnsiAsUtf8(c.oem, false), c.normal) << c.oem;
    EXPECT_EQ(AnsiAsUtf8(c.oem, true), c.ascii) << c.oem;
    EXPECT_EQ(OemToDisplay(Oem(c.oem), true), c.ascii) << c.oem;
  }
}

TEST(CodePage, AnsiToOem) {
  EXPECT_EQ(AnsiToOem(Utf8ToCp1252("Maß 12° é")), Oem("Maß 12° é"));
  // Present in 1252 but not in code page 850, and an undefined 1252 byte.
  EXPECT_EQ(AnsiToOem(Utf8ToCp1252("€Šœ™") + Byte(0x81)), "?????");
}

TEST(CodePage, DisplayIsLosslessWithoutAsciiMode) {
  const std::string oem = Oem("│Maß° ╬ ı");
  EXPECT_EQ(OemToDisplay(oem, false), "│Maß° ╬ ı");
  EXPECT_EQ(DisplayToOem(OemToDisplay(oem, false)), oem);
  EXPECT_EQ(DisplayToOem("€ 한"), "? ?");
}

TEST(CodePage, TextsOf255CharactersOrMoreConvertToEmpty) {
  for (const std::size_t length : {254u, 255u, 300u}) {
    const bool converts = length < 255;
    const std::string oem(length, static_cast<char>(225));  // ß
    std::string utf8;
    for (std::size_t i = 0; i < length; ++i) utf8 += "ß";
    const std::string ansi = Utf8ToCp1252(utf8);

    EXPECT_EQ(OemToAnsi(oem, false), converts ? ansi : "") << length;
    EXPECT_EQ(OemToAnsi(oem, true), converts ? std::string(2 * length, 's') : "") << length;
    EXPECT_EQ(AnsiToOem(ansi), converts ? oem : "") << length;
    EXPECT_EQ(OemToDisplay(oem, false), converts ? utf8 : "") << length;
    // The limit counts characters, not UTF-8 bytes (254 ß are 508 bytes).
    EXPECT_EQ(DisplayToOem(utf8), converts ? oem : "") << length;
  }
}

TEST(CodePage, MalformedUtf8BecomesQuestionMarks) {
  struct Case {
    std::string utf8;
    std::string cp850;
  };
  const std::vector<Case> cases = {
      {"a\xFF" "b", "a?b"},
      {"\xC3", "?"},                  // cut short at the end
      {"\xE2\x82" "A", "?A"},         // cut short inside: one mark for the whole prefix
      {"\x80\xBF", "??"},             // stray continuation bytes
      {"\xC0\xAF", "??"},             // overlong '/'
      {"\xED\xA0\x80", "???"},        // surrogate
      {"\xF4\x90\x80\x80", "????"},   // beyond U+10FFFF
      {"\xF0\x9F\x98\x80", "?"},      // well-formed but not in the code page
      {"\xC3\xA4", Oem("ä")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToCp850(c.utf8), c.cp850) << c.utf8;
    EXPECT_EQ(Utf8ToCp1252(c.utf8).size(), c.cp850.size()) << c.utf8;
  }
}

}  // namespace
}  // namespace zt6

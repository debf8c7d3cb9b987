// Checks the code-page tables byte for byte against the C library's own converter,
// an implementation independent of ours.
#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <string>

#include "base/codepage.h"

namespace zt6 {
namespace {

std::optional<std::string> Iconv(const char* from, const std::string& input) {
  iconv_t cd = iconv_open("UTF-8", from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string in = input;
  std::string out(16, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  std::size_t inLeft = in.size();
  std::size_t outLeft = out.size();
  const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (rc == static_cast<std::size_t>(-1)) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

TEST(CodePageTables, AgreeWithTheSystemConverterOnEveryByte) {
  int compared850 = 0;
  int compared1252 = 0;
  for (int b = 1; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    if (const auto expected = Iconv("CP850", byte)) {
      EXPECT_EQ(Cp850ToUtf8(byte), *expected) << "CP850 byte " << b;
      ++compared850;
    }
    // The C library leaves the five undefined Windows-1252 bytes unconverted.
    if (const auto expected = Iconv("CP1252", byte)) {
      EXPECT_EQ(Cp1252ToUtf8(byte), *expected) << "CP1252 byte " << b;
      ++compared1252;
    }
  }
  if (compared850 == 0) GTEST_SKIP() << "no CP850 converter in this C library";
  EXPECT_EQ(compared850, 255);
  EXPECT_EQ(compared1252, 250);
}

}  // namespace
}  // namespace zt6

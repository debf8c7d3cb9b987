#pragma once
// Minimal UTF-8 encoding and strict decoding for the code-page conversions.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zt6::utf8 {

void Append(std::string& out, char32_t cp);

// Decodes the code point starting at pos and moves pos past it. An ill-formed sequence
// (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut short) gives
// nothing and moves pos past its longest well-formed prefix, at least one byte, so
// every malformed spot is reported once and decoding always advances.
std::optional<char32_t> Decode(std::string_view text, std::size_t& pos);

}  // namespace zt6::utf8

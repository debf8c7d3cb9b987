#pragma once
// Blank-padded texts (table fields, settings): the text without its padding.

#include <string_view>

namespace zt6 {

inline std::string_view TrimBlanksAtEnd(std::string_view text) {
  return text.substr(0, text.find_last_not_of(' ') + 1);
}

inline std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view{}
                                         : TrimBlanksAtEnd(text.substr(first));
}

}  // namespace zt6

#pragma once
// A small streaming JSON writer: objects, arrays, strings, numbers and booleans,
// indented by two blanks per level. Separators are placed by the writer itself.

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace zt6 {

// The shortest text that reads back to exactly the same double; "0" for a value
// that is not finite (JSON has no NaN or infinity).
std::string ShortestNumber(double value);

// A JSON string literal with quotes; quote, backslash and control characters escaped.
// The text must be UTF-8; ill-formed bytes become U+FFFD so the output stays valid.
std::string JsonString(std::string_view utf8);

class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}

  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // The name of the next member of the current object.
  void Key(std::string_view utf8);

  void String(std::string_view utf8);
  void Number(double value);
  void Integer(std::int64_t value);
  void Bool(bool value);

 private:
  struct Level {
    bool isObject = false;
    bool empty = true;
  };
  // Separator and indentation before a value; nothing after a key.
  void BeforeValue();
  void Open(char bracket, bool isObject);
  void Close(char bracket);
  void NewLine();

  std::ostream& out_;
  std::vector<Level> levels_;
  bool afterKey_ = false;
};

}  // namespace zt6

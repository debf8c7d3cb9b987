#pragma once
// A small streaming JSON writer: objects, arrays, strings, numbers and booleans,
// indented by two blanks per level, or all on one line for one record per line.
// Separators are placed by the writer itself; the outermost value ends with a newline.

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "base/value_writer.h"

namespace zt6 {

// The shortest text that reads back to exactly the same double; "0" for a value
// that is not finite (JSON has no NaN or infinity).
std::string ShortestNumber(double value);

// A JSON string literal with quotes; quote, backslash and control characters escaped.
// The text must be UTF-8; ill-formed bytes become U+FFFD so the output stays valid.
std::string JsonString(std::string_view utf8);

enum class JsonLayout { Indented, OneLine };

class JsonWriter final : public ValueWriter {
 public:
  explicit JsonWriter(std::ostream& out, JsonLayout layout = JsonLayout::Indented)
      : out_(out), layout_(layout) {}

  void BeginObject() override;
  void EndObject() override;
  void BeginArray() override;
  void EndArray() override;
  // The name of the next member of the current object.
  void Key(std::string_view utf8) override;

  void String(std::string_view utf8) override;
  void Number(double value) override;
  void Integer(std::int64_t value) override;
  void Bool(bool value) override;

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
  JsonLayout layout_;
  std::vector<Level> levels_;
  bool afterKey_ = false;
};

}  // namespace zt6

#pragma once
// Nested records written value by value: objects of named members, arrays, strings,
// numbers and booleans. JSON text is one form; a script language's own values another.

#include <cstdint>
#include <string_view>

namespace zt6 {

class ValueWriter {
 public:
  virtual ~ValueWriter() = default;

  virtual void BeginObject() = 0;
  virtual void EndObject() = 0;
  virtual void BeginArray() = 0;
  virtual void EndArray() = 0;
  // The name of the next member of the current object.
  virtual void Key(std::string_view utf8) = 0;

  virtual void String(std::string_view utf8) = 0;
  virtual void Number(double value) = 0;
  virtual void Integer(std::int64_t value) = 0;
  virtual void Bool(bool value) = 0;
};

}  // namespace zt6

#include "base/json_writer.h"

#include <array>
#include <charconv>
#include <cmath>

#include "base/utf8.h"

namespace zt6 {

std::string ShortestNumber(double value) {
  if (!std::isfinite(value)) return "0";
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

std::string JsonString(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t start = pos;
    const auto cp = utf8::Decode(utf8, pos);
    if (!cp) {
      utf8::Append(out, U'\uFFFD');
      continue;
    }
    switch (*cp) {
      case U'"': out += "\\\""; break;
      case U'\\': out += "\\\\"; break;
      case U'\b': out += "\\b"; break;
      case U'\f': out += "\\f"; break;
      case U'\n': out += "\\n"; break;
      case U'\r': out += "\\r"; break;
      case U'\t': out += "\\t"; break;
      default:
        if (*cp < 0x20 || *cp == 0x7F) {
          out += "\\u00";
          out += kHex[(*cp >> 4) & 0xF];
          out += kHex[*cp & 0xF];
        } else {
          out.append(utf8.substr(start, pos - start));
        }
    }
  }
  out += '"';
  return out;
}

void JsonWriter::NewLine() {
  if (layout_ == JsonLayout::OneLine) return;
  out_ << '\n';
  for (std::size_t i = 0; i < levels_.size(); ++i) out_ << "  ";
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (levels_.empty()) return;
  if (!levels_.back().empty) out_ << ',';
  levels_.back().empty = false;
  NewLine();
}

void JsonWriter::Open(char bracket, bool isObject) {
  BeforeValue();
  out_ << bracket;
  levels_.push_back(Level{isObject, true});
}

void JsonWriter::Close(char bracket) {
  if (levels_.empty()) return;
  const bool wasEmpty = levels_.back().empty;
  levels_.pop_back();
  if (!wasEmpty) NewLine();
  out_ << bracket;
  if (levels_.empty()) out_ << '\n';
}

void JsonWriter::BeginObject() { Open('{', true); }
void JsonWriter::EndObject() { Close('}'); }
void JsonWriter::BeginArray() { Open('[', false); }
void JsonWriter::EndArray() { Close(']'); }

void JsonWriter::Key(std::string_view utf8) {
  BeforeValue();
  out_ << JsonString(utf8) << (layout_ == JsonLayout::OneLine ? ":" : ": ");
  afterKey_ = true;
}

void JsonWriter::String(std::string_view utf8) {
  BeforeValue();
  out_ << JsonString(utf8);
}

void JsonWriter::Number(double value) {
  BeforeValue();
  out_ << ShortestNumber(value);
}

void JsonWriter::Integer(std::int64_t value) {
  BeforeValue();
  std::array<char, 24> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  out_.write(buffer.data(), result.ptr - buffer.data());
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ << (value ? "true" : "false");
}

}  // namespace zt6

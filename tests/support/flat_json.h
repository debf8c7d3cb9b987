#pragma once
// A strict little JSON reader for checking written JSON independently of the writer:
// every value lands in a flat map under its path ("results.Diimin", "messages.0").
// Objects and arrays are entries too, holding their member count. Any syntax error,
// duplicate key or trailing text gives nothing.

#include <cctype>
#include <charconv>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace zt6::test_support {

struct JsonEntry {
  enum class Kind { String, Number, Bool, Null, Object, Array } kind;
  std::string text;  // decoded string, number as written, "true"/"false", member count
  double number = 0;
};

using FlatJson = std::map<std::string, JsonEntry>;

class FlatJsonReader {
 public:
  static std::optional<FlatJson> Read(std::string_view text) {
    FlatJsonReader reader(text);
    if (!reader.Value("")) return std::nullopt;
    reader.Blanks();
    if (reader.pos_ != text.size()) return std::nullopt;
    return std::move(reader.result_);
  }

 private:
  explicit FlatJsonReader(std::string_view text) : text_(text) {}

  void Blanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' ||
                                   text_[pos_] == '\r' || text_[pos_] == '\t')) {
      ++pos_;
    }
  }
  bool Eat(char c) {
    Blanks();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  bool Word(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }
  bool Store(const std::string& path, JsonEntry entry) {
    return result_.emplace(path, std::move(entry)).second;
  }
  static std::string Join(const std::string& path, const std::string& key) {
    return path.empty() ? key : path + "." + key;
  }

  bool Value(const std::string& path) {
    Blanks();
    if (pos_ >= text_.size()) return false;
    const char c = text_[pos_];
    if (c == '{') return Object(path);
    if (c == '[') return Array(path);
    if (c == '"') {
      std::string s;
      return String(s) && Store(path, {JsonEntry::Kind::String, s});
    }
    if (Word("true")) return Store(path, {JsonEntry::Kind::Bool, "true"});
    if (Word("false")) return Store(path, {JsonEntry::Kind::Bool, "false"});
    if (Word("null")) return Store(path, {JsonEntry::Kind::Null, "null"});
    return Number(path);
  }

  bool Object(const std::string& path) {
    ++pos_;
    int count = 0;
    if (!Eat('}')) {
      do {
        Blanks();
        std::string key;
        if (!String(key) || !Eat(':') || !Value(Join(path, key))) return false;
        ++count;
      } while (Eat(','));
      if (!Eat('}')) return false;
    }
    return Store(path, {JsonEntry::Kind::Object, std::to_string(count)});
  }

  bool Array(const std::string& path) {
    ++pos_;
    int count = 0;
    if (!Eat(']')) {
      do {
        if (!Value(Join(path, std::to_string(count)))) return false;
        ++count;
      } while (Eat(','));
      if (!Eat(']')) return false;
    }
    return Store(path, {JsonEntry::Kind::Array, std::to_string(count)});
  }

  bool Digits() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    return pos_ > start;
  }

  // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
  bool Number(const std::string& path) {
    const std::size_t start = pos_;
    if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '0') {
      ++pos_;
    } else if (!Digits()) {
      return false;
    }
    if (pos_ < text_.size() && text_[pos_] == '.' && (++pos_, !Digits())) return false;
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      ++pos_;
      if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
      if (!Digits()) return false;
    }
    JsonEntry entry{JsonEntry::Kind::Number, std::string(text_.substr(start, pos_ - start))};
    const auto [ptr, ec] =
        std::from_chars(entry.text.data(), entry.text.data() + entry.text.size(), entry.number);
    if (ec != std::errc() || ptr != entry.text.data() + entry.text.size()) return false;
    return Store(path, std::move(entry));
  }

  static void AppendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  bool String(std::string& out) {
    if (pos_ >= text_.size() || text_[pos_] != '"') return false;
    ++pos_;
    while (pos_ < text_.size()) {
      const char c = text_[pos_++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return false;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= text_.size()) return false;
      const char e = text_[pos_++];
      switch (e) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          unsigned cp = 0;
          const auto hex = text_.substr(pos_, 4);
          const auto [ptr, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), cp, 16);
          if (hex.size() != 4 || ec != std::errc() || ptr != hex.data() + 4) return false;
          pos_ += 4;
          AppendUtf8(out, cp);
          break;
        }
        default:
          return false;
      }
    }
    return false;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  FlatJson result_;
};

}  // namespace zt6::test_support

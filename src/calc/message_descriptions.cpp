#include "calc/message_descriptions.h"

#include <fstream>
#include <istream>
#include <ostream>
#include <system_error>

namespace zt6 {

namespace {

namespace fs = std::filesystem;
using Traits = std::istream::traits_type;

// Longer lines are cut to this on reading; nothing legitimate comes close to it, and
// it keeps a garbage file without line ends from filling memory.
constexpr std::size_t kMaxLineLength = 1024;

struct Line {
  std::string text;    // without its line end, cut to kMaxLineLength
  std::string ending;  // "\r\n", "\n" or empty at the end of the file
};

// Reads one line and, when out is given, copies its bytes unchanged to out.
// Uses the stream's get() so that a read error ends the file instead of throwing.
bool PassLine(std::istream& in, std::ostream* out, Line& line) {
  line.text.clear();
  line.ending.clear();
  bool any = false;
  bool lastWasCr = false;
  std::size_t length = 0;
  for (Traits::int_type c = in.get(); !Traits::eq_int_type(c, Traits::eof()); c = in.get()) {
    any = true;
    const char ch = Traits::to_char_type(c);
    if (out != nullptr) out->put(ch);
    if (ch == '\n') {
      line.ending = lastWasCr ? "\r\n" : "\n";
      break;
    }
    lastWasCr = ch == '\r';
    if (line.text.size() < kMaxLineLength) line.text.push_back(ch);
    ++length;
  }
  if (lastWasCr && length == line.text.size()) line.text.pop_back();
  return any;
}

// Line breaks typed into a memo become blanks; a CR LF pair becomes one blank.
std::string OneLine(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    result.push_back(text[i] == '\r' || text[i] == '\n' ? ' ' : text[i]);
  }
  return result;
}

void CopyRest(std::istream& in, std::ostream& out) {
  char buffer[8192];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) out.write(buffer, in.gcount());
}

// A folder opens like a file on some systems; it is no description file.
bool OpenForReading(const fs::path& file, std::ifstream& in) {
  std::error_code ec;
  if (fs::is_directory(file, ec)) return false;
  in.open(file, std::ios::binary);
  return in.is_open();
}

}  // namespace

bool DescriptionKeyMatches(std::string_view line, std::string_view message) {
  if (message.empty()) return false;
  const std::string_view key = line.substr(0, kDescriptionKeyLength);
  const std::size_t star = key.find('*');
  if (star != std::string_view::npos && star > 0) return message.starts_with(key.substr(0, star));
  return key == message.substr(0, kDescriptionKeyLength);
}

MessageDescription LookUpDescription(const fs::path& file, std::string_view message) {
  MessageDescription result;
  std::ifstream in;
  if (!OpenForReading(file, in)) return result;
  result.fileFound = true;
  Line line;
  while (PassLine(in, nullptr, line)) {
    if (!DescriptionKeyMatches(line.text, message)) continue;
    result.matched = true;
    result.cause = PassLine(in, nullptr, line) ? line.text : std::string(kNoDescription);
    if (PassLine(in, nullptr, line)) result.remedy = line.text;
    return result;
  }
  result.cause = kNoDescription;
  return result;
}

std::string Cause(const fs::path& file, std::string_view message) {
  return LookUpDescription(file, message).cause;
}

std::string Remedy(const fs::path& file, std::string_view message) {
  return LookUpDescription(file, message).remedy;
}

StoreResult StoreDescription(const fs::path& file, std::string_view message,
                             std::string_view cause, std::string_view remedy) {
  std::ifstream in;
  if (!OpenForReading(file, in)) return StoreResult::CannotRead;
  // The rename below would replace a write-protected file; respect the protection.
  std::error_code statusError;
  const fs::perms permissions = fs::status(file, statusError).permissions();
  if (statusError || (permissions & fs::perms::owner_write) == fs::perms::none)
    return StoreResult::WriteFailed;
  fs::path work = file;
  work += ".tmp";
  std::ofstream out(work, std::ios::binary | std::ios::trunc);
  std::error_code ignored;
  const auto discard = [&](StoreResult why) {
    if (out.is_open()) out.close();
    fs::remove(work, ignored);
    return why;
  };
  if (!out) return StoreResult::WriteFailed;  // nothing of ours to remove

  Line line;
  bool found = false;
  while (PassLine(in, &out, line)) {
    if (DescriptionKeyMatches(line.text, message)) {
      found = true;
      break;
    }
  }
  if (in.bad()) return discard(StoreResult::CannotRead);
  if (!found) return discard(StoreResult::NotFound);
  // New lines follow the file's own line ends; the shipped file uses CR LF.
  const std::string ending = line.ending.empty() ? "\r\n" : line.ending;
  if (line.ending.empty()) out << ending;

  Line skipped;
  PassLine(in, nullptr, skipped);
  out << OneLine(cause) << ending;
  PassLine(in, nullptr, skipped);
  out << OneLine(remedy) << ending;
  CopyRest(in, out);
  if (in.bad()) return discard(StoreResult::CannotRead);

  out.close();
  if (out.fail()) return discard(StoreResult::WriteFailed);
  in.close();
  std::error_code ec;
  fs::permissions(work, permissions, ec);
  fs::rename(work, file, ec);
  if (ec) return discard(StoreResult::WriteFailed);
  return StoreResult::Stored;
}

}  // namespace zt6

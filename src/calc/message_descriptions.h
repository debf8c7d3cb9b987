#pragma once
// The message description file ("zt6.err"): for each run message three lines — a
// line whose first 14 characters equal the message's first 14 characters, the cause
// ("Ursache") and the remedy ("Abhilfe"). The first matching line in file order wins;
// nothing else in the file is read, so comments may stand between entries. Texts are
// CP850 bytes.
//
// A '*' within the first 14 characters of a line (not as its first character) stands
// for any text: the line then serves every message that begins with the characters
// before the '*'. This lets one entry describe messages that carry a value early on
// ("DBF #* not found.", "Werkstofftyp * nicht gefunden."), which 14 fixed characters
// cannot.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace zt6 {

inline constexpr std::size_t kDescriptionKeyLength = 14;
inline constexpr std::string_view kNoDescription =
    "keine Beschreibung dieser Fehlermeldung vorhanden.";

// True when the line is the key line of the message's description.
bool DescriptionKeyMatches(std::string_view line, std::string_view message);

struct MessageDescription {
  bool fileFound = false;  // the description file could be opened
  bool matched = false;    // a line matched the message
  std::string cause;       // kNoDescription when no line matched or it was the last line
  std::string remedy;      // empty when there is no second line after the match
};

// Looks the message up. Lines end with LF or CR LF; overlong lines are cut.
MessageDescription LookUpDescription(const std::filesystem::path& file, std::string_view message);
// Cause and remedy of a message; both empty when the file does not exist.
std::string Cause(const std::filesystem::path& file, std::string_view message);
std::string Remedy(const std::filesystem::path& file, std::string_view message);

enum class StoreResult {
  Stored,
  CannotRead,   // the description file cannot be opened
  NotFound,     // no line matches the message; the file is unchanged
  WriteFailed,  // the new file could not be written; the old one is unchanged
};

// Replaces the two lines after the message's key line by the new cause and remedy
// and keeps every other byte of the file. The new file is written beside the old one
// and renamed over it, so a failure leaves the old file as it was. Line breaks inside
// the new texts become blanks: they would break the three-line layout.
StoreResult StoreDescription(const std::filesystem::path& file, std::string_view message,
                             std::string_view cause, std::string_view remedy);

}  // namespace zt6

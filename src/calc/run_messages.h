#pragma once
// The run messages: the short list of refusals, errors, warnings and remarks a
// calculation run (and whatever runs after it) leaves behind. Texts are CP850 bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zt6 {

// The kind of a message is told by its first characters only.
enum class MessageKind { Fatal, Error, Warning, Remark };

inline constexpr std::string_view kFatalPrefix = "Fatal  : ";
inline constexpr std::string_view kErrorPrefix = "Fehler : ";
inline constexpr std::string_view kWarningPrefix = "Warnung: ";
// A standard table the run needs lacks the row or holds no number in it.
inline constexpr std::string_view kTableFaultPrefix = "Fatal  : Tabelle ";

MessageKind KindOf(std::string_view text);

class RunMessages {
 public:
  static constexpr int kMaxMessages = 11;
  static constexpr std::size_t kMaxLength = 36;

  // Empties the list and clears the fatal flag; first step of every calculation run.
  void Clear();
  // Stores the text cut to 36 characters unless a message with the same first 36
  // characters is stored already; once 11 are stored, further texts are lost.
  void Add(std::string_view text);
  // Add, and set the fatal flag (the calculation's refusals and the table rows it
  // cannot read).
  void AddFatal(std::string_view text);

  int Count() const { return count_; }
  // Message k = 1..Count(); an empty text outside that range.
  const std::string& Message(int k) const;
  bool FatalFlag() const { return fatal_; }

 private:
  std::array<std::string, kMaxMessages> messages_;
  int count_ = 0;
  bool fatal_ = false;
};

// "Fatal  : Tabelle zt6tol Zeile 12": the row of the table is missing or unreadable.
std::string TableRowFault(std::string_view table, std::int64_t row);
// True when a message says that a table row could not be read: the run failed for
// want of its data, not for the design's values.
bool HasTableFault(const RunMessages& messages);

}  // namespace zt6

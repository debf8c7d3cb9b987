#include "calc/run_messages.h"

namespace zt6 {

MessageKind KindOf(std::string_view text) {
  if (text.starts_with(kFatalPrefix)) return MessageKind::Fatal;
  if (text.starts_with(kErrorPrefix)) return MessageKind::Error;
  if (text.starts_with(kWarningPrefix)) return MessageKind::Warning;
  return MessageKind::Remark;
}

void RunMessages::Clear() {
  count_ = 0;
  fatal_ = false;
}

void RunMessages::Add(std::string_view text) {
  const std::string_view cut = text.substr(0, kMaxLength);
  for (int k = 0; k < count_; ++k)
    if (messages_[static_cast<std::size_t>(k)] == cut) return;
  if (count_ >= kMaxMessages) return;
  messages_[static_cast<std::size_t>(count_)] = std::string(cut);
  ++count_;
}

void RunMessages::AddFatal(std::string_view text) {
  Add(text);
  fatal_ = true;
}

const std::string& RunMessages::Message(int k) const {
  static const std::string kNone;
  if (k < 1 || k > count_) return kNone;
  return messages_[static_cast<std::size_t>(k - 1)];
}

std::string TableRowFault(std::string_view table, std::int64_t row) {
  return std::string(kTableFaultPrefix) + std::string(table) + " Zeile " + std::to_string(row);
}

bool HasTableFault(const RunMessages& messages) {
  for (int k = 1; k <= messages.Count(); ++k)
    if (messages.Message(k).starts_with(kTableFaultPrefix)) return true;
  return false;
}

}  // namespace zt6

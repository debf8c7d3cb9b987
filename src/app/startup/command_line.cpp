#include "app/startup/command_line.h"

#include <algorithm>
#include <cctype>

#include "base/number_parse.h"

namespace zt6 {

namespace {

std::string UpperAscii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

}  // namespace

CommandLine ClassifyArguments(const std::vector<std::string>& arguments) {
  CommandLine line;
  line.noGui = std::any_of(arguments.begin(), arguments.end(),
                           [](const std::string& a) { return UpperAscii(a) == "/NOGUI"; });
  if (arguments.empty()) return line;

  const std::string& first = arguments[0];
  if (first == "?" || first == "/?") {
    line.action = StartAction::Help;
    return line;
  }
  line.project = first;
  if (UpperAscii(first) == "DEMO") {
    line.action = StartAction::Demo;
    return line;
  }
  const std::string second = arguments.size() > 1 ? arguments[1] : std::string();
  if (second == "/E" || second == "/e" || second == "/G") {
    line.action = StartAction::InteractiveNoRead;
  } else if (second == "/I" || second == "/i") {
    line.action = StartAction::BatchReport;
  } else if (UpperAscii(second).starts_with("/CAD")) {
    line.action = StartAction::BatchCad;
    // "/CADi:j": i is the fifth character, j runs from the seventh to the end; the
    // sixth is not checked. Text that is no number gives 0.
    line.cadFormat = second.size() > 4 ? ParseWhole(second.substr(4, 1)) : 0;
    line.cadDrawing = second.size() > 6 ? ParseWhole(second.substr(6)) : 0;
    line.cadDrawingText = second.size() > 6 ? second.substr(6) : std::string();
  } else {
    line.action = StartAction::InteractiveWithFile;
  }
  return line;
}

std::string ProjectNameFromPath(const std::string& path) {
  std::string name = path;
  // Only the system's separators cut the folder off: elsewhere a backslash or a colon
  // is part of the name.
#ifdef _WIN32
  const std::size_t cut = name.find_last_of("\\/:");
#else
  const std::size_t cut = name.rfind('/');
#endif
  if (cut != std::string::npos) name.erase(0, cut + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

}  // namespace zt6

#pragma once
// Classification of wzt6's arguments: only the first two select an action,
// "/NOGUI" counts in any position.

#include <string>
#include <vector>

namespace zt6 {

enum class StartAction {
  Interactive,          // no argument
  Help,                 // "?" or "/?"
  Demo,                 // "DEMO" in any case
  BatchReport,          // file "/I"
  BatchCad,             // file "/CADi:j"
  InteractiveNoRead,    // file "/E", "/e" or "/G": the file is not read
  InteractiveWithFile,  // file with any other second argument or none
};

struct CommandLine {
  StartAction action = StartAction::Interactive;
  std::string project;  // first argument as typed
  int cadFormat = 0;    // i of "/CADi:j"
  int cadDrawing = 0;   // j of "/CADi:j"
  std::string cadDrawingText;  // j as typed, for a message about it
  bool noGui = false;   // "/NOGUI" anywhere
};

CommandLine ClassifyArguments(const std::vector<std::string>& arguments);

// Project name of a file argument: without folder (and drive, on Windows) and extension.
std::string ProjectNameFromPath(const std::string& path);

}  // namespace zt6

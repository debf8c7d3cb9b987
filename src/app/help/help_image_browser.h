#pragma once
// The help image browser without its window: reading the image list, drawing an entry,
// and the list's editing commands (new, change, insert, delete), each asking through
// the prompts and writing the list file safely.

#include <optional>
#include <string>
#include <vector>

#include "app/help/help_image_list.h"

namespace zt6 {

struct Program;
class Prompts;

class HelpImageBrowser {
 public:
  HelpImageBrowser(Program& program, Prompts& prompts);

  // The list file, where the help files are found.
  const std::string& ListPath() const { return listPath_; }
  bool ListExists() const;
  // Reads the list; a field without its quote shows "DBH file error" and is read on.
  void Read();
  const std::vector<HelpImageEntry>& Entries() const { return entries_; }
  std::vector<std::string> DisplayLines() const;  // UTF-8, as the combo box shows them

  // Clears the drawing area and draws entry index (0-based).
  void Draw(std::size_t index);
  // Without a list: a plot file chosen in the PLT folder is drawn and its folder becomes
  // the PLT folder. False when none was chosen.
  bool ChooseAndDrawPlotFile();

  // The editing commands; selected is the entry chosen in the window, if any. Each
  // returns false when the browser is to end (only "Löschen ?" not answered Yes).
  bool New();
  bool Remove(std::optional<std::size_t> selected);
  bool Change(std::optional<std::size_t> selected);
  bool Insert(std::optional<std::size_t> selected);

 private:
  std::optional<std::size_t> Line(std::optional<std::size_t> selected, const char* prompt);
  std::optional<std::string> PlotFileName();
  std::optional<std::string> Information(const std::string& current);
  void Write(ListEdit edit, std::size_t index, const std::string& line);

  Program& program_;
  Prompts& prompts_;
  std::string listPath_;
  std::vector<std::string> lines_;  // the list file's lines, CP850
  std::vector<HelpImageEntry> entries_;
};

}  // namespace zt6

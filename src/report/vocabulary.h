#pragma once
// The report vocabulary: the words the reports, some dialogs and the drawings take
// for the current language (1 German, 2 English). Entries are named by their German
// text.

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zt6 {

class Vocabulary {
 public:
  Vocabulary();  // German

  // Loads language 1 (German) or 2 (English); the other menu languages (3..9) load
  // English, a number below 1 changes nothing.
  void Load(int language);
  int Language() const { return language_; }

  // The entry's text in the current language as CP850 bytes. `german` names the entry
  // by its German text (UTF-8 source spelling). An unknown name is a programming error
  // and throws std::out_of_range.
  const std::string& operator[](std::string_view german) const;

 private:
  int language_ = 1;
  std::unordered_map<std::string, std::string> texts_;  // UTF-8 German name -> CP850 text
};

// Every entry: its German and its English text (UTF-8), in table order.
std::vector<std::pair<std::string_view, std::string_view>> VocabularyEntries();

// The German words, for the writers whose caller gives none.
const Vocabulary& GermanWords();

}  // namespace zt6

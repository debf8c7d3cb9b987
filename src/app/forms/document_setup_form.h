#pragma once
// The document setup window without its window: program and file of the five
// document links.

#include <array>
#include <string>

#include "app/forms/form_fields.h"
#include "app/ports/prompts.h"
#include "docs/documentation_data.h"

namespace zt6 {

class DocumentSetupForm {
 public:
  DocumentSetupForm(std::array<DocumentLink, kDocumentLinks>& links, bool& cancelFlag);

  // Edit_prog1..5 and Edit_file1..5, as typed (file-system names, UTF-8).
  FieldTexts fields;
  static std::string ProgramField(int k) { return "Edit_prog" + std::to_string(k); }
  static std::string FileField(int k) { return "Edit_file" + std::to_string(k); }

  void Fill();
  // The "..." buttons: a file chosen in the directory of the field's path replaces the
  // field; a dialog closed without a choice leaves it (and sets the cancel flag, which
  // OK clears again).
  void ChooseProgram(int k, Prompts& prompts);
  void ChooseFile(int k, Prompts& prompts);
  // OK: clears the cancel flag and stores the ten fields, each cut to 50 characters.
  void Accept();

 private:
  void Choose(const std::string& field, const std::string& pattern, Prompts& prompts);
  std::array<DocumentLink, kDocumentLinks>& links_;
  bool& cancel_;
};

// The text cut to at most n characters, never inside a UTF-8 sequence.
std::string CutCharacters(const std::string& utf8, std::size_t n);

}  // namespace zt6

#include "app/forms/document_setup_form.h"

#include <filesystem>

namespace zt6 {

namespace {

// Programs carry no extension here, so the program chooser lists every file.
#ifdef _WIN32
constexpr const char* kProgramPattern = "*.exe";
#else
constexpr const char* kProgramPattern = "*";
#endif
constexpr const char* kFilePattern = "*.*";

}  // namespace

std::string CutCharacters(const std::string& utf8, std::size_t n) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
    if (characters == n) return utf8.substr(0, i);
    ++characters;
  }
  return utf8;
}

DocumentSetupForm::DocumentSetupForm(std::array<DocumentLink, kDocumentLinks>& links,
                                     bool& cancelFlag)
    : links_(links), cancel_(cancelFlag) {}

void DocumentSetupForm::Fill() {
  for (int k = 1; k <= static_cast<int>(kDocumentLinks); ++k) {
    const DocumentLink& link = links_[static_cast<std::size_t>(k - 1)];
    fields[ProgramField(k)] = link.program;
    fields[FileField(k)] = link.file;
  }
}

void DocumentSetupForm::Choose(const std::string& field, const std::string& pattern,
                               Prompts& prompts) {
  std::string& text = fields[field];
  const std::string directory = std::filesystem::path(text).parent_path().string();
  const std::optional<std::string> chosen = prompts.ui().ChooseFileToRead(directory, pattern);
  if (chosen && !chosen->empty()) {
    text = *chosen;
  } else {
    prompts.shell().cancel = true;
  }
}

void DocumentSetupForm::ChooseProgram(int k, Prompts& prompts) {
  Choose(ProgramField(k), kProgramPattern, prompts);
}

void DocumentSetupForm::ChooseFile(int k, Prompts& prompts) {
  Choose(FileField(k), kFilePattern, prompts);
}

void DocumentSetupForm::Accept() {
  cancel_ = false;
  for (int k = 1; k <= static_cast<int>(kDocumentLinks); ++k) {
    DocumentLink& link = links_[static_cast<std::size_t>(k - 1)];
    link.program = CutCharacters(fields[ProgramField(k)], docwidth::documentText);
    link.file = CutCharacters(fields[FileField(k)], docwidth::documentText);
  }
}

}  // namespace zt6

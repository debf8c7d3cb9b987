#pragma once
// The program's texts in the menu language: German files as shipped ("zt6.hlp"), the
// English ones beside them with ".en" before the extension ("zt6.en.hlp"). Languages
// other than German have no catalogues of their own and take the English ones.

#include <string>
#include <string_view>

namespace zt6 {

// 1 German for menu language 1 (and 0, the German start-up language), 2 English for
// every other language.
int TextLanguage(int menuLanguage);

// The name of the file that holds the texts of name in the text language: name itself
// for German, "stem.en.ext" for English ("zt6.err" -> "zt6.en.err").
std::string LanguageFileName(std::string_view name, int textLanguage);

}  // namespace zt6

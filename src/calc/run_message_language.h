#pragma once
// A run message shown in the text language. The list keeps every message as the run
// reports it (German, the key of its description in "zt6.err"); the English program
// shows it with its German words put into English: "Fehler : Seq<1 (0.80 Welle)"
// becomes "Error  : Seq<1 (0.80 shaft)". Texts are CP850 bytes.

#include <string>
#include <string_view>

namespace zt6 {

// message itself for language 1 (German), its English form for any other language.
std::string RunMessageInLanguage(std::string_view message, int textLanguage);

}  // namespace zt6

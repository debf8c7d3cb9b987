#pragma once
// Puts a configured folder and a file name together.

#include <string>
#include <string_view>

namespace zt6 {

// Trims blanks at both ends of folder; appends the path separator when the folder
// is not empty and ends in a character that can end a folder name (letters, digits
// and most punctuation), nothing after a separator, a colon, a full stop or others.
std::string JoinFolder(std::string_view folder, std::string_view name);

}  // namespace zt6

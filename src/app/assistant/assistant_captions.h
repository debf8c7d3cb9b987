#pragma once
// The texts of the engineering assistant's windows (size for a load, parameter study)
// in the menu languages: German, English, Romanian and Korean; the other languages
// show the English ones, as the menu does.

#include <string>
#include <string_view>

namespace zt6 {

// The text of that key ("size.torque") in menu language 1..9; the key itself when the
// table has no such key.
std::string AssistantCaption(std::string_view key, int language);

}  // namespace zt6

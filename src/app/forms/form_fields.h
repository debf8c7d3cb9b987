#pragma once
// The texts of a dialog's fields by the widgets' object names ("Edit_d1"), UTF-8, so a
// window binds its edits by name and the logic behind it runs without one.

#include <functional>
#include <map>
#include <string>

namespace zt6 {

using FieldTexts = std::map<std::string, std::string, std::less<>>;

}  // namespace zt6

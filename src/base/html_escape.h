#pragma once
// Markup characters as entities, so a text such as "Dii<DFe" shows in a page as written.

#include <string>
#include <string_view>

namespace zt6 {

std::string HtmlEscaped(std::string_view text);

}  // namespace zt6

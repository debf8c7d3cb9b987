#pragma once
// Numbers given as option values of the zt6 commands, checked as the command needs
// them; a value that is no number or lies outside is a usage error naming the option.

#include <optional>
#include <string_view>

#include "app/cli/command_options.h"

namespace zt6 {

enum class NumberNeed { Positive, NotBelowHalf, WholePositive };

// nullopt when the option is not given (ok stays true) or is refused (ok false, the
// usage error reported).
std::optional<double> NumberOption(const CommandArguments& arguments, std::string_view name,
                                   NumberNeed need, const UsageErrorFn& usageError, bool& ok);

}  // namespace zt6

#pragma once
// The one parser of the zt6 commands' arguments: options with or without a value
// ("--format html", "--format=html", "--json"), project files, and the options every
// file command shares (-o, --tables, --language) with the delivery of their output.

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zt6 {

using UsageErrorFn = std::function<int(std::string_view)>;

struct OptionSpec {
  OptionSpec(std::string_view optionName, bool withValue = true, std::string_view whenMissing = {})
      : name(optionName), takesValue(withValue), missingValue(whenMissing) {}
  std::string_view name;          // "--format", "-o"
  bool takesValue;
  std::string_view missingValue;  // the problem when the value is missing; "" = "NAME needs a value"
};

struct CommandArguments {
  std::vector<std::pair<std::string, std::string>> options;  // in the order given
  std::vector<std::string> files;

  bool Has(std::string_view name) const;
  // The last value given for the option.
  std::optional<std::string> Last(std::string_view name) const;
  // Every value given for the option, in order.
  std::vector<std::string> All(std::string_view name) const;
};

// args[0] is the command's name. Unknown options and missing values are usage errors
// (reported through usageError; nullopt).
std::optional<CommandArguments> ParseCommandArguments(const std::vector<std::string>& args,
                                                      const std::vector<OptionSpec>& specs,
                                                      const UsageErrorFn& usageError);

// The options of the commands that read one project and write one file.
struct FileCommandOptions {
  std::string file;                        // "" when none is needed and none was given
  std::optional<std::string> output;       // -o; standard output without
  std::optional<std::string> tableFolder;  // --tables
  int language = 0;                        // --language 1|2; 0: the configured one
};
inline const std::vector<OptionSpec> kFileCommandSpecs = {
    {"-o"}, {"--tables"}, {"--language"}};
// Exactly one project file, or none when fileOptional; `command` names the command in
// the messages ("report").
std::optional<FileCommandOptions> TakeFileCommandOptions(const CommandArguments& arguments,
                                                         std::string_view command,
                                                         const UsageErrorFn& usageError,
                                                         bool fileOptional = false);

// The value when it is one of `allowed`, else the usage error 'unknown WHAT "value"'.
std::optional<std::string> OneOf(const std::string& value, const std::vector<std::string>& allowed,
                                 std::string_view what, const UsageErrorFn& usageError);

// Writes bytes to standard output, or safely to the file named by -o; a failed write
// is reported as "zt6 COMMAND: FILE: error". Returns the command's exit code.
int DeliverOutput(const std::string& bytes, const std::optional<std::string>& output,
                  std::string_view command, std::ostream& out, std::ostream& err);

}  // namespace zt6

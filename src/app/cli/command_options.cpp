#include "app/cli/command_options.h"

#include <algorithm>

#include "app/cli/zt6_commands.h"
#include "base/safe_file.h"

namespace zt6 {

bool CommandArguments::Has(std::string_view name) const {
  return std::any_of(options.begin(), options.end(), [name](const auto& o) { return o.first == name; });
}

std::optional<std::string> CommandArguments::Last(std::string_view name) const {
  for (auto it = options.rbegin(); it != options.rend(); ++it)
    if (it->first == name) return it->second;
  return std::nullopt;
}

std::vector<std::string> CommandArguments::All(std::string_view name) const {
  std::vector<std::string> values;
  for (const auto& [option, value] : options)
    if (option == name) values.push_back(value);
  return values;
}

std::optional<CommandArguments> ParseCommandArguments(const std::vector<std::string>& args,
                                                      const std::vector<OptionSpec>& specs,
                                                      const UsageErrorFn& usageError) {
  CommandArguments parsed;
  bool optionsEnded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    // "--" ends the options: a file named "-x" can follow.
    if (arg == "--" && !optionsEnded) {
      optionsEnded = true;
      continue;
    }
    if (optionsEnded || !arg.starts_with("-") || arg.size() == 1) {
      parsed.files.push_back(arg);
      continue;
    }
    const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string::npos;
    const std::string name = arg.substr(0, equals);
    const auto spec = std::find_if(specs.begin(), specs.end(),
                                   [&name](const OptionSpec& s) { return s.name == name; });
    if (spec == specs.end() || (!spec->takesValue && equals != std::string::npos)) {
      usageError("unknown option \"" + arg + "\"");
      return std::nullopt;
    }
    if (!spec->takesValue) {
      parsed.options.emplace_back(name, std::string());
    } else if (equals != std::string::npos) {
      parsed.options.emplace_back(name, arg.substr(equals + 1));
    } else if (i + 1 < args.size()) {
      parsed.options.emplace_back(name, args[++i]);
    } else {
      usageError(spec->missingValue.empty() ? name + " needs a value"
                                            : std::string(spec->missingValue));
      return std::nullopt;
    }
  }
  return parsed;
}

std::optional<FileCommandOptions> TakeFileCommandOptions(const CommandArguments& arguments,
                                                         std::string_view command,
                                                         const UsageErrorFn& usageError,
                                                         bool fileOptional) {
  FileCommandOptions options;
  if (arguments.files.size() > 1) {
    usageError(std::string(command) + " takes one project file");
    return std::nullopt;
  }
  if (arguments.files.empty() && !fileOptional) {
    usageError(std::string(command) + " needs a project file");
    return std::nullopt;
  }
  if (!arguments.files.empty()) options.file = arguments.files.front();
  // "-o -" is standard output, as without -o.
  options.output = arguments.Last("-o");
  if (options.output == "-") options.output.reset();
  if (options.output && !options.file.empty() && IsSameFile(*options.output, options.file)) {
    usageError("the output " + *options.output + " is the project file " + options.file +
               " itself; name another output file");
    return std::nullopt;
  }
  options.tableFolder = arguments.Last("--tables");
  if (const auto language = arguments.Last("--language")) {
    if (*language != "1" && *language != "2") {
      usageError("--language takes 1 (German) or 2 (English)");
      return std::nullopt;
    }
    options.language = *language == "1" ? 1 : 2;
  }
  return options;
}

std::optional<std::string> OneOf(const std::string& value, const std::vector<std::string>& allowed,
                                 std::string_view what, const UsageErrorFn& usageError) {
  if (std::find(allowed.begin(), allowed.end(), value) != allowed.end()) return value;
  usageError("unknown " + std::string(what) + " \"" + value + "\"");
  return std::nullopt;
}

int DeliverOutput(const std::string& bytes, const std::optional<std::string>& output,
                  std::string_view command, std::ostream& out, std::ostream& err) {
  if (!output) {
    out << bytes;
    out.flush();
    return out ? kExitDone : kExitRefused;
  }
  const SafeWriteResult written = WriteFileSafely(*output, bytes);
  if (!written.ok) {
    err << "zt6 " << command << ": " << *output << ": " << written.error << '\n';
    return kExitRefused;
  }
  return kExitDone;
}

}  // namespace zt6

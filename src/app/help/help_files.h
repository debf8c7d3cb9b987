#pragma once
// Where the help files live: the configured PLT folder, else the folder of help files
// installed with the program. Names are matched without regard to case, since lists
// and help texts written on other systems name files in any case.

#include <string>
#include <string_view>

namespace zt6 {

struct Configuration;

// The help files installed with the program ("help" beside it in the build, share/zt6
// when installed, seen from bin or libexec/zt6); empty when none are found.
std::string ShippedHelpFolder();

// The file in folder whose name equals name apart from the case of ASCII letters;
// the exact name first. Empty when there is none.
std::string FindFileIgnoringCase(const std::string& folder, std::string_view name);

// The help file: in the configured PLT folder when it is there, else in the shipped
// help folder when it is there, else the configured path (which a reader then reports
// as missing). name is UTF-8, the result a file-system path.
std::string HelpFilePath(const Configuration& config, std::string_view name);

// HelpFilePath of the file in the configuration's menu language ("zt6.en.dem" for
// English) when it exists, else of the German file.
std::string LanguageHelpFilePath(const Configuration& config, std::string_view name);

// The PLT folder the user works in (configured, else the shipped one), UTF-8.
std::string HelpFolder(const Configuration& config);

}  // namespace zt6

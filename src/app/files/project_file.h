#pragma once
// The project file: one value per line in a fixed order, CR LF line ends, texts in
// code page 850. There are no keys; the position of a line is its meaning.

#include <filesystem>
#include <string>
#include <string_view>

#include "base/format_settings.h"
#include "calc/design_record.h"
#include "docs/documentation_data.h"

namespace zt6 {

inline constexpr std::size_t kMaxProjectFileBytes = 1 << 20;

// The whole file. Reals follow the decimals and separator settings.
std::string ProjectFileText(const DesignRecord& design, const DocumentationData& docs,
                            const FormatSettings& settings);

struct ProjectParseResult {
  bool ok = false;
  bool opened = true;     // false when the file could not be opened or read
  bool complete = false;  // every line was there; false for files of older versions
  // The file ends before the lines every version wrote (older versions lack only the
  // computed quantity, power, speed and material numbers): a cut file, not an old one.
  bool truncated = false;
  std::size_t lines = 0;  // the lines the file holds
  std::string problem;    // why the text was refused (English, for logs and the zt6 tool)
};

// Stores the file's values into design and docs. Text saved as UTF-8 (with or without
// a byte-order mark) is read in code page 850 when every character has a form there. A file that ends early leaves the
// fields after its end unchanged. Text that is not a project file (binary data, wrong
// block markers, absurd counts, oversized lines) is refused and nothing is changed.
ProjectParseResult ParseProjectText(std::string_view bytes, DesignRecord& design,
                                    DocumentationData& docs);

// Reads and parses a file; a file larger than kMaxProjectFileBytes is refused unread.
ProjectParseResult LoadProjectFile(const std::filesystem::path& file, DesignRecord& design,
                                   DocumentationData& docs);

}  // namespace zt6

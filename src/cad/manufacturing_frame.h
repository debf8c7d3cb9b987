#pragma once
// The manufacturing drawing's A4 frame: border, title block with sign-off rows,
// change table, protection note, free texts and the optional file, date, program and
// logo lines. Drawn into the block FRAME_1 by the sheet generator.

#include <string>

#include "cad/cad_output.h"
#include "docs/documentation_data.h"
#include "report/vocabulary.h"

namespace zt6 {

// Change index style: 0 "a, b, c", 1 "1, 2, 3", 2 "A, B, C".
std::string ChangeIndexText(std::size_t index, int style);

struct FrameTitle {
  std::string name;        // CP850
  std::string secondLine;  // CP850
  std::string number;      // CP850
};

struct FrameOptions {
  int changeIndexStyle = 0;
  std::string releaseText;      // label of the fourth sign-off row, CP850
  std::string projectFileText;  // CP850; cut to 150 characters
  std::string dateTime;         // CP850
  std::string titleLine;        // "MORVANE   " + program title + "  V" + version
  bool omitTitleLine = false;
  bool omitFileName = false;
  bool omitDate = false;
  bool omitLogo = false;
};

// The user's logo block, inserted on screen and plot outputs when its file exists.
inline constexpr const char* kFrameLogoBlock = "logo_1";

// The frame's change table shows the last this many change records.
inline constexpr std::size_t kFrameChangeRows = 8;

// The frame's words (headings, sign-off labels, protection note) in the language of
// words.
void DrawManufacturingFrame(CadOutput& cad, const FrameTitle& title, const DocumentationData& docs,
                            const FrameOptions& options, const Vocabulary& words = GermanWords());

}  // namespace zt6

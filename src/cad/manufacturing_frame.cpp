#include "cad/manufacturing_frame.h"

#include <algorithm>
#include <filesystem>

#include "base/codepage.h"

namespace zt6 {

namespace {

constexpr std::size_t kFileNameLength = 150;
// Room kept free before a rule, in text heights.
constexpr double kCellMargin = 0.15;
// Right edge of the border and of the A4 sheet.
constexpr double kBorderRight = 205;
constexpr double kSheetRight = 210;
constexpr std::array<double, 5> kNoteColumns{4, 6.7, 9.4, 12.1, 14.8};

const char* const kNoteEnglish[] = {
    "Copying of this document and giving it to other and the use",
    "or communication of the contents therof, are forbidden with-",
    "out express authority. Offenders are liable to the payment",
    "of damages. All rights are reserved in the event of the grant",
    "of a patent or the registration of a utility model or design."};
const char* const kNoteGerman[] = {
    "Weitergabe sowie Vervielfältigung dieser Unterlage, Ver-",
    "wertung und Mitteilung ihres Inhalts nicht gestattet, soweit",
    "nicht ausdrücklich zugestanden. Zuwiderhandlungen verpflich-",
    "ten zu Schadensersatz. Alle Rechte für den Fall der Patent-",
    "erteilung oder Gebrauchsmuster-Eintragung vorbehalten."};

// A text of the title block, change table or sign-off rows, ending before the rule
// at `right`.
void InCell(CadOutput& cad, std::string_view text, double x, double y, double right) {
  cad.TextWithin(text, x, y, right - x - kCellMargin * cad.TextHeight());
}

// An identifier (number, name, person) in the cell bottom..top left of `right`: it is
// narrowed, lowered, broken in two or, as the last resort, cut with a mark.
void IdentifierInCell(CadOutput& cad, std::string_view text, double x, double y, double right,
                      double bottom, double top) {
  cad.IdentifierWithin(text, x, y, right - x - kCellMargin * cad.TextHeight(), bottom, top);
}

void Border(CadOutput& cad) {
  cad.Layer(5);
  cad.Rectangle(18, 5, 205, 292);
  cad.Line(18, 43, 205, 43);
  cad.Layer(4);
  cad.Line(73, 5, 73, 43);
  cad.Line(116, 5, 116, 43);
  cad.Line(73, 22, 205, 22);
  cad.Line(192, 9.4, 192, 22);
}

void Grid(CadOutput& cad) {
  cad.Layer(3);
  cad.Rectangle(0, 0, 210, 297);
  // Change table: the head row at the bottom and eight rows of 4.2 mm above it.
  for (int r = 1; r <= static_cast<int>(kFrameChangeRows); ++r)
    cad.Line(18, 5 + 4.2 * r, 73, 5 + 4.2 * r);
  // Sign-off block: four rows of 4.2 mm from y 22, the head row on top.
  for (int r = 1; r <= 4; ++r) cad.Line(73, 22 + 4.2 * r, 116, 22 + 4.2 * r);
  for (const double x : {26.0, 52.0, 65.0}) cad.Line(x, 5, x, 43);
  for (const double x : {82.0, 98.0}) cad.Line(x, 22, x, 43);
  cad.Line(73, 9.4, 205, 9.4);
  cad.Line(160, 5, 160, 9.4);
  cad.Line(192, 14, 205, 14);
  cad.Line(0, 148.5, 15, 148.5);
}

void Headings(CadOutput& cad, const FrameOptions& options, const Vocabulary& words) {
  cad.TextStyle(0, 0, 1.6, 1.3);
  InCell(cad, words["Zust."], 19, 6, 26);
  InCell(cad, words["Änderung"], 30, 6, 52);
  InCell(cad, words["Datum"], 54, 6, 65);
  InCell(cad, words["Name"], 65.6, 6, 73);
  cad.TextStyle(0, 0, 1.8, 1.5);
  InCell(cad, words["Datum"], 85, 39.8, 98);
  InCell(cad, words["Name"], 100, 39.8, 116);
  InCell(cad, words["Bearb."], 74, 35.6, 82);
  InCell(cad, words["Gepr."], 74, 31.4, 82);
  InCell(cad, words["Norm"], 74, 27.2, 82);
  // The fourth row has a date and a name: it keeps a label without a configured text.
  InCell(cad, options.releaseText.empty() ? words["Frei"] : options.releaseText, 74, 23.2, 82);
}

// The note in the drawing's language, in its place on the margin: the English one at
// the bottom, the German one at the top.
void ProtectionNote(CadOutput& cad, const Vocabulary& words) {
  cad.TextStyle(0, 90, 1.8, 1.5);
  const bool german = words.Language() == 1;
  for (std::size_t i = 0; i < kNoteColumns.size(); ++i) {
    if (german) {
      cad.Text(Oem(kNoteGerman[i]), kNoteColumns[i], 200);
    } else {
      cad.Text(Oem(kNoteEnglish[i]), kNoteColumns[i], 10);
    }
  }
}

void SignOff(CadOutput& cad, const DocumentationData& docs, const Vocabulary& words) {
  cad.TextStyle(0, 0, 1.8, 1.5);
  constexpr std::array<double, 4> rows{35.6, 31.2, 27.0, 23.0};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const double bottom = 22 + 4.2 * static_cast<double>(rows.size() - 1 - i);
    InCell(cad, docs.signOff[i].date, 83.5, rows[i], 98);
    IdentifierInCell(cad, docs.signOff[i].name, 100, rows[i], 116, bottom, bottom + 4.2);
  }
  InCell(cad, words["Blatt"], 194, 18, kBorderRight);
  InCell(cad, words["Bl."], 200, 10.4, kBorderRight);
  if (!docs.replacementFor.empty())
    IdentifierInCell(cad, words["Ersatz für"] + " " + docs.replacementFor, 118, 6.5, 160, 5, 9.4);
  if (!docs.replacedBy.empty())
    IdentifierInCell(cad, words["Ersetzt durch"] + " " + docs.replacedBy, 162, 6.5, kBorderRight, 5,
                     9.4);
}

void ChangeTable(CadOutput& cad, const DocumentationData& docs, int style,
                 const Vocabulary& words) {
  cad.TextStyle(0, 0, 1.7, 1.3);
  cad.Layer(3);
  const std::size_t count = std::min(docs.changeCount, docs.changes.size());
  // More records than rows: the first row says which of the oldest it leaves out.
  const std::size_t first = count > kFrameChangeRows ? count - kFrameChangeRows + 1 : 0;
  if (first > 0) {
    const std::string left = first == 1 ? ChangeIndexText(1, style)
                                        : ChangeIndexText(1, style) + "-" +
                                              ChangeIndexText(first, style);
    IdentifierInCell(cad, left, 19, 6.5 + 4.2, 26, 9.2, 13.4);
    InCell(cad, words["nicht dargestellt"], 27, 6.5 + 4.2, 52);
  }
  for (std::size_t i = first; i < count; ++i) {
    const std::size_t row = i - first + (first > 0 ? 2 : 1);
    const double y = 6.5 + 4.2 * static_cast<double>(row);
    const AendRecord& change = docs.changes[i];
    InCell(cad, ChangeIndexText(i + 1, style), 21, y, 26);
    InCell(cad, change.changeText, 27, y, 52);
    InCell(cad, change.date, 52.5, y, 65);
    IdentifierInCell(cad, change.editor, 66, y, 73, y - 1.5, y + 2.7);
  }
}

void FreeTexts(CadOutput& cad, const DocumentationData& docs) {
  const std::size_t count = std::min(docs.freeTextCount, docs.freeTexts.size());
  for (std::size_t i = 0; i < count; ++i) {
    const FreeText& t = docs.freeTexts[i];
    if (!(t.h > 0)) continue;
    cad.TextStyle(0, t.phi, t.h, 0.8 * t.h);
    cad.Text(t.text, t.x, t.y);
  }
}

void Title(CadOutput& cad, const FrameTitle& title) {
  cad.Layer(5);
  // The name above the second line in the cell from y 22 to 43; the number below it,
  // left of the sheet box.
  cad.TextStyle(0, 0, 5, 4);
  IdentifierInCell(cad, title.name, 120, 32.5, kBorderRight, 29.5, 43);
  IdentifierInCell(cad, title.number, 120, 12, 192, 9.4, 22);
  cad.TextStyle(0, 0, 3.5, 2.8);
  IdentifierInCell(cad, title.secondLine, 120, 25, kBorderRight, 22, 29.5);
}

void FileDateProgramLogo(CadOutput& cad, const FrameOptions& options) {
  cad.TextStyle(0, 0, 1.5, 1.2);
  // The date right-aligned under the border's right end (the justification reckons with
  // the CAD width on every output); a long file name stops short of it.
  const double dateWidth = static_cast<double>(options.dateTime.size()) * cad.TextHeight() *
                           cad.TextWidthFactor();
  const double dateLeft =
      options.omitDate ? kSheetRight : kBorderRight - dateWidth - cad.TextHeight();
  if (!options.omitFileName) {
    std::string file = options.projectFileText;
    if (file.size() > kFileNameLength) file.resize(kFileNameLength);
    InCell(cad, file, 18, 1, dateLeft);
  }
  if (!options.omitDate) {
    cad.Justification(2, 0);
    cad.Text(options.dateTime, kBorderRight, 1);
    cad.Justification(0, 0);
  }
  if (!options.omitTitleLine) {
    // Above the border, below the A4 sheet's top edge.
    cad.TextStyle(0, 0, 3.5, 3);
    InCell(cad, options.titleLine, 1, 293, kSheetRight);
  }
  const bool showsLogos =
      cad.Type() == CadOutputType::Screen || cad.Type() == CadOutputType::Plot;
  std::error_code ec;
  if (!options.omitLogo && showsLogos &&
      std::filesystem::is_regular_file(cad.BlockFilePath(kFrameLogoBlock), ec))
    cad.Insert(kFrameLogoBlock, 75, 10, 0, 1, 1);
}

}  // namespace

std::string ChangeIndexText(std::size_t index, int style) {
  if (style == 1) return std::to_string(index);
  if (index < 1 || index > 26) return std::to_string(index);
  return std::string(1, static_cast<char>((style == 2 ? 'A' : 'a') + index - 1));
}

void DrawManufacturingFrame(CadOutput& cad, const FrameTitle& title, const DocumentationData& docs,
                            const FrameOptions& options, const Vocabulary& words) {
  Border(cad);
  Grid(cad);
  Headings(cad, options, words);
  ProtectionNote(cad, words);
  SignOff(cad, docs, words);
  ChangeTable(cad, docs, options.changeIndexStyle, words);
  FreeTexts(cad, docs);
  Title(cad, title);
  FileDateProgramLogo(cad, options);
}

}  // namespace zt6

#include "app/files/project_file.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

#include "app/state/program.h"
#include "base/codepage.h"
#include "base/file_numbers.h"
#include "base/program_identity.h"
#include "base/safe_file.h"
#include "base/text_lines.h"

namespace zt6 {

namespace {

constexpr std::size_t kMaxLineLength = 1 << 16;
constexpr int kDocumentEntriesWritten = 5;

const std::string kChangesMarker = Oem("ÄNDERUNGEN");
const std::string kDocumentsMarker = "Dokumente";
const std::string kBrokenBar = Oem("¦");

// A "|" inside a text would split its field; it is kept visible as "¦".
std::string FieldText(const std::string& text) {
  std::string out;
  for (char c : SingleLine(text)) {
    if (c == '|')
      out += kBrokenBar;
    else
      out += c;
  }
  return out;
}

std::string DescriptionLine(const std::string& description) {
  std::string out;
  for (std::size_t i = 0; i < description.size(); ++i) {
    const char c = description[i];
    if (c == '\r') {
      if (i + 1 < description.size() && description[i + 1] == '\n') ++i;
      out += '|';
    } else if (c == '\n') {
      out += '|';
    } else if (c == '|') {
      out += kBrokenBar;
    } else {
      out += c;
    }
  }
  return out;
}

std::string DescriptionFromLine(std::string line) {
  std::replace(line.begin(), line.end(), '|', '\n');
  return line;
}

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t bar = line.find('|'); bar != std::string::npos; bar = line.find('|', start)) {
    fields.push_back(line.substr(start, bar - start));
    start = bar + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

// Whole numbers of the file into the record's narrower fields; values that do not
// fit fall back to 0, like a line that does not convert.
template <typename T>
T Narrow(std::int32_t value) {
  if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max()) return T{};
  return static_cast<T>(value);
}

template <typename Enum>
Enum EnumFrom(std::int32_t value) {
  return static_cast<Enum>(Narrow<std::underlying_type_t<Enum>>(value));
}

// ---- writing ----

class ProjectWriter {
 public:
  explicit ProjectWriter(const FormatSettings& settings) : settings_(settings) {}
  void Text(const std::string& text) { out_.Line(SingleLine(text)); }
  void Whole(long long value) { out_.Line(FormatFileInteger(value)); }
  void Real(double value) { out_.Line(FormatFileReal(value, settings_)); }
  std::string RealField(double value) const { return FormatFileReal(value, settings_); }
  void Raw(const std::string& line) { out_.Line(line); }
  const std::string& Result() const { return out_.Text(); }

 private:
  const FormatSettings& settings_;
  LineWriter out_;
};

void WriteChangeBlock(ProjectWriter& w, const DocumentationData& docs) {
  w.Raw(kChangesMarker);
  w.Whole(static_cast<long long>(docs.changeCount));
  w.Raw(std::string(20, '-'));
  for (std::size_t i = 0; i < docs.changeCount; ++i) {
    const AendRecord& record = docs.changes[i];
    w.Text(record.changeText);
    w.Text(record.date);
    w.Text(record.editor);
    w.Raw(DescriptionLine(record.description));
    w.Raw(std::string(14, '-'));
  }
  std::string titleBlock;
  for (std::size_t row = 1; row < 4; ++row)
    titleBlock += FieldText(docs.signOff[row].date) + "|" + FieldText(docs.signOff[row].name) + "|";
  titleBlock += FormatFileInteger(static_cast<long long>(docs.freeTextCount)) + "||";
  w.Raw(titleBlock);
  w.Text(docs.signOff[0].date);
  w.Text(docs.replacementFor);
  w.Text(docs.replacedBy);
  w.Text(docs.signOff[0].name);
  for (std::size_t i = 0; i < docs.freeTextCount; ++i) {
    const FreeText& t = docs.freeTexts[i];
    // Full precision: the drawing places the text where it was typed.
    w.Raw(w.RealField(t.x) + "|" + w.RealField(t.y) + "|" + w.RealField(t.h) + "|" +
          w.RealField(t.phi) + "|" + FieldText(t.text) + "||");
  }
}

void WriteDocumentBlock(ProjectWriter& w, const DocumentationData& docs) {
  w.Raw(kDocumentsMarker);
  w.Whole(kDocumentEntriesWritten);
  w.Raw(std::string(20, '-'));
  for (const DocumentLink& link : docs.documents) {
    w.Text(link.program);
    w.Text(link.file);
    w.Raw(std::string(14, '-'));
  }
}

void WriteMaterial(ProjectWriter& w, const Material& m) {
  w.Text(m.name);
  w.Whole(m.Re);
  w.Real(m.pzul);
  w.Real(m.fH);
  w.Real(m.fS);
  w.Whole(m.tableRow);
}

// ---- reading ----

// Reads fields in file order while lines remain; past the end every field keeps its value.
class ProjectReader {
 public:
  explicit ProjectReader(std::vector<std::string> lines) : in_(std::move(lines)) {}
  bool AtEnd() const { return in_.AtEnd(); }
  // True once a field was wanted after the last line.
  bool EndedEarly() const { return endedEarly_; }
  const std::string* Next() {
    if (in_.AtEnd()) {
      endedEarly_ = true;
      return nullptr;
    }
    return &in_.Next();
  }
  void Skip(std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) Next();
  }
  void Text(std::string& target, std::size_t width) {
    if (const std::string* line = Next()) target = FitWidth(*line, width);
  }
  template <typename T>
  void Whole(T& target) {
    if (const std::string* line = Next()) target = Narrow<T>(ReadFileInteger(*line));
  }
  template <typename Enum>
  void Selector(Enum& target) {
    if (const std::string* line = Next()) target = EnumFrom<Enum>(ReadFileInteger(*line));
  }
  void Real(double& target) {
    if (const std::string* line = Next()) target = ReadFileReal(*line);
  }

 private:
  LineReader in_;
  bool endedEarly_ = false;
};

struct Refusal {
  std::string problem;
};

ProjectParseResult Refused(std::string problem) {
  ProjectParseResult result;
  result.problem = std::move(problem);
  return result;
}

bool MarkerMatches(const std::string& line, const std::string& marker, bool* windowsForm) {
  if (line == marker) return true;
  // Older versions wrote the change block in the Windows code page after an HTML report.
  if (windowsForm != nullptr && line == OemToAnsi(marker, false)) {
    *windowsForm = true;
    return true;
  }
  return false;
}

std::string FromWindows(const std::string& text, bool windowsForm) {
  return windowsForm ? AnsiToOem(text) : text;
}

struct BlockHead {
  std::optional<Refusal> refusal;
  std::optional<std::size_t> count;  // none when the file ended before the count
  bool windowsForm = false;
};

// The marker line, the count within 0..maxCount and the dash line of a block.
BlockHead ReadBlockHead(ProjectReader& r, const std::string& marker, bool windowsFormAllowed,
                        std::size_t maxCount, const std::string& what) {
  BlockHead head;
  const std::string* markerLine = r.Next();
  if (markerLine == nullptr) return head;
  if (!MarkerMatches(*markerLine, marker, windowsFormAllowed ? &head.windowsForm : nullptr)) {
    head.refusal = Refusal{"the " + what + " marker is missing"};
    return head;
  }
  const std::string* countLine = r.Next();
  if (countLine == nullptr) return head;
  const std::int32_t n = ReadFileInteger(*countLine);
  if (n < 0 || static_cast<std::size_t>(n) > maxCount) {
    head.refusal = Refusal{what + " count " + std::to_string(n) + " is outside 0.." +
                           std::to_string(maxCount)};
    return head;
  }
  r.Skip(1);
  head.count = static_cast<std::size_t>(n);
  return head;
}

// Returns a refusal, or nothing when the block was read (or the file ended in it).
std::optional<Refusal> ReadChangeBlock(ProjectReader& r, DocumentationData& docs) {
  const BlockHead head = ReadBlockHead(r, kChangesMarker, true, kMaxChangeRecords, "change-record");
  if (head.refusal) return head.refusal;
  if (!head.count || r.AtEnd()) return std::nullopt;
  const bool windowsForm = head.windowsForm;
  docs.changeCount = *head.count;
  for (std::size_t i = 0; i < docs.changeCount; ++i) {
    AendRecord& record = docs.changes[i];
    if (const std::string* line = r.Next())
      record.changeText = FitWidth(FromWindows(*line, windowsForm), docwidth::changeText);
    if (const std::string* line = r.Next())
      record.date = FitWidth(FromWindows(*line, windowsForm), docwidth::changeDate);
    if (const std::string* line = r.Next())
      record.editor = FitWidth(FromWindows(*line, windowsForm), docwidth::changeEditor);
    if (const std::string* line = r.Next())
      record.description = DescriptionFromLine(FromWindows(*line, windowsForm));
    r.Skip(1);
  }

  const std::string* titleLine = r.Next();
  if (titleLine == nullptr) return std::nullopt;
  const std::vector<std::string> fields = SplitFields(*titleLine);
  const auto field = [&](std::size_t k) { return k < fields.size() ? fields[k] : std::string(); };
  for (std::size_t row = 1; row < 4; ++row) {
    docs.signOff[row].date = FitWidth(field(2 * row - 2), docwidth::signOff);
    docs.signOff[row].name = FitWidth(field(2 * row - 1), docwidth::signOff);
  }
  const std::int32_t m = ReadFileInteger(field(6));
  if (m < 0 || static_cast<std::size_t>(m) > kMaxFreeTexts)
    return Refusal{"free-text count " + std::to_string(m) + " is outside 0..8"};
  r.Text(docs.signOff[0].date, docwidth::signOff);
  r.Text(docs.replacementFor, docwidth::replacement);
  r.Text(docs.replacedBy, docwidth::replacement);
  r.Text(docs.signOff[0].name, docwidth::signOff);
  if (r.AtEnd()) return std::nullopt;
  docs.freeTextCount = static_cast<std::size_t>(m);
  for (std::size_t i = 0; i < docs.freeTextCount; ++i) {
    const std::string* line = r.Next();
    if (line == nullptr) break;
    const std::vector<std::string> parts = SplitFields(*line);
    const auto part = [&](std::size_t k) { return k < parts.size() ? parts[k] : std::string(); };
    FreeText& t = docs.freeTexts[i];
    t.x = ReadFileReal(part(0));
    t.y = ReadFileReal(part(1));
    t.h = ReadFileReal(part(2));
    t.phi = ReadFileReal(part(3));
    t.text = FitWidth(part(4), docwidth::freeText);
  }
  return std::nullopt;
}

std::optional<Refusal> ReadDocumentBlock(ProjectReader& r, DocumentationData& docs) {
  const BlockHead head = ReadBlockHead(r, kDocumentsMarker, false, kDocumentLinks, "document");
  if (head.refusal) return head.refusal;
  const std::size_t k = head.count.value_or(0);
  for (std::size_t i = 0; i < k; ++i) {
    r.Text(docs.documents[i].program, docwidth::documentText);
    r.Text(docs.documents[i].file, docwidth::documentText);
    r.Skip(1);
  }
  return std::nullopt;
}

void ReadMaterial(ProjectReader& r, Material& m) {
  r.Text(m.name, width::materialName);
  r.Whole(m.Re);
  r.Real(m.pzul);
  r.Real(m.fH);
  r.Real(m.fS);
  r.Whole(m.tableRow);
}

std::optional<Refusal> CheckShape(std::string_view bytes, const std::vector<std::string>& lines) {
  if (bytes.size() > kMaxProjectFileBytes) return Refusal{"the file is larger than 1 MiB"};
  if (bytes.find('\0') != std::string_view::npos) return Refusal{"the file holds binary data"};
  if (lines.empty()) return Refusal{"the file is empty"};
  const std::string& first = lines.front();
  if (first.empty() || first.find_first_not_of('-') != std::string::npos)
    return Refusal{"the first line is not the dash line of a project file"};
  for (const std::string& line : lines)
    if (line.size() > kMaxLineLength) return Refusal{"a line is longer than 64 KiB"};
  return std::nullopt;
}

}  // namespace

std::string ProjectFileText(const DesignRecord& d, const DocumentationData& docs,
                            const FormatSettings& settings) {
  ProjectWriter w(settings);
  w.Raw(std::string(65, '-'));
  w.Raw(ProgramTitleLine());
  w.Raw(std::string("Version ") + kProgramVersion);
  w.Raw("Projektdatei");
  w.Raw(std::string(65, '-'));
  for (const std::string& line : d.drawing.infoLines) w.Text(line);
  w.Text(d.drawing.shaftName1);
  w.Text(d.drawing.shaftNumber);
  w.Text(d.drawing.shaftName2);
  w.Text(d.drawing.hubName1);
  w.Text(d.drawing.hubNumber);
  w.Text(d.drawing.hubName2);
  w.Whole(d.tableRow);
  w.Real(d.Dii);
  w.Real(d.Dee);
  w.Real(d.D);
  w.Whole(d.z);
  w.Real(d.gammaE);
  w.Text(d.designation);
  w.Real(d.l);
  w.Whole(static_cast<long long>(d.dimensionSource));
  WriteChangeBlock(w, docs);
  WriteDocumentBlock(w, docs);
  WriteMaterial(w, d.material[0]);
  WriteMaterial(w, d.material[1]);
  w.Whole(d.furtherSelector);
  for (double value : {d.TN, d.Tmax, d.KA, d.KphiEq, d.Klambda, d.fW, d.fL[0], d.fL[1], d.KphiMax})
    w.Real(value);
  w.Whole(static_cast<long long>(d.toleranceClass));
  for (double value : {GivenFilletRadius(d.riMax, d.riMaxFilled),
                       GivenFilletRadius(d.reMax, d.reMaxFilled), d.TGe, d.TGi})
    w.Real(value);
  w.Whole(static_cast<long long>(d.computedQuantity));
  w.Real(d.power);
  w.Real(d.n);
  w.Text(d.material[0].number);
  w.Text(d.material[1].number);
  return w.Result();
}

namespace {

ProjectParseResult ParseCp850Text(std::string_view bytes, DesignRecord& design,
                                  DocumentationData& docs) {
  std::vector<std::string> lines = SplitLines(bytes);
  if (const auto refusal = CheckShape(bytes, lines)) return Refused(refusal->problem);

  // Work on copies so a refused file changes nothing.
  DesignRecord d = design;
  DocumentationData doc = docs;
  const std::size_t lineCount = lines.size();
  ProjectReader r(std::move(lines));
  r.Skip(5);
  for (std::string& line : d.drawing.infoLines) r.Text(line, width::infoLine);
  r.Text(d.drawing.shaftName1, width::drawingName1);
  r.Text(d.drawing.shaftNumber, width::drawingNumber);
  r.Text(d.drawing.shaftName2, width::drawingName2);
  r.Text(d.drawing.hubName1, width::drawingName1);
  r.Text(d.drawing.hubNumber, width::drawingNumber);
  r.Text(d.drawing.hubName2, width::drawingName2);
  r.Whole(d.tableRow);
  r.Real(d.Dii);
  r.Real(d.Dee);
  r.Real(d.D);
  r.Whole(d.z);
  r.Real(d.gammaE);
  r.Text(d.designation, kMaxLineLength);
  r.Real(d.l);
  r.Selector(d.dimensionSource);
  if (const auto refusal = ReadChangeBlock(r, doc)) return Refused(refusal->problem);
  if (const auto refusal = ReadDocumentBlock(r, doc)) return Refused(refusal->problem);
  ReadMaterial(r, d.material[0]);
  ReadMaterial(r, d.material[1]);
  r.Whole(d.furtherSelector);
  for (double* value : {&d.TN, &d.Tmax, &d.KA, &d.KphiEq, &d.Klambda, &d.fW, &d.fL[0], &d.fL[1],
                        &d.KphiMax})
    r.Real(*value);
  r.Selector(d.toleranceClass);
  for (double* value : {&d.riMax, &d.reMax, &d.TGe, &d.TGi}) r.Real(*value);
  // Every version wrote the lines up to here.
  const bool truncated = r.EndedEarly();
  r.Selector(d.computedQuantity);
  r.Real(d.power);
  r.Real(d.n);
  r.Text(d.material[0].number, width::materialNumber);
  r.Text(d.material[1].number, width::materialNumber);
  const bool complete = !r.EndedEarly();
  design = std::move(d);
  docs = std::move(doc);
  ProjectParseResult result;
  result.ok = true;
  result.complete = complete;
  result.truncated = truncated;
  result.lines = lineCount;
  return result;
}

}  // namespace

ProjectParseResult ParseProjectText(std::string_view bytes, DesignRecord& design,
                                    DocumentationData& docs) {
  // A project saved by a text editor as UTF-8 is read in code page 850 when every
  // character has its form there; otherwise it is refused, naming the encoding.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  const bool marked = bytes.starts_with(kByteOrderMark);
  if (marked || IsUtf8BeyondAscii(bytes)) {
    const std::string_view utf8 = marked ? bytes.substr(kByteOrderMark.size()) : bytes;
    const std::string cp850 = Utf8ToCp850(utf8);
    if (Cp850ToUtf8(cp850) != utf8)
      return Refused("the file is UTF-8 text and holds characters code page 850 lacks");
    return ParseCp850Text(cp850, design, docs);
  }
  return ParseCp850Text(bytes, design, docs);
}

ProjectParseResult LoadProjectFile(const std::filesystem::path& file, DesignRecord& design,
                                   DocumentationData& docs) {
  const FileContent content = ReadWholeFile(file, kMaxProjectFileBytes);
  if (content.tooLarge) return Refused("the file is larger than 1 MiB");
  if (!content.ok) {
    ProjectParseResult result =
        Refused("the file cannot be opened: " + ReadErrorText(content.errorNumber));
    result.opened = false;
    return result;
  }
  return ParseProjectText(content.bytes, design, docs);
}

}  // namespace zt6

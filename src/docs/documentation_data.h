#pragma once
// The documentation data carried with a connection besides its technical inputs:
// change records, the drawing information of the title block and the links to
// outside documents. Texts are CP850 bytes, except the document links, which are
// held as typed. Description line breaks are held as "\n".

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zt6 {

namespace docwidth {
inline constexpr std::size_t changeText = 20;
inline constexpr std::size_t changeDate = 10;
inline constexpr std::size_t changeEditor = 7;
inline constexpr std::size_t signOff = 10;       // date and name of a sign-off row
inline constexpr std::size_t replacement = 15;   // "Ersatz für", "Ersetzt durch"
inline constexpr std::size_t freeText = 80;
inline constexpr std::size_t documentText = 50;  // program and file of a link
}  // namespace docwidth

inline constexpr std::size_t kMaxChangeRecords = 25;
inline constexpr std::size_t kMaxFreeTexts = 8;
inline constexpr std::size_t kDocumentLinks = 5;

struct AendRecord {
  std::string changeText;   // "Änderungstext"
  std::string date;
  std::string editor;       // "Bearbeiter"
  std::string description;  // "Beschreibung", may hold line breaks
};

// Rows of the title block: 0 "Bearb.", 1 "Gepr.", 2 "Norm", 3 the release field row.
struct SignOffRow {
  std::string date;
  std::string name;
};

struct FreeText {
  double x = 0, y = 0, h = 0, phi = 0;
  std::string text;
};

struct DocumentLink {
  std::string program = "NOTEPAD.EXE";
  std::string file;
};

struct DocumentationData {
  // Slots above the count keep their last contents: "new" after "delete last"
  // brings the deleted texts back.
  std::array<AendRecord, kMaxChangeRecords> changes;
  std::size_t changeCount = 0;
  std::string replacementFor;  // "Ersatz für"
  std::string replacedBy;      // "Ersetzt durch"
  std::array<SignOffRow, 4> signOff;
  std::array<FreeText, kMaxFreeTexts> freeTexts;
  std::size_t freeTextCount = 0;
  std::array<DocumentLink, kDocumentLinks> documents;
};

// The data at program start: sign-off rows 1 to 3 dated today, everything else empty.
DocumentationData InitialDocumentation(const std::string& today);

struct DrawingIdentification;
// What New clears: the change count, the replacement texts, the sign-off rows (row 1
// dated today) and the information lines. Free texts, drawing names and numbers and
// the document links stay.
void ResetDocumentation(DocumentationData& docs, DrawingIdentification& drawing,
                        const std::string& today);

// Change-record operations "new" and "delete last". New refuses a 26th record
// (returns false, nothing changed); the new last record is dated today and keeps the
// other texts its slot held.
bool AddChangeRecord(DocumentationData& docs, const std::string& today);
void DeleteLastChangeRecord(DocumentationData& docs);

// Today's date in the configured date format.
std::string TodayText(int dateCode);

}  // namespace zt6

#pragma once
// The fixed-format pieces of an IGES file: 80-column lines, directory fields, Hollerith
// strings, the cutting of long records into lines, and the number forms.

#include <string>
#include <string_view>
#include <vector>

#include "base/format_settings.h"

namespace zt6 {

// Content in columns 1..72 (a longer content pushes the rest right), the section
// letter in column 73, the sequence number with seven digits, CR LF.
std::string IgesLine(std::string_view content, char section, int sequence);
// A parameter line: data in columns 1..64, the DE pointer ending in column 72.
std::string IgesParameterLine(std::string_view data, int dePointer, int sequence);
// One 8-column directory field: blanks stripped, right-aligned, cut to 8.
std::string IgesField(std::string_view value);

// "4HFILE" for "FILE". The empty text is the empty (default) parameter: "0H" is no
// valid string.
std::string Hollerith(std::string_view text);

// Cuts a record into lines of at most width characters: a piece ends after the last
// parameter comma among the first width - 1 characters, else after width characters.
// Commas inside Hollerith strings are text, not delimiters: a piece that ends there
// would pad the string with the line's blanks.
std::vector<std::string> CutIgesRecord(std::string_view record, std::size_t width);

// Coordinates and sizes: fixed with 3 decimals (shifted by the decimals setting).
std::string IgesCoordinate(double value, const FormatSettings& format);
// Matrix entries and scale factors: fixed with 6 decimals (shifted likewise).
std::string IgesMatrixEntry(double value, const FormatSettings& format);
// Text angle in radians: significant with 6 decimals.
std::string IgesAngle(double radians, const FormatSettings& format);
// The largest coordinate of the global section: three significant digits.
std::string IgesLargestCoordinate(double value, const FormatSettings& format);

}  // namespace zt6

#include "cad/iges_records.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "base/number_format.h"

namespace zt6 {

namespace {

constexpr std::size_t kContentColumns = 72;
constexpr std::size_t kParameterColumns = 64;
constexpr std::size_t kFieldColumns = 8;

std::string Padded(std::string_view text, std::size_t width) {
  std::string out(text);
  if (out.size() < width) out.append(width - out.size(), ' ');
  return out;
}

std::string RightAligned(std::string_view text, std::size_t width) {
  std::string out(text);
  if (out.size() < width) out.insert(0, width - out.size(), ' ');
  return out;
}

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// IGES reals carry a point; "-0.000" is plain zero.
std::string RealForm(std::string text) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '-' && text.find_first_of("123456789") == std::string::npos)
    text.erase(0, 1);
  if (text.find('.') == std::string::npos) text += '.';
  return text;
}

FormatSettings WithPoint(const FormatSettings& format) {
  FormatSettings dot = format;
  dot.decimalSeparator = 1;
  return dot;
}

// Positions of the commas that separate parameters, skipping Hollerith strings.
std::vector<bool> DelimiterCommas(std::string_view record) {
  std::vector<bool> delimiter(record.size(), false);
  std::size_t pos = 0;
  while (pos < record.size()) {
    std::size_t digits = pos;
    while (digits < record.size() && std::isdigit(static_cast<unsigned char>(record[digits])))
      ++digits;
    if (digits > pos && digits - pos <= 9 && digits < record.size() && record[digits] == 'H') {
      const std::size_t length = std::stoul(std::string(record.substr(pos, digits - pos)));
      pos = std::min(record.size(), digits + 1 + length);
    }
    const std::size_t end = record.find_first_of(",;", pos);
    if (end == std::string_view::npos) break;
    if (record[end] == ',') delimiter[end] = true;
    pos = end + 1;
  }
  return delimiter;
}

}  // namespace

std::string IgesLine(std::string_view content, char section, int sequence) {
  char number[16];
  std::snprintf(number, sizeof number, "%07d", sequence);
  return Padded(content, kContentColumns) + section + number + "\r\n";
}

std::string IgesParameterLine(std::string_view data, int dePointer, int sequence) {
  return IgesLine(Padded(data, kParameterColumns) + RightAligned(std::to_string(dePointer), 8), 'P',
                  sequence);
}

std::string IgesField(std::string_view value) {
  return RightAligned(Trimmed(value).substr(0, kFieldColumns), kFieldColumns);
}

std::string Hollerith(std::string_view text) {
  if (text.empty()) return {};
  return std::to_string(text.size()) + "H" + std::string(text);
}

std::vector<std::string> CutIgesRecord(std::string_view record, std::size_t width) {
  std::vector<std::string> pieces;
  if (width < 2) width = 2;
  const std::vector<bool> delimiter = DelimiterCommas(record);
  std::size_t start = 0;
  while (record.size() - start > width) {
    std::size_t length = width;
    for (std::size_t i = start + width - 1; i > start; --i) {
      if (delimiter[i - 1]) {
        length = i - start;
        break;
      }
    }
    pieces.emplace_back(record.substr(start, length));
    start += length;
  }
  pieces.emplace_back(record.substr(start));
  return pieces;
}

std::string IgesCoordinate(double value, const FormatSettings& format) {
  return RealForm(FormatSignificantDecimals(value, 3, WithPoint(format)));
}

std::string IgesMatrixEntry(double value, const FormatSettings& format) {
  return RealForm(FormatFixed(value, 0, 6, WithPoint(format)));
}

std::string IgesAngle(double radians, const FormatSettings& format) {
  return RealForm(FormatSignificantDecimals(radians, 6, WithPoint(format)));
}

std::string IgesLargestCoordinate(double value, const FormatSettings& format) {
  return RealForm(FormatSignificant(value, WithPoint(format)));
}

}  // namespace zt6

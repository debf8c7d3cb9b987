#pragma once
// The entries of the configuration file in file order: the one description of each
// entry (label, setting, encoding, default, correction when read, the file generation
// that added it) that the defaults, the reader and the writer all walk.
//
// An entry is a label line, left out where the entry has none, and one value line;
// only the plot command lines take a count and that many lines less one.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "app/files/configuration.h"

namespace zt6 {

template <typename T>
struct SettingAccess {
  T (*get)(const Configuration&);
  void (*set)(Configuration&, T);
};

// A whole number read is replaced when below low, above high, or 0 where 0 means unset.
struct WholeRule {
  std::int32_t low = std::numeric_limits<std::int32_t>::min();
  std::int32_t high = std::numeric_limits<std::int32_t>::max();
  bool zeroUnset = false;
  std::int32_t replacement = 0;
};

// A real read is replaced when it (or its magnitude) lies below `below`.
struct RealRule {
  double below = -std::numeric_limits<double>::infinity();
  bool magnitude = false;
  double replacement = 0.0;
};

// What an empty text line reads as.
enum class EmptyText { Empty, Default, StartFolder };

inline constexpr std::size_t kAnyWidth = std::string::npos;

struct TextEntry {
  SettingAccess<std::string> access;
  std::string_view initial;
  std::size_t width = kAnyWidth;  // cut to when read and written
  EmptyText empty = EmptyText::Empty;
};
struct IntegerEntry {
  SettingAccess<std::int32_t> access;
  std::int32_t initial;
  WholeRule rule;
};
struct RealEntry {
  SettingAccess<double> access;
  double initial;
  RealRule rule;
};
struct BooleanEntry {
  SettingAccess<bool> access;
  bool initial;
  bool trueUnlessFalse = false;  // else TRUE only for the line "TRUE"
};
// The count of plot command lines, then lines 2 .. n.
struct PlotLinesEntry {};

struct ConfigurationEntry {
  std::string_view label;  // UTF-8; empty: no label line
  int since;               // the file generation that added the entry
  std::variant<TextEntry, IntegerEntry, RealEntry, BooleanEntry, PlotLinesEntry> value;
  // Read only while the file has not ended; other entries read empty lines past it.
  bool onlyWhileInFile = false;
  // Applied when a file ends right before this entry, the first of its generation.
  void (*olderFile)(Configuration&) = nullptr;
};

std::span<const ConfigurationEntry> ConfigurationEntries();

}  // namespace zt6

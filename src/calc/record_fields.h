#pragma once
// The design record's fields by external name: one table shared by every place that
// reads or writes the record by name (command line, project table, scripting).
// Names are the printed symbols with blanks replaced by "_"; material fields sit
// under "shaft." and "hub.".

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "calc/design_record.h"

namespace zt6 {

enum class FieldRole { Input, Result };
enum class FieldKind { Real, Whole, Selector, Text };

// Real fields hold a double, whole numbers and selectors an int32, texts CP850 bytes.
using FieldValue = std::variant<double, std::int32_t, std::string>;

struct RecordField {
  std::string_view name;
  FieldRole role;
  FieldKind kind;
  std::int32_t minimum;  // whole numbers and selectors
  std::int32_t maximum;
  std::size_t width;     // texts; 0 = no limit
  FieldValue (*get)(const DesignRecord&);
  // Stores a value already checked by CheckFieldValue; null for results.
  void (*set)(DesignRecord&, const FieldValue&);
};

// Inputs first, then results, each in the record's order.
std::span<const RecordField> RecordFields();
// Null when no field has that name.
const RecordField* FindRecordField(std::string_view name);

// The value as the field stores it: a real for a whole-number text is accepted, a
// text is cut to the field width; empty when the kind does not match or a whole
// number or selector lies outside its range.
std::optional<FieldValue> CheckFieldValue(const RecordField& field, FieldValue value);
// Reads a typed value ("." or the first "," as decimal point; whole numbers and
// selectors must be whole). Text fields take the text (CP850) as it is, cut to width.
std::optional<FieldValue> ParseFieldValue(const RecordField& field, std::string_view text);
// Checks and stores; false (record unchanged) for results and refused values.
bool SetField(const RecordField& field, DesignRecord& design, FieldValue value);

}  // namespace zt6

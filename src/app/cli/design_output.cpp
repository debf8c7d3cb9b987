#include "app/cli/design_output.h"

#include <string>
#include <string_view>
#include <variant>

#include "base/codepage.h"
#include "base/json_writer.h"
#include "calc/record_fields.h"

namespace zt6 {

namespace {

std::string ListingValue(const FieldValue& value) {
  if (const auto* real = std::get_if<double>(&value)) return ShortestNumber(*real);
  if (const auto* whole = std::get_if<std::int32_t>(&value)) return std::to_string(*whole);
  return Cp850ToUtf8(std::get<std::string>(value));
}

void WriteJsonValue(ValueWriter& json, const FieldValue& value) {
  if (const auto* real = std::get_if<double>(&value)) {
    json.Number(*real);
  } else if (const auto* whole = std::get_if<std::int32_t>(&value)) {
    json.Integer(*whole);
  } else {
    json.String(Cp850ToUtf8(std::get<std::string>(value)));
  }
}

}  // namespace

void WriteDesignMembers(ValueWriter& json, const DesignRecord& design, const RunMessages& messages) {
  for (const FieldRole role : {FieldRole::Input, FieldRole::Result}) {
    json.Key(role == FieldRole::Input ? "inputs" : "results");
    json.BeginObject();
    // The per-part fields ("shaft.Re") sit in the objects "shaft" and "hub".
    for (const std::string_view part : {std::string_view{}, std::string_view{"shaft."},
                                        std::string_view{"hub."}}) {
      if (!part.empty()) {
        json.Key(part.substr(0, part.size() - 1));
        json.BeginObject();
      }
      for (const RecordField& field : RecordFields()) {
        const std::string_view name = field.name;
        const bool inPart = part.empty() ? name.find('.') == std::string_view::npos
                                         : name.starts_with(part);
        if (field.role != role || !inPart) continue;
        json.Key(name.substr(part.size()));
        WriteJsonValue(json, field.get(design));
      }
      if (!part.empty()) json.EndObject();
    }
    json.EndObject();
  }
  json.Key("messages");
  json.BeginArray();
  for (int k = 1; k <= messages.Count(); ++k) json.String(Cp850ToUtf8(messages.Message(k)));
  json.EndArray();
  json.Key("fatal");
  json.Bool(messages.FatalFlag());
}

void WriteDesignListing(const DesignRecord& design, const RunMessages& messages,
                        std::ostream& out) {
  for (const FieldRole role : {FieldRole::Input, FieldRole::Result}) {
    out << (role == FieldRole::Input ? "[inputs]\n" : "\n[results]\n");
    for (const RecordField& field : RecordFields()) {
      if (field.role == role) out << field.name << " = " << ListingValue(field.get(design)) << '\n';
    }
  }
  out << "\n[messages]\n";
  for (int k = 1; k <= messages.Count(); ++k) out << Cp850ToUtf8(messages.Message(k)) << '\n';
}

}  // namespace zt6

#include "app/cli/design_output.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

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

// The members of "inputs" or "results": the plain fields, then those of "shaft" and
// "hub", each with the name it is written under.
struct MemberGroup {
  struct Member {
    const RecordField* field;
    std::string_view key;
  };
  std::vector<Member> plain, shaft, hub;
};

MemberGroup GroupOf(FieldRole role) {
  MemberGroup group;
  for (const RecordField& field : RecordFields()) {
    if (field.role != role) continue;
    const std::string_view name = field.name;
    if (name.starts_with("shaft.")) {
      group.shaft.push_back({&field, name.substr(6)});
    } else if (name.starts_with("hub.")) {
      group.hub.push_back({&field, name.substr(4)});
    } else if (name.find('.') == std::string_view::npos) {
      group.plain.push_back({&field, name});
    }
  }
  return group;
}

void WriteMembers(ValueWriter& json, const std::vector<MemberGroup::Member>& members,
                  const DesignRecord& design) {
  for (const MemberGroup::Member& member : members) {
    json.Key(member.key);
    WriteJsonValue(json, member.field->get(design));
  }
}

}  // namespace

void WriteDesignMembers(ValueWriter& json, const DesignRecord& design, const RunMessages& messages) {
  // Sorted out once: every result of zt6 calc, a batch or a sweep writes the same members.
  static const MemberGroup kInputs = GroupOf(FieldRole::Input);
  static const MemberGroup kResults = GroupOf(FieldRole::Result);
  for (const MemberGroup* group : {&kInputs, &kResults}) {
    json.Key(group == &kInputs ? "inputs" : "results");
    json.BeginObject();
    WriteMembers(json, group->plain, design);
    json.Key("shaft");
    json.BeginObject();
    WriteMembers(json, group->shaft, design);
    json.EndObject();
    json.Key("hub");
    json.BeginObject();
    WriteMembers(json, group->hub, design);
    json.EndObject();
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

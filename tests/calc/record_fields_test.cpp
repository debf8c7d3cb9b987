#include "calc/record_fields.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zt6 {
namespace {

// A value of the field's kind that differs from every initial value.
FieldValue Distinct(const RecordField& field, int i) {
  switch (field.kind) {
    case FieldKind::Real:
      return 1000.25 + i;
    case FieldKind::Whole:
      return std::int32_t{1000 + i};
    case FieldKind::Selector:
      return field.maximum;
    case FieldKind::Text:
      return "T" + std::to_string(i);
  }
  return 0.0;
}

TEST(RecordFields, NamesAreUniqueAndInputsComeFirst) {
  std::set<std::string_view> names;
  bool inResults = false;
  for (const RecordField& field : RecordFields()) {
    EXPECT_TRUE(names.insert(field.name).second) << field.name;
    if (field.role == FieldRole::Result) inResults = true;
    EXPECT_EQ(field.role == FieldRole::Input, !inResults) << field.name;
    EXPECT_EQ(field.set != nullptr, field.role == FieldRole::Input) << field.name;
    EXPECT_EQ(FindRecordField(field.name), &field);
  }
  EXPECT_EQ(FindRecordField("Dii_"), nullptr);
  EXPECT_EQ(FindRecordField("shaft"), nullptr);
}

// Each input name reaches its own member and no other field.
TEST(RecordFields, EveryInputSetsExactlyItsOwnMember) {
  const DesignRecord initial;
  int i = 0;
  for (const RecordField& field : RecordFields()) {
    if (field.role != FieldRole::Input) continue;
    DesignRecord design;
    const FieldValue value = Distinct(field, ++i);
    ASSERT_TRUE(SetField(field, design, value)) << field.name;
    for (const RecordField& other : RecordFields()) {
      if (&other == &field) {
        EXPECT_EQ(other.get(design), value) << field.name;
      } else {
        EXPECT_EQ(other.get(design), other.get(initial)) << field.name << " changed " << other.name;
      }
    }
  }
}

TEST(RecordFields, ResultsReadTheirMembers) {
  DesignRecord design;
  design.SMean = 1.5;
  design.alphaW = 2.5;
  design.DByZ = 3.5;
  design.Fbeta[1] = 4.5;
  design.material[1].Seq = 5.5;
  design.material[0].Smax = 6.5;
  design.Smax = 7.5;
  const std::pair<const char*, double> expected[] = {
      {"S_mean", 1.5},   {"alpha_w", 2.5},    {"D/z", 3.5}, {"F_beta_hub", 4.5},
      {"hub.Seq", 5.5},  {"shaft.Smax", 6.5}, {"Smax", 7.5}};
  for (const auto& [name, value] : expected) {
    const RecordField* field = FindRecordField(name);
    ASSERT_NE(field, nullptr) << name;
    EXPECT_EQ(field->get(design), FieldValue(value)) << name;
    EXPECT_FALSE(SetField(*field, design, 1.0)) << name;
  }
  EXPECT_EQ(design.SMean, 1.5);
}

TEST(RecordFields, TypedValuesAreCheckedByKind) {
  struct Case {
    const char* name;
    const char* text;
    std::optional<FieldValue> expected;
  };
  const Case cases[] = {
      {"Dii", "12.5", 12.5},
      {"Dii", " 12,5", 12.5},
      {"Dii", "12a", std::nullopt},
      {"Dii", "nan", std::nullopt},
      {"z", "31", std::int32_t{31}},
      {"z", "31.5", std::nullopt},
      {"dimension_source", "2", std::int32_t{2}},
      {"dimension_source", "0", std::nullopt},
      {"dimension_source", "3", std::nullopt},
      {"tolerance_class", "2", std::int32_t{2}},
      {"computed_quantity", "3", std::int32_t{3}},
      {"computed_quantity", "4", std::nullopt},
      {"shaft.table_row", "65535", std::int32_t{65535}},
      {"shaft.table_row", "65536", std::nullopt},
      {"hub.Re", "-5", std::int32_t{-5}},
      {"shaft.number", "1.23456789XYZ", std::string("1.2345678")},
      {"hub.name", "", std::string()},
  };
  for (const Case& c : cases) {
    const RecordField* field = FindRecordField(c.name);
    ASSERT_NE(field, nullptr) << c.name;
    EXPECT_EQ(ParseFieldValue(*field, c.text), c.expected) << c.name << " = " << c.text;
  }
  // A whole-valued real is taken for a whole number, a fraction is not.
  const RecordField& z = *FindRecordField("z");
  DesignRecord design;
  EXPECT_TRUE(SetField(z, design, 14.0));
  EXPECT_EQ(design.z, 14);
  EXPECT_FALSE(SetField(z, design, 14.5));
  EXPECT_FALSE(SetField(z, design, std::string("15")));
  EXPECT_EQ(design.z, 14);
}

}  // namespace
}  // namespace zt6

#include "base/json_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>
#include <sstream>

#include "support/flat_json.h"

namespace zt6 {
namespace {

using test_support::FlatJsonReader;
using test_support::JsonEntry;

TEST(JsonWriter, StringsAreEscapedAndReadBackUnchanged) {
  const std::string text = "quote \" backslash \\ tab\t line\n cr\r bell\x07 del\x7f \xC2\xB5m";
  EXPECT_EQ(JsonString(text),
            "\"quote \\\" backslash \\\\ tab\\t line\\n cr\\r bell\\u0007 del\\u007f \xC2\xB5m\"");
  const auto read = FlatJsonReader::Read(JsonString(text));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->at("").text, text);
  // Ill-formed UTF-8 must not leak into the output.
  EXPECT_EQ(JsonString("a\xFF" "b"), "\"a\xEF\xBF\xBD" "b\"");
}

TEST(JsonWriter, NumbersAreShortestAndReadBackExactly) {
  const double values[] = {0.0,
                           -0.0,
                           12.29,
                           0.1,
                           1.0 / 3.0,
                           std::numbers::pi * 13.2 / 31,
                           -9.5e-7,
                           1e21,
                           std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::denorm_min()};
  for (const double value : values) {
    const std::string text = ShortestNumber(value);
    const auto read = FlatJsonReader::Read(text);
    ASSERT_TRUE(read) << text;
    EXPECT_EQ(read->at("").number, value) << text;
    EXPECT_EQ(std::signbit(read->at("").number), std::signbit(value)) << text;
  }
  EXPECT_EQ(ShortestNumber(12.29), "12.29");
  EXPECT_EQ(ShortestNumber(400), "400");
  for (const double bad : {std::numeric_limits<double>::quiet_NaN(),
                           std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(ShortestNumber(bad), "0");
  }
}

// The same structure in both layouts: valid JSON with the same content; the one-line
// layout has a single newline, at its end, so each record is one line of a stream.
TEST(JsonWriter, NestedStructureIsValidJsonInBothLayouts) {
  for (const JsonLayout layout : {JsonLayout::Indented, JsonLayout::OneLine}) {
    SCOPED_TRACE(layout == JsonLayout::OneLine ? "one line" : "indented");
    std::ostringstream out;
    JsonWriter json(out, layout);
    json.BeginObject();
    json.Key("empty object");
    json.BeginObject();
    json.EndObject();
    json.Key("list");
    json.BeginArray();
    json.Integer(-7);
    json.Number(std::numeric_limits<double>::quiet_NaN());
    json.String("x");
    json.BeginArray();
    json.EndArray();
    json.BeginObject();
    json.Key("deep");
    json.Bool(false);
    json.EndObject();
    json.EndArray();
    json.Key("ok");
    json.Bool(true);
    json.EndObject();

    const auto read = FlatJsonReader::Read(out.str());
    ASSERT_TRUE(read) << out.str();
    EXPECT_EQ(read->at("").text, "3");
    EXPECT_EQ(read->at("empty object").kind, JsonEntry::Kind::Object);
    EXPECT_EQ(read->at("empty object").text, "0");
    EXPECT_EQ(read->at("list").text, "5");
    EXPECT_EQ(read->at("list.0").text, "-7");
    EXPECT_EQ(read->at("list.1").text, "0");
    EXPECT_EQ(read->at("list.2").text, "x");
    EXPECT_EQ(read->at("list.3").kind, JsonEntry::Kind::Array);
    EXPECT_EQ(read->at("list.4.deep").text, "false");
    EXPECT_EQ(read->at("ok").text, "true");
    const std::string text = out.str();
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    if (layout == JsonLayout::OneLine) {
      EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
      EXPECT_EQ(text.find(": "), std::string::npos) << text;
    } else {
      EXPECT_GT(std::count(text.begin(), text.end(), '\n'), 10);
    }
  }
}

}  // namespace
}  // namespace zt6

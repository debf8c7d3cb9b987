#pragma once
// Reading what a zt6 command printed as JSON in a test: the flat map, a failure when it
// is not JSON, and numbers by their path.

#include <gtest/gtest.h>

#include <string>

#include "support/flat_json.h"

namespace zt6::test_support {

inline FlatJson ReadJson(const std::string& text) {
  const auto json = FlatJsonReader::Read(text);
  EXPECT_TRUE(json) << "not valid JSON:\n" << text;
  return json.value_or(FlatJson{});
}

inline double NumberAt(const FlatJson& json, const std::string& path) {
  const auto it = json.find(path);
  if (it == json.end() || it->second.kind != JsonEntry::Kind::Number) {
    ADD_FAILURE() << "no number at " << path;
    return 0;
  }
  return it->second.number;
}

}  // namespace zt6::test_support

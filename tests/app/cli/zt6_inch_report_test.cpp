// The English report of the inch example with the English configuration (inch units):
// every number of every row against the millimetre calculation of "zt6 calc --json",
// converted here, rounded to the decimals the report prints. The row's symbol and unit
// together name the value, so the tooth thickness Smax (in) and the safety Smax (no
// unit) are told apart and a wrong unit fails too.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/flat_json.h"
#include "support/run_zt6.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::RunZt6Command;

// The unit system's conversions: 1 in = 25.4 mm; psi = MPa · 145.037 and
// lbf·in = N·m · 8.850749005, the factors the English units are defined with (from
// first principles psi would be MPa · 145.0377: pzul = 814.2 MPa then gives 118090 psi,
// where the defined factor gives 118089, so the report must keep the defined one).
constexpr double kMmPerInch = 25.4;
constexpr double kPsiPerMpa = 145.037;
constexpr double kPoundInchPerNewtonMetre = 8.850749005255468551;
constexpr double kPi = 3.14159265358979323846;

enum class Quantity { Plain, Length, Stress, Torque, Radians };

double Converted(double value, Quantity q) {
  switch (q) {
    case Quantity::Length: return value / kMmPerInch;
    case Quantity::Stress: return value * kPsiPerMpa;
    case Quantity::Torque: return value * kPoundInchPerNewtonMetre;
    case Quantity::Radians: return value * 180 / kPi;
    case Quantity::Plain: break;
  }
  return value;
}

struct Expected {
  Quantity quantity;
  std::vector<std::string> keys;  // one per value column: shaft, then hub
  double factor = 1;              // the tolerance shares of TG
};

// "symbol|unit" as printed -> the JSON values (millimetres, MPa, N·m) the row shows.
const std::map<std::string, Expected>& Rows() {
  using Q = Quantity;
  static const std::map<std::string, Expected> rows = {
      {"z|", {Q::Plain, {"inputs.z"}}},
      {"P|in", {Q::Length, {"results.P"}}},
      {"D|in", {Q::Length, {"inputs.D"}}},
      {"gam.e|°", {Q::Plain, {"inputs.gamma_e"}}},
      {"Dee|in", {Q::Length, {"inputs.Dee"}}},
      {"Deemin|in", {Q::Length, {"results.Deemin"}}},
      {"Deemax|in", {Q::Length, {"results.Deemax"}}},
      {"remax|in", {Q::Length, {"inputs.re_max"}}},
      {"Diemin|in", {Q::Length, {"results.Diemin"}}},
      {"Diemax|in", {Q::Length, {"results.Diemax"}}},
      {"DFemax|in", {Q::Length, {"results.DFemax"}}},
      {"gam.i|°", {Q::Plain, {"results.gamma_i"}}},
      {"Dii|in", {Q::Length, {"inputs.Dii"}}},
      {"Diimin|in", {Q::Length, {"results.Diimin"}}},
      {"Diimax|in", {Q::Length, {"results.Diimax"}}},
      {"rimax|in", {Q::Length, {"inputs.ri_max"}}},
      {"Deimin|in", {Q::Length, {"results.Deimin"}}},
      {"Deimax|in", {Q::Length, {"results.Deimax"}}},
      {"DFimin|in", {Q::Length, {"results.DFimin"}}},
      {"l|in", {Q::Length, {"inputs.l"}}},
      {"TGe|in", {Q::Length, {"inputs.TGe"}}},
      {"Tacte|in", {Q::Length, {"inputs.TGe"}, 0.625}},
      {"Teffe|in", {Q::Length, {"inputs.TGe"}, 0.375}},
      {"Sv|in", {Q::Length, {"results.Sv"}}},
      {"Smax|in", {Q::Length, {"results.Smax"}}},
      {"Smin|in", {Q::Length, {"results.Smin"}}},
      {"DRe|in", {Q::Length, {"inputs.DRe"}}},
      {"MReV|in", {Q::Length, {"results.MReV"}}},
      {"MRemax|in", {Q::Length, {"results.MRemax"}}},
      {"MRemin|in", {Q::Length, {"results.MRemin"}}},
      {"TGi|in", {Q::Length, {"inputs.TGi"}}},
      {"Tacti|in", {Q::Length, {"inputs.TGi"}, 0.625}},
      {"Teffi|in", {Q::Length, {"inputs.TGi"}, 0.375}},
      {"Emax|in", {Q::Length, {"results.Emax"}}},
      {"Emin|in", {Q::Length, {"results.Emin"}}},
      {"Ev|in", {Q::Length, {"results.Ev"}}},
      {"DRi|in", {Q::Length, {"inputs.DRi"}}},
      {"MRimax|in", {Q::Length, {"results.MRimax"}}},
      {"MRimin|in", {Q::Length, {"results.MRimin"}}},
      {"MRiV|in", {Q::Length, {"results.MRiV"}}},
      {"Re|psi", {Q::Stress, {"inputs.shaft.Re", "inputs.hub.Re"}}},
      {"fS|", {Q::Plain, {"inputs.shaft.fS", "inputs.hub.fS"}}},
      {"fH|", {Q::Plain, {"inputs.shaft.fH", "inputs.hub.fH"}}},
      {"pzul|psi", {Q::Stress, {"results.shaft.pzul", "results.hub.pzul"}}},
      {"TN|lbfin", {Q::Torque, {"inputs.TN"}}},
      {"Tmax|lbfin", {Q::Torque, {"inputs.Tmax"}}},
      {"Teq|lbfin", {Q::Torque, {"results.Teq"}}},
      {"KA|", {Q::Plain, {"inputs.KA"}}},
      {"fW|", {Q::Plain, {"inputs.fW"}}},
      {"rm|in", {Q::Length, {"results.rm"}}},
      {"alpha w|°", {Q::Radians, {"results.alpha_w"}}},
      {"rw|in", {Q::Length, {"results.rw"}}},
      {"hw|in", {Q::Length, {"results.hw"}}},
      {"L|in", {Q::Length, {"inputs.l"}}},
      {"K lambda|", {Q::Plain, {"inputs.K_lambda"}}},
      {"K phiβeq|", {Q::Plain, {"results.K_phi_eq"}}},
      {"K phiβmax|", {Q::Plain, {"results.K_phi_max"}}},
      {"peq|psi", {Q::Stress, {"results.peq"}}},
      {"pmax|psi", {Q::Stress, {"results.pmax"}}},
      {"taunmax|psi", {Q::Stress, {"results.taunmax"}}},
      {"fL|", {Q::Plain, {"inputs.fL_shaft", "inputs.fL_hub"}}},
      {"Seq|", {Q::Plain, {"results.shaft.Seq", "results.hub.Seq"}}},
      {"Smax|", {Q::Plain, {"results.shaft.Smax", "results.hub.Smax"}}},
  };
  return rows;
}

// The trimmed text of `length` characters after the first `from` of a UTF-8 line: the
// report's symbol starts at column 35, its unit at 44, the values after it.
std::string Column(const std::string& utf8, std::size_t from, std::size_t length) {
  std::size_t byte = 0;
  std::size_t character = 0;
  const auto advance = [&] {
    const unsigned char c = static_cast<unsigned char>(utf8[byte]);
    byte += c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    ++character;
  };
  while (byte < utf8.size() && character < from) advance();
  const std::size_t start = byte;
  while (byte < utf8.size() && character < from + length) advance();
  std::string text = utf8.substr(start, byte - start);
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The leading numbers of the value columns ("1.12 a11" gives 1.12) with their decimals.
std::vector<std::pair<double, int>> Values(const std::string& columns) {
  std::vector<std::pair<double, int>> values;
  std::istringstream words(columns);
  for (std::string w; words >> w;) {
    std::size_t end = 0;
    while (end < w.size() && (std::isdigit(static_cast<unsigned char>(w[end])) || w[end] == '.'))
      ++end;
    if (end == 0) continue;
    const auto point = w.find('.');
    values.push_back(
        {std::stod(w.substr(0, end)), point < end ? static_cast<int>(end - point - 1) : 0});
  }
  return values;
}

TEST(Zt6InchReport, EveryNumberIsTheMillimetreValueConverted) {
  const test_support::TempDir dir("zt6_inch_report");
  fs::copy_file(fs::path(ZT6_DATA_DIR) / "examples" / "english" / "zt6.cfg",
                dir.path() / "zt6.cfg");
  fs::current_path(dir.path());  // the configuration of the working folder; restored
  const std::string project = std::string(ZT6_DATA_DIR) + "/examples/inch_shaft.zt6";

  const auto calc = RunZt6Command({"calc", project, "--json"});
  ASSERT_EQ(calc.exitCode, 0) << calc.err;
  const auto json = test_support::FlatJsonReader::Read(calc.out);
  ASSERT_TRUE(json.has_value());
  const auto report = RunZt6Command({"report", project, "--language", "2"});
  ASSERT_EQ(report.exitCode, 0) << report.err;

  std::set<std::string> seen;
  std::istringstream lines(report.out);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() < 7) continue;
    line.erase(0, 7);  // the report's indent
    const std::string key = Column(line, 34, 9) + "|" + Column(line, 43, 6);
    const auto row = Rows().find(key);
    if (row == Rows().end()) continue;
    SCOPED_TRACE(line);
    EXPECT_TRUE(seen.insert(key).second) << "twice: " << key;
    const auto values = Values(Column(line, 49, 40));
    ASSERT_EQ(values.size(), row->second.keys.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
      const std::string& name = row->second.keys[i];
      ASSERT_TRUE(json->count(name)) << name;
      const double expected =
          Converted(json->at(name).number * row->second.factor, row->second.quantity);
      const auto [printed, decimals] = values[i];
      EXPECT_LE(std::fabs(printed - expected), 0.5 * std::pow(10.0, -decimals) + 1e-9)
          << key << ": " << name << " gives " << expected << ", printed " << printed;
    }
  }
  // Every row of the table above was in the report.
  EXPECT_EQ(seen.size(), Rows().size());
  for (const auto& [key, expected] : Rows()) EXPECT_TRUE(seen.count(key)) << key;
}

}  // namespace
}  // namespace zt6

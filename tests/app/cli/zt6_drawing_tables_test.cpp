// The tables on the manufacturing drawings (6-8) and the tolerance tables (11-13) of every
// bundled example, value by value against "zt6 calc --json": each table row is found by
// its symbol in the text CAD file, and the number beside it must be the calculated value
// rounded to the decimals printed. A value in the wrong row (Smax for Smin) fails.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/bundled_examples.h"
#include "support/file_bytes.h"
#include "support/flat_json.h"
#include "support/run_zt6.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;
using test_support::RunZt6Command;

struct DrawnText {
  std::string group;  // the block, or "ENTITIES"
  double x;
  double y;
  std::string text;  // trimmed, Windows-1252
};

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::vector<DrawnText> TextsOf(const std::string& cadText) {
  std::vector<DrawnText> texts;
  std::string group;
  std::istringstream lines(cadText);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> f;
    std::istringstream parts(line);
    for (std::string field; std::getline(parts, field, '\t');) f.push_back(field);
    if (f.empty()) continue;
    if (f[0] == "BLOCK" && f.size() > 1) group = f[1];
    if (f[0] == "SECTION ENTITIES") group = "ENTITIES";
    if (f[0] == "TEXT" && f.size() > 3)
      texts.push_back({group, std::stod(f[1]), std::stod(f[2]), Trimmed(f[3])});
  }
  return texts;
}

// The leading number of a cell ("(0.5606)", "17.14 max", "20.0 a11") and its decimals.
bool Number(const std::string& cell, double& value, int& decimals) {
  std::string s = cell;
  if (!s.empty() && s.front() == '(') s.erase(0, 1);
  std::size_t end = 0;
  while (end < s.size() && (std::isdigit(static_cast<unsigned char>(s[end])) || s[end] == '.' ||
                            (end == 0 && s[end] == '-')))
    ++end;
  if (end == 0 || !std::isdigit(static_cast<unsigned char>(s[end - 1]))) return false;
  value = std::stod(s.substr(0, end));
  const auto point = s.find('.');
  decimals = point < end ? static_cast<int>(end - point - 1) : 0;
  return true;
}

// The numbers right of a cell on its row, left to right (units and words skipped).
std::vector<std::pair<double, int>> RowValues(const std::vector<DrawnText>& texts,
                                              const DrawnText& at) {
  std::map<double, std::pair<double, int>> byX;
  for (const DrawnText& t : texts) {
    double v = 0;
    int d = 0;
    if (t.group == at.group && std::fabs(t.y - at.y) < 1e-6 && t.x > at.x && t.x < at.x + 70 &&
        Number(t.text, v, d))
      byX[t.x] = {v, d};
  }
  std::vector<std::pair<double, int>> values;
  for (const auto& [x, v] : byX) values.push_back(v);
  return values;
}

enum class Table { Shaft, Hub, Load, Strength };

// The table a symbol belongs to: the nearest title above it and to its left.
bool TableOf(const std::vector<DrawnText>& texts, const DrawnText& cell, Table& table) {
  const DrawnText* best = nullptr;
  for (const DrawnText& t : texts) {
    const bool title = t.text.starts_with("Welle ") || t.text.starts_with("Nabe ") ||
                       t.text == "Last" || t.text == "FESTIGKEIT";
    if (title && t.group == cell.group && t.x <= cell.x && t.y > cell.y &&
        (!best || t.x > best->x || (t.x == best->x && t.y < best->y)))
      best = &t;
  }
  if (!best) return false;
  table = best->text.starts_with("Welle ") ? Table::Shaft
          : best->text.starts_with("Nabe ") ? Table::Hub
          : best->text == "Last"            ? Table::Load
                                            : Table::Strength;
  return true;
}

// Each row's symbol (as written, Windows-1252, which spells the beta out) and the JSON
// value(s) it prints; the
// strength table prints shaft and hub side by side.
const std::map<Table, std::map<std::string, std::vector<std::string>>>& Rows() {
  static const std::map<Table, std::map<std::string, std::vector<std::string>>> rows = {
      {Table::Shaft,
       {{"Z", {"inputs.z"}},           {"m", {"results.D/z"}},
        {"gam.e", {"inputs.gamma_e"}}, {"D", {"inputs.D"}},
        {"Dee", {"inputs.Dee"}},       {"DFe", {"results.DFemax"}},
        {"Remax", {"inputs.re_max"}},  {"Sv", {"results.Sv"}},
        {"Smax", {"results.Smax"}},    {"Smin", {"results.Smin"}},
        {"DRe", {"inputs.DRe"}},       {"MRemax", {"results.MRemax"}},
        {"MRemin", {"results.MRemin"}}, {"Falpha", {"results.F_alpha_shaft"}},
        {"Fbeta", {"results.F_beta_shaft"}}, {"Fp", {"results.F_p_shaft"}},
        {"Fr", {"results.Fr"}}}},
      {Table::Hub,
       {{"Z", {"inputs.z"}},            {"m", {"results.D/z"}},
        {"gam.i", {"results.gamma_i"}}, {"D", {"inputs.D"}},
        {"Rimax", {"inputs.ri_max"}},   {"DFi", {"results.DFimin"}},
        {"Dii", {"inputs.Dii"}},        {"Emax", {"results.Emax"}},
        {"Emin", {"results.Emin"}},     {"Ev", {"results.Ev"}},
        {"DRi", {"inputs.DRi"}},        {"MRimax", {"results.MRimax"}},
        {"MRimin", {"results.MRimin"}}, {"Falpha", {"results.F_alpha_hub"}},
        {"Fbeta", {"results.F_beta_hub"}}, {"Fp", {"results.F_p_hub"}},
        {"Fr", {"results.Fr"}}}},
      {Table::Load,
       {{"TN", {"inputs.TN"}},
        {"Tmax", {"inputs.Tmax"}},
        {"KA", {"inputs.KA"}},
        {"Teq", {"results.Teq"}},
        {"l", {"inputs.l"}},
        {"fW", {"inputs.fW"}},
        {"K lambda", {"inputs.K_lambda"}},
        {"peq", {"results.peq"}},
        {"pmax", {"results.pmax"}}}},
      {Table::Strength,
       {{"Re", {"inputs.shaft.Re", "inputs.hub.Re"}},
        {"fS", {"inputs.shaft.fS", "inputs.hub.fS"}},
        {"fH", {"inputs.shaft.fH", "inputs.hub.fH"}},
        {"pzul", {"results.shaft.pzul", "results.hub.pzul"}},
        {"fL", {"inputs.fL_shaft", "inputs.fL_hub"}},
        {"Seq", {"results.shaft.Seq", "results.hub.Seq"}},
        {"Smax", {"results.shaft.Smax", "results.hub.Smax"}}}},
  };
  return rows;
}

struct Drawing {
  int number;
  std::set<Table> tables;
  std::vector<std::string> fits;  // fit table rows: "a11" shaft tip, "A11" hub tip
};

class DrawingTables : public testing::TestWithParam<std::string> {};

TEST_P(DrawingTables, EveryValueIsTheCalculatedOne) {
  const fs::path project = fs::path(ZT6_DATA_DIR) / "examples" / GetParam();
  const auto calc = RunZt6Command({"calc", project.string(), "--json"});
  ASSERT_EQ(calc.exitCode, 0) << calc.err;
  const auto json = test_support::FlatJsonReader::Read(calc.out);
  ASSERT_TRUE(json.has_value());
  const auto expectValue = [&](const std::string& key, double printed, int decimals,
                               const std::string& where) {
    ASSERT_TRUE(json->count(key)) << key;
    // Rounded to the decimals printed: at most half a unit of the last digit away.
    EXPECT_LE(std::fabs(printed - json->at(key).number), 0.5 * std::pow(10.0, -decimals) + 1e-9)
        << where << ": " << key << " = " << json->at(key).number << ", printed " << printed;
  };

  test_support::TempDir dir("zt6_drawing_tables");
  const std::vector<Drawing> drawings = {
      {6, {Table::Shaft}, {"a11"}},
      {7, {Table::Hub}, {"A11"}},
      {8, {Table::Shaft, Table::Hub, Table::Load, Table::Strength}, {"a11", "A11"}},
      {11, {Table::Shaft}, {}},
      {12, {Table::Hub}, {}},
      {13, {Table::Shaft, Table::Hub}, {}},
  };
  for (const Drawing& drawing : drawings) {
    const std::string name = "drawing " + std::to_string(drawing.number);
    SCOPED_TRACE(name);
    const fs::path file = dir.path() / (std::to_string(drawing.number) + ".txt");
    const auto cad = RunZt6Command({"cad", project.string(), "--drawing",
                                    std::to_string(drawing.number), "--format", "txt", "-o",
                                    file.string()});
    ASSERT_EQ(cad.exitCode, 0) << cad.err;
    const std::vector<DrawnText> texts = TextsOf(test_support::FileBytes(file));

    std::map<Table, std::set<std::string>> seen;
    std::vector<std::string> fitsSeen;
    for (const DrawnText& cell : texts) {
      // A fit row: "20 a11", then the smallest and the largest size.
      const bool shaftFit = cell.text.ends_with(" a11");
      if (shaftFit || cell.text.ends_with(" A11")) {
        const auto values = RowValues(texts, cell);
        if (values.size() == 2) {
          fitsSeen.push_back(shaftFit ? "a11" : "A11");
          expectValue(shaftFit ? "results.Deemin" : "results.Diimin", values[0].first,
                      values[0].second, name + " fit " + cell.text);
          expectValue(shaftFit ? "results.Deemax" : "results.Diimax", values[1].first,
                      values[1].second, name + " fit " + cell.text);
        }
      }
      Table table;
      if (!TableOf(texts, cell, table)) continue;
      const auto& rows = Rows().at(table);
      const auto row = rows.find(cell.text);
      if (row == rows.end()) continue;
      auto values = RowValues(texts, cell);
      // A deviation the tables do not give shows a dash: the calculation holds 0 there.
      if (values.empty() && row->second.size() == 1 && json->contains(row->second[0]) &&
          json->at(row->second[0]).number == 0)
        values.emplace_back(0.0, 3);
      ASSERT_EQ(values.size(), row->second.size()) << name << " row " << cell.text;
      EXPECT_TRUE(seen[table].insert(cell.text).second) << "twice: " << cell.text;
      for (std::size_t i = 0; i < values.size(); ++i)
        expectValue(row->second[i], values[i].first, values[i].second, name + " " + cell.text);
    }
    // Every row of every table the drawing holds was found and compared.
    for (const Table table : drawing.tables)
      EXPECT_EQ(seen[table].size(), Rows().at(table).size()) << static_cast<int>(table);
    EXPECT_EQ(seen.size(), drawing.tables.size());
    EXPECT_EQ(fitsSeen, drawing.fits);
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, DrawingTables, test_support::BundledExamples(),
                         test_support::ExampleTestName);

}  // namespace
}  // namespace zt6

#pragma once
// The chart of a sweep: the chosen results over the first varied input, one curve per
// result (and per value of the second varied input), with axes, units, a legend and
// the line of the required safety; painted on any canvas (SVG file, desktop window).

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/assistant/parameter_sweep.h"
#include "cad/canvas.h"

namespace zt6 {

// The chosen results of every point, as a sweep produces them.
struct SweepTable {
  std::vector<SweepAxis> axes;
  std::vector<const RecordField*> results;
  std::vector<std::vector<double>> rows;  // the axes' values, then the results

  void Add(std::span<const double> values, const DesignRecord& design);
};

// A field's value as a number (whole numbers and selectors too); 0 for texts.
double NumberOf(const RecordField& field, const DesignRecord& design);

struct ChartSeries {
  std::string label;
  std::vector<std::pair<double, double>> points;
};

struct SweepChart {
  std::string xLabel;  // "l [mm]"
  std::string yLabel;
  std::vector<ChartSeries> series;
  std::optional<double> requiredSafety;  // drawn as a dashed line
};

// The curves of the table; the line of the required safety when every result is a
// safety.
SweepChart ChartOfSweep(const SweepTable& table, double requiredSafety = 1.0);

inline constexpr int kChartWidth = 900;
inline constexpr int kChartHeight = 540;

void DrawSweepChart(const SweepChart& chart, Canvas& canvas, int width = kChartWidth,
                    int height = kChartHeight);
// The chart as a standalone SVG document.
std::string SweepChartSvg(const SweepChart& chart, int width = kChartWidth,
                          int height = kChartHeight);

}  // namespace zt6

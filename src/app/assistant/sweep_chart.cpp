#include "app/assistant/sweep_chart.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

#include "app/assistant/size_search.h"
#include "cad/svg_canvas.h"

namespace zt6 {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kGrid{220, 220, 220};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kSafetyLine{200, 0, 0};
constexpr std::array<Rgb, 12> kColours = {{{31, 119, 180}, {255, 127, 14}, {44, 160, 44},
                                           {148, 103, 189}, {140, 86, 75}, {227, 119, 194},
                                           {127, 127, 127}, {23, 190, 207}, {188, 189, 34},
                                           {0, 0, 128}, {128, 0, 64}, {0, 100, 0}}};

std::string AxisLabel(const RecordField& field) {
  const std::string_view unit = FieldUnit(field.name);
  return std::string(field.name) + (unit.empty() ? std::string() : " [" + std::string(unit) + "]");
}

std::string ValueText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

struct Range {
  double low = std::numeric_limits<double>::infinity();
  double high = -std::numeric_limits<double>::infinity();
  void Take(double v) {
    if (!std::isfinite(v)) return;
    low = std::min(low, v);
    high = std::max(high, v);
  }
  // A range that can be divided: an empty or single value gets room about it.
  void Widen() {
    if (low > high) low = 0, high = 1;
    if (low == high) {
      const double room = low == 0 ? 1 : std::abs(low) * 0.1;
      low -= room;
      high += room;
    }
  }
};

// A step of 1, 2 or 5 times a power of ten giving about `parts` divisions.
double TickStep(const Range& range, int parts) {
  const double raw = (range.high - range.low) / parts;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (const double m : {1.0, 2.0, 5.0})
    if (m * power >= raw) return m * power;
  return 10 * power;
}

std::string TickText(double value, double step) {
  const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, std::abs(value) < step / 1e6 ? 0.0 : value);
  return text;
}

TextFont Font(int height) {
  TextFont font;
  font.height = height;
  return font;
}

// Characters of a UTF-8 text, for its width on the canvas.
int Characters(std::string_view utf8) {
  return static_cast<int>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

}  // namespace

double NumberOf(const RecordField& field, const DesignRecord& design) {
  const FieldValue value = field.get(design);
  if (const auto* real = std::get_if<double>(&value)) return *real;
  if (const auto* whole = std::get_if<std::int32_t>(&value)) return *whole;
  return 0;
}

void SweepTable::Add(std::span<const double> values, const DesignRecord& design) {
  std::vector<double> row(values.begin(), values.end());
  for (const RecordField* field : results) row.push_back(NumberOf(*field, design));
  rows.push_back(std::move(row));
}

SweepChart ChartOfSweep(const SweepTable& table, double requiredSafety) {
  SweepChart chart;
  if (table.axes.empty()) return chart;
  chart.xLabel = AxisLabel(*table.axes[0].field);
  const bool allSafeties = std::all_of(table.results.begin(), table.results.end(), [](auto* f) {
    return std::find_if(kSafetyNames.begin(), kSafetyNames.end(), [f](const char* n) {
             return f->name == n;
           }) != kSafetyNames.end();
  });
  if (allSafeties) {
    chart.yLabel = "S";
    chart.requiredSafety = requiredSafety;
  } else if (table.results.size() == 1) {
    chart.yLabel = AxisLabel(*table.results[0]);
  } else {
    for (const RecordField* field : table.results) {
      if (!chart.yLabel.empty()) chart.yLabel += ", ";
      chart.yLabel += AxisLabel(*field);
    }
  }
  // One curve per result and value of the second input; rows come with the second
  // input turning fastest.
  const std::size_t second = table.axes.size() > 1 ? table.axes[1].count : 1;
  const std::size_t axes = table.axes.size();
  for (std::size_t r = 0; r < table.results.size(); ++r) {
    for (std::size_t k = 0; k < second; ++k) {
      ChartSeries series;
      series.label = std::string(table.results[r]->name);
      if (axes > 1)
        series.label += ", " + std::string(table.axes[1].field->name) + " = " +
                        ValueText(table.axes[1].Value(k));
      for (std::size_t row = k; row < table.rows.size(); row += second)
        series.points.emplace_back(table.rows[row][0], table.rows[row][axes + r]);
      chart.series.push_back(std::move(series));
    }
  }
  return chart;
}

void DrawSweepChart(const SweepChart& chart, Canvas& canvas, int width, int height) {
  const int fontHeight = 14;
  const int charWidth = 8;
  std::size_t longestLabel = 0;
  for (const ChartSeries& s : chart.series)
    longestLabel = std::max(longestLabel, static_cast<std::size_t>(Characters(s.label)));
  const int legendWidth = std::min(width / 3, 40 + static_cast<int>(longestLabel) * charWidth);
  const int left = 80, top = 20, bottom = height - 60, right = width - legendWidth - 20;

  Range x, y;
  for (const ChartSeries& s : chart.series)
    for (const auto& [px, py] : s.points) x.Take(px), y.Take(py);
  if (chart.requiredSafety) y.Take(*chart.requiredSafety);
  x.Widen();
  y.Widen();
  const double xStep = TickStep(x, 8);
  const double yStep = TickStep(y, 6);
  // The value axis starts and ends on a tick.
  y.low = std::floor(y.low / yStep) * yStep;
  y.high = std::ceil(y.high / yStep) * yStep;
  const auto X = [&](double v) {
    return left + static_cast<int>(std::lround((v - x.low) / (x.high - x.low) * (right - left)));
  };
  const auto Y = [&](double v) {
    return bottom - static_cast<int>(std::lround((v - y.low) / (y.high - y.low) * (bottom - top)));
  };

  canvas.SetTextColour(kBlack);
  // Grid and tick labels.
  for (double v = std::ceil(x.low / xStep) * xStep; v <= x.high + xStep * 1e-9; v += xStep) {
    canvas.SetPen(kGrid, 1, PenStyle::Solid);
    canvas.Line({X(v), top}, {X(v), bottom});
    canvas.SetPen(kBlack, 1, PenStyle::Solid);
    canvas.Line({X(v), bottom}, {X(v), bottom + 5});
    const std::string text = TickText(v, xStep);
    canvas.Text({X(v) - Characters(text) * charWidth / 2, bottom + 8}, Font(fontHeight), text);
  }
  for (double v = y.low; v <= y.high + yStep * 1e-9; v += yStep) {
    canvas.SetPen(kGrid, 1, PenStyle::Solid);
    canvas.Line({left, Y(v)}, {right, Y(v)});
    canvas.SetPen(kBlack, 1, PenStyle::Solid);
    canvas.Line({left - 5, Y(v)}, {left, Y(v)});
    const std::string text = TickText(v, yStep);
    canvas.Text({left - 8 - Characters(text) * charWidth, Y(v) - fontHeight / 2},
                Font(fontHeight), text);
  }
  // Axes and their names.
  canvas.SetPen(kBlack, 1, PenStyle::Solid);
  canvas.Line({left, top}, {left, bottom});
  canvas.Line({left, bottom}, {right, bottom});
  canvas.Text({(left + right) / 2 - Characters(chart.xLabel) * charWidth / 2, bottom + 30},
              Font(fontHeight + 2), chart.xLabel);
  TextFont upright = Font(fontHeight + 2);
  upright.escapement = 900;
  canvas.Text({14, (top + bottom) / 2 + Characters(chart.yLabel) * charWidth / 2}, upright,
              chart.yLabel);

  if (chart.requiredSafety) {
    canvas.SetPen(kSafetyLine, 2, PenStyle::Dashed);
    canvas.Line({left, Y(*chart.requiredSafety)}, {right, Y(*chart.requiredSafety)});
  }
  // Curves: points that fall on the same pixel as the one before add no line.
  for (std::size_t s = 0; s < chart.series.size(); ++s) {
    canvas.SetPen(kColours[s % kColours.size()], 2, PenStyle::Solid);
    std::optional<PixelPoint> last;
    for (const auto& [px, py] : chart.series[s].points) {
      if (!std::isfinite(px) || !std::isfinite(py)) {
        last.reset();
        continue;
      }
      const PixelPoint p{X(px), Y(py)};
      if (last && *last == p) continue;
      if (last) canvas.Line(*last, p);
      else if (chart.series[s].points.size() == 1) canvas.Line(p, p);
      last = p;
    }
  }
  // Legend.
  const int legendLeft = right + 20;
  int row = top;
  const auto entry = [&](Rgb colour, PenStyle style, const std::string& text) {
    canvas.SetPen(colour, 2, style);
    canvas.Line({legendLeft, row + fontHeight / 2}, {legendLeft + 28, row + fontHeight / 2});
    TextFont font = Font(fontHeight);
    font.length = width - legendLeft - 40;
    canvas.Text({legendLeft + 36, row}, font, text);
    row += fontHeight + 8;
  };
  for (std::size_t s = 0; s < chart.series.size(); ++s)
    entry(kColours[s % kColours.size()], PenStyle::Solid, chart.series[s].label);
  if (chart.requiredSafety)
    entry(kSafetyLine, PenStyle::Dashed, "S = " + ValueText(*chart.requiredSafety));
}

std::string SweepChartSvg(const SweepChart& chart, int width, int height) {
  SvgCanvas canvas(width, height, kWhite);
  DrawSweepChart(chart, canvas, width, height);
  return canvas.Document();
}

}  // namespace zt6

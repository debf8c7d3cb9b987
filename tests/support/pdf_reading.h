#pragma once
// Shell commands and the poppler tools (pdfinfo, pdftotext, pdftoppm) for tests that
// check PDF files with an independent reader; workbooks through openpyxl.

#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace zt6::test_support {

struct ShellRun {
  int exitCode = -1;
  std::string out;  // standard output and error together
};

inline ShellRun Shell(const std::string& command) {
  ShellRun run;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> buffer{};
  std::size_t n = 0;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  const int status = pclose(pipe);
  if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  return run;
}

inline std::string Quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

inline bool HavePoppler() { return Shell("pdfinfo -v").exitCode == 0; }

inline int PdfPages(const std::filesystem::path& pdf) {
  const ShellRun info = Shell("pdfinfo " + Quoted(pdf));
  std::smatch m;
  if (!std::regex_search(info.out, m, std::regex(R"(Pages:\s+(\d+))"))) return -1;
  return std::stoi(m[1]);
}

inline std::string PdfText(const std::filesystem::path& pdf, int page) {
  const std::string p = std::to_string(page);
  return Shell("pdftotext -layout -f " + p + " -l " + p + " " + Quoted(pdf) + " -").out;
}

// A grey picture of a page: width, height and the grey values, row by row.
struct Grey {
  int width = 0;
  int height = 0;
  std::string pixels;
  int At(int x, int y) const {
    return static_cast<unsigned char>(pixels[static_cast<std::size_t>(y) * width + x]);
  }
};

// The first page of pdf rendered in grey at dpi; empty when it cannot be rendered.
inline Grey RenderedGrey(const std::filesystem::path& pdf, int dpi) {
  const std::filesystem::path stem = pdf.parent_path() / "page";
  Shell("pdftoppm -r " + std::to_string(dpi) + " -gray -singlefile " + Quoted(pdf) + " " +
        Quoted(stem));
  std::ifstream in(stem.string() + ".pgm", std::ios::binary);
  std::string magic;
  int maxValue = 0;
  Grey grey;
  in >> magic >> grey.width >> grey.height >> maxValue;
  in.get();
  grey.pixels.resize(static_cast<std::size_t>(grey.width) * grey.height);
  in.read(grey.pixels.data(), static_cast<std::streamsize>(grey.pixels.size()));
  if (magic != "P5" || !in) grey = {};
  return grey;
}

// The outermost long lines of a rendered page, in pixels: left, right, top, bottom
// (the middle of each line's band). A line counts as long when it reaches 80 % of the
// longest dark run on the page.
inline std::array<double, 4> OuterLines(const Grey& page) {
  if (page.width == 0 || page.height == 0) return {0, 0, 0, 0};
  auto longestRun = [&](int count, int length, bool rows) {
    std::vector<int> runs(static_cast<std::size_t>(count), 0);
    for (int i = 0; i < count; ++i) {
      int run = 0;
      for (int j = 0; j < length; ++j) {
        const bool dark = (rows ? page.At(j, i) : page.At(i, j)) < 200;
        run = dark ? run + 1 : 0;
        runs[static_cast<std::size_t>(i)] = std::max(runs[static_cast<std::size_t>(i)], run);
      }
    }
    return runs;
  };
  auto ends = [](const std::vector<int>& runs) {
    const int longest = *std::max_element(runs.begin(), runs.end());
    auto isLine = [&](std::size_t i) { return runs[i] >= longest * 8 / 10; };
    std::size_t first = 0;
    while (!isLine(first)) ++first;
    std::size_t firstEnd = first;
    while (firstEnd + 1 < runs.size() && isLine(firstEnd + 1)) ++firstEnd;
    std::size_t last = runs.size() - 1;
    while (!isLine(last)) --last;
    std::size_t lastStart = last;
    while (lastStart > 0 && isLine(lastStart - 1)) --lastStart;
    return std::array<double, 2>{(first + firstEnd) / 2.0, (lastStart + last) / 2.0};
  };
  const auto columns = ends(longestRun(page.width, page.height, false));
  const auto rows = ends(longestRun(page.height, page.width, true));
  return {columns[0], columns[1], rows[0], rows[1]};
}

// Cells of a workbook's first worksheet as openpyxl reads them: "row TAB col TAB kind
// TAB value" lines, kind "n" for a number, "s" for a text.
inline std::string WorkbookCells(const std::filesystem::path& path) {
  return Shell("/usr/bin/python3 " + std::string(ZT6_DATA_DIR) +
               "/../tests/app/cli/xlsx_cells.py " + Quoted(path))
      .out;
}

// How many pixels of the first page of pdf, rendered in colour at dpi, are coloured: their
// red, green and blue differ by more than tolerance (black, white and the greys of
// anti-aliased black lines have all three alike). -1 when the page cannot be rendered.
inline long ColouredPixels(const std::filesystem::path& pdf, int dpi, int tolerance) {
  const std::filesystem::path stem = pdf.parent_path() / "page_colour";
  Shell("pdftoppm -r " + std::to_string(dpi) + " -singlefile " + Quoted(pdf) + " " +
        Quoted(stem));
  std::ifstream in(stem.string() + ".ppm", std::ios::binary);
  std::string magic;
  int width = 0;
  int height = 0;
  int maxValue = 0;
  in >> magic >> width >> height >> maxValue;
  in.get();
  std::string rgb(static_cast<std::size_t>(width) * height * 3, '\0');
  in.read(rgb.data(), static_cast<std::streamsize>(rgb.size()));
  if (magic != "P6" || maxValue != 255 || !in || rgb.empty()) return -1;
  long coloured = 0;
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
    const int r = static_cast<unsigned char>(rgb[i]);
    const int g = static_cast<unsigned char>(rgb[i + 1]);
    const int b = static_cast<unsigned char>(rgb[i + 2]);
    if (std::max({r, g, b}) - std::min({r, g, b}) > tolerance) ++coloured;
  }
  return coloured;
}

}  // namespace zt6::test_support

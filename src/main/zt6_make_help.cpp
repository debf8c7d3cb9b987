// zt6_make_help: builds the shipped help folder: the help texts and the demonstration
// script from their UTF-8 sources (as code page 850 with CR LF), the help images as
// HP-GL/2 plot files and their list ZT6.dbh, each in German and in English (".en"). With
// --svg each image is also drawn through the program's own plot-file reader into an SVG
// file, for a look by eye.
// Usage: zt6_make_help OUTPUT_FOLDER SOURCE.txt ... [--svg SVG_FOLDER]
//        (NAME.txt gives NAME in the output folder)

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "base/safe_file.h"
#include "base/text_lines.h"
#include "cad/drawing_window.h"
#include "cad/hpgl_reader.h"
#include "cad/svg_canvas.h"
#include "main/help_images.h"

namespace fs = std::filesystem;

namespace {

bool Write(const fs::path& file, const std::string& content) {
  const zt6::SafeWriteResult written = zt6::WriteFileSafely(file, content);
  if (!written.ok) std::cerr << "zt6_make_help: " << file.string() << ": " << written.error << "\n";
  return written.ok;
}

std::string Svg(const std::string& plot) {
  bool cancel = false;
  zt6::DrawingSettings settings;
  settings.screenWidth = 799;
  settings.screenHeight = 599;
  zt6::DrawingWindow drawing(cancel, settings);
  drawing.Header(0, 0, 160, 120);
  zt6::DrawPlotFile(drawing, plot);
  zt6::SvgCanvas canvas(800, 600, zt6::WindowsRgb(settings.backgroundColour));
  drawing.sleepEnabled = false;
  drawing.Replay(canvas);
  return canvas.Document();
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  fs::path svgFolder;
  for (std::size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] == "--svg") {
      svgFolder = args[i + 1];
      args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                 args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
      break;
    }
  }
  if (args.empty()) {
    std::cerr << "usage: zt6_make_help OUTPUT_FOLDER SOURCE.txt ... [--svg SVG_FOLDER]\n";
    return 2;
  }
  const fs::path output = args[0];
  std::error_code ec;
  fs::create_directories(output, ec);
  if (!svgFolder.empty()) fs::create_directories(svgFolder, ec);

  constexpr std::size_t kMaxSourceBytes = 4u << 20;
  for (std::size_t k = 1; k < args.size(); ++k) {
    const fs::path source = args[k];
    const zt6::FileContent content = zt6::ReadWholeFile(source, kMaxSourceBytes);
    if (!content.ok) {
      std::cerr << "zt6_make_help: cannot read " << source.string() << "\n";
      return 1;
    }
    zt6::LineWriter lines;
    for (const std::string& line : zt6::SplitLines(content.bytes)) lines.Line(zt6::Utf8ToCp850(line));
    if (!Write(output / source.stem(), lines.Text())) return 1;
  }

  // The images with German words as NAME.plt listed in ZT6.dbh, with English words as
  // NAME.en.plt listed in ZT6.en.dbh.
  for (const int language : {1, 2}) {
    const std::string suffix = language == 1 ? "" : ".en";
    zt6::LineWriter list;
    for (const zt6::HelpImage& image : zt6::HelpImages(language)) {
      if (!Write(output / (image.name + suffix + ".plt"), image.plot)) return 1;
      list.Line("\"" + image.name + "\",\"" + zt6::Utf8ToCp850(image.information) + "\"");
      if (!svgFolder.empty() && !Write(svgFolder / (image.name + suffix + ".svg"), Svg(image.plot)))
        return 1;
    }
    if (!Write(output / ("ZT6" + suffix + ".dbh"), list.Text())) return 1;
  }
  return 0;
}

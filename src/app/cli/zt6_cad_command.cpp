#include "app/cli/zt6_cad_command.h"

#include <filesystem>
#include <optional>

#include "app/cli/command_options.h"
#include "app/cli/design_options.h"
#include "base/private_folder.h"
#include "app/cli/zt6_commands.h"
#include "app/commands/cad_setup.h"
#include "app/commands/drawing_command.h"
#include "app/commands/print_drawing.h"
#include "app/ports/batch_ports.h"
#include "app/startup/windowless_session.h"
#include "base/codepage.h"
#include "base/number_parse.h"
#include "base/safe_file.h"
#include "cad/drawing_sheets.h"
#include "cad/svg_canvas.h"

namespace zt6 {

namespace {

namespace fs = std::filesystem;

struct CadOptions : FileCommandOptions {
  std::string format = "dxf";
  std::optional<bool> landscape;  // --orientation, for pdf
  int drawing = 0;
  DesignOptions design;
};

std::optional<CadOptions> ParseCadOptions(const std::vector<std::string>& args,
                                          const UsageErrorFn& usageError) {
  std::vector<OptionSpec> specs = kFileCommandSpecs;
  specs.insert(specs.end(), kDesignSpecs.begin(), kDesignSpecs.end());
  specs.push_back({"--format"});
  specs.push_back({"--drawing"});
  specs.push_back({"--orientation"});
  const auto arguments = ParseCommandArguments(args, specs, usageError);
  if (!arguments) return std::nullopt;
  CadOptions options;
  if (const auto format = arguments->Last("--format")) {
    if (!OneOf(*format, {"dxf", "igs", "txt", "svg", "pdf"}, "format", usageError))
      return std::nullopt;
    options.format = *format;
  }
  if (const auto orientation = arguments->Last("--orientation")) {
    if (!OneOf(*orientation, {"portrait", "landscape"}, "orientation", usageError))
      return std::nullopt;
    if (options.format != "pdf") {
      usageError("--orientation goes with --format pdf");
      return std::nullopt;
    }
    options.landscape = *orientation == "landscape";
  }
  const auto drawing = arguments->Last("--drawing");
  if (drawing) {
    const std::optional<std::int32_t> n = TryParseWhole(*drawing);
    if (!n || *n < 1 || *n > drawing_kind::kLast) {
      usageError("--drawing takes a drawing number 1.." + std::to_string(drawing_kind::kLast));
      return std::nullopt;
    }
    options.drawing = *n;
  }
  const auto design = TakeDesignOptions(*arguments, usageError);
  if (!design) return std::nullopt;
  options.design = *design;
  const auto common =
      TakeFileCommandOptions(*arguments, "cad", usageError, options.design.size.has_value());
  if (!common) return std::nullopt;
  if (!drawing) {
    usageError("cad needs --drawing N");
    return std::nullopt;
  }
  static_cast<FileCommandOptions&>(options) = *common;
  return options;
}

// The finished CAD file is taken as it is, for standard output or the -o file.
class CommandCadPorts : public PromptCadPorts {
 public:
  // name: the stem the file is known by (the -o file's, else the project's), which an
  // IGES file records in its global section.
  CommandCadPorts(Program& program, Prompts& prompts, Launcher& launcher, fs::path folder,
                  std::string name)
      : PromptCadPorts(program, prompts, launcher), folder_(std::move(folder)),
        name_(std::move(name)) {}
  // Named in the private folder, should anything ever be written under it.
  std::optional<std::string> ChooseOutputFile(const std::string& extension) override {
    return (folder_ / (name_ + "." + extension)).string();
  }
  bool TakeOutput(const std::string& bytes) override {
    taken = bytes;
    return true;
  }
  std::optional<std::string> taken;

 private:
  fs::path folder_;
  std::string name_;
};

CadOutputType FileTypeOf(const std::string& format) {
  if (format == "igs") return CadOutputType::Iges;
  if (format == "txt") return CadOutputType::Text;
  return CadOutputType::Dxf;
}

}  // namespace

int CadCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const std::function<int(std::string_view)>& usageError,
               const Zt6Outputs& outputs) {
  const auto options = ParseCadOptions(args, usageError);
  if (!options) return kExitUsage;

  WindowlessSession session({.readSettings = true, .command = true, .tableFolder = options->tableFolder},
                            err, err);
  if (const int read = ReadShapedProject(session, options->file, options->design, "cad", err);
      read != kExitDone) {
    return read;
  }
  Program& program = session.program;
  if (options->language > 0) program.words.Load(options->language);

  PrivateFolder work;
  if (work.Path().empty()) {
    err << "zt6 cad: no temporary folder\n";
    return kExitRefused;
  }
  const bool pdf = options->format == "pdf";
  if (pdf && !outputs.pdf) {
    err << "zt6 cad: PDF is written by zt6-pdf, which is not installed beside zt6\n";
    return kExitRefused;
  }
  // SVG and PDF show the screen drawing, on the screen's area or on paper.
  const bool onScreen = options->format == "svg" || pdf;
  // The PDF page is begun first: the drawing is recorded for a drawing area of the
  // page's shape, so the printer mapping keeps circles round at scale 1.
  const std::string pdfFile = (work.Path() / "drawing.pdf").string();
  std::unique_ptr<Printer> printer;
  std::optional<PrinterPage> page;
  if (pdf) {
    printer = outputs.pdf(pdfFile);
    printer->SetLandscape(options->landscape.value_or(program.config.printOrientation != 1));
    page = printer->BeginDrawing();
    if (!page || page->width <= 0 || page->height <= 0) {
      err << "zt6 cad: " << PdfWriteProblem(*printer) << '\n';
      return kExitRefused;
    }
    const int height = program.config.drawingAreaY > 0 ? program.config.drawingAreaY : 767;
    program.config.drawingAreaY = height;
    program.config.drawingAreaX = static_cast<int>(
        static_cast<long long>(height) * page->width / page->height);
  }
  // Block files and the IGES working file stay private to this run.
  program.config.temporaryFolder = Utf8ToCp850(work.Path().string());
  std::string name = fs::path(options->output.value_or(options->file)).stem().string();
  if (name.empty()) name = "drawing";
  CommandCadPorts ports(program, session.prompts, session.launcher, work.Path(), name);
  const DrawingOutcome drawn =
      DrawingCommand(program, session.prompts, ports, options->drawing,
                     onScreen ? CadOutputType::Screen : FileTypeOf(options->format));
  if (drawn != DrawingOutcome::Drawn) return kExitRefused;

  if (!onScreen) {
    if (!ports.taken) return kExitRefused;
    return DeliverOutput(*ports.taken, options->output, "cad", out, err);
  }
  if (pdf) {
    ReplayOnPaper(program.drawing, *page);
    printer->EndDrawing();
    if (!printer->OutputError().empty()) {
      err << "zt6 cad: " << printer->OutputError() << '\n';
      return kExitRefused;
    }
    printer.reset();
    const FileContent bytes = ReadWholeFile(pdfFile, std::size_t{1} << 30);
    if (!bytes.ok) {
      err << "zt6 cad: the PDF file could not be written\n";
      return kExitRefused;
    }
    return DeliverOutput(bytes.bytes, options->output, "cad", out, err);
  }
  const DrawingSettings& screen = program.drawing.Settings();
  SvgCanvas canvas(screen.screenWidth + 1, screen.screenHeight + 1,
                   WindowsRgb(screen.backgroundColour));
  program.drawing.sleepEnabled = false;
  program.drawing.Replay(canvas);
  return DeliverOutput(canvas.Document(), options->output, "cad", out, err);
}

}  // namespace zt6

#include "app/cli/zt6_cad_command.h"

#include <array>
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
#include "cad/solid_section.h"
#include "calc/geometry.h"
#include "cad/svg_canvas.h"

namespace zt6 {

namespace {

namespace fs = std::filesystem;

struct CadOptions : FileCommandOptions {
  std::string format = "dxf";
  std::optional<bool> landscape;  // --orientation, for pdf
  int drawing = 0;
  DesignOptions design;
  std::optional<SolidModelOptions> model;  // --model: a 3D model instead of a drawing
};

// --hub-diameter and --shaft-length: a length in mm; 0 stands for the default.
std::optional<double> TakeLength(const CommandArguments& arguments, std::string_view name,
                                 const UsageErrorFn& usageError) {
  const auto text = arguments.Last(name);
  if (!text) return 0.0;
  const std::optional<double> value = TryParseReal(*text);
  if (!value || !(*value > 0)) {
    usageError(std::string(name) + " takes a length in mm above 0");
    return std::nullopt;
  }
  return *value;
}

// The model options; nullopt after a usage error. Without --model none may be given.
std::optional<std::optional<SolidModelOptions>> TakeModelOptions(
    const CommandArguments& arguments, const std::string& format, const UsageErrorFn& usageError) {
  const auto model = arguments.Last("--model");
  if (!model) {
    for (const char* name : {"--condition", "--hub-diameter", "--shaft-length", "--pins"}) {
      if (arguments.Has(name)) {
        usageError(std::string(name) + " goes with --model");
        return std::nullopt;
      }
    }
    if (format == "step") {
      usageError("--format step needs --model shaft|hub|assembly");
      return std::nullopt;
    }
    return std::optional<SolidModelOptions>{};
  }
  SolidModelOptions options;
  if (!OneOf(*model, {"shaft", "hub", "assembly"}, "model", usageError)) return std::nullopt;
  options.part = *model == "shaft" ? SolidPart::Shaft
                 : *model == "hub" ? SolidPart::Hub
                                   : SolidPart::Assembly;
  if (const auto condition = arguments.Last("--condition")) {
    if (!OneOf(*condition, {"mean", "max", "min"}, "condition", usageError)) return std::nullopt;
    options.condition = *condition == "max"   ? MaterialCondition::Max
                        : *condition == "min" ? MaterialCondition::Min
                                              : MaterialCondition::Mean;
  }
  const auto hubDiameter = TakeLength(arguments, "--hub-diameter", usageError);
  if (!hubDiameter) return std::nullopt;
  const auto shaftLength = TakeLength(arguments, "--shaft-length", usageError);
  if (!shaftLength) return std::nullopt;
  options.hubDiameter = *hubDiameter;
  options.shaftLength = *shaftLength;
  options.pins = arguments.Has("--pins");
  if (format != "step") {
    usageError("--model writes --format step");
    return std::nullopt;
  }
  if (arguments.Has("--drawing")) {
    usageError("--model writes a 3D model, not a drawing: leave --drawing out");
    return std::nullopt;
  }
  return options;
}

std::optional<CadOptions> ParseCadOptions(const std::vector<std::string>& args,
                                          const UsageErrorFn& usageError) {
  std::vector<OptionSpec> specs = kFileCommandSpecs;
  specs.insert(specs.end(), kDesignSpecs.begin(), kDesignSpecs.end());
  specs.push_back({"--format"});
  specs.push_back({"--drawing"});
  specs.push_back({"--orientation"});
  specs.push_back({"--model"});
  specs.push_back({"--condition"});
  specs.push_back({"--hub-diameter"});
  specs.push_back({"--shaft-length"});
  specs.push_back({"--pins", false});
  const auto arguments = ParseCommandArguments(args, specs, usageError);
  if (!arguments) return std::nullopt;
  CadOptions options;
  if (arguments->Has("--model")) options.format = "step";
  if (const auto format = arguments->Last("--format")) {
    if (!OneOf(*format, {"dxf", "igs", "txt", "svg", "pdf", "step"}, "format", usageError))
      return std::nullopt;
    options.format = *format;
  }
  const auto model = TakeModelOptions(*arguments, options.format, usageError);
  if (!model) return std::nullopt;
  options.model = *model;
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
  if (!drawing && !options.model) {
    usageError("cad needs --drawing N or --model shaft|hub|assembly");
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

// The 3D model as a STEP file. Interference messages of the run are said on err; the
// model is written all the same, so the designer sees where the parts meet.
int ModelCommand(const Program& program, const SolidModelOptions& given, const fs::path& folder,
                 const std::optional<std::string>& output, std::ostream& out, std::ostream& err,
                 const UsageErrorFn& usageError, const Zt6Outputs& outputs) {
  const DesignRecord& design = program.design;
  const SolidModelOptions options = WithDefaults(design, given);
  if (const std::string problem = SolidModelProblem(design, options); !problem.empty())
    return usageError(problem);
  if (!outputs.step) {
    err << "zt6 cad: STEP is written by zt6-step, which is not installed beside zt6\n";
    return kExitRefused;
  }
  for (int k = 1; k <= program.messages.Count(); ++k) {
    if (IsInterferenceMessage(program.messages.Message(k)))
      err << Cp850ToUtf8(program.messages.Message(k)) << '\n';
  }
  const std::string file = (folder / "model.step").string();
  if (const std::string problem =
          outputs.step(design, options, NamesOfSolids(design, program.words), file);
      !problem.empty()) {
    err << "zt6 cad: " << problem << '\n';
    return kExitRefused;
  }
  const FileContent bytes = ReadWholeFile(file, std::size_t{1} << 31);
  if (!bytes.ok) {
    err << "zt6 cad: the STEP file could not be written\n";
    return kExitRefused;
  }
  return DeliverOutput(bytes.bytes, output, "cad", out, err);
}

// Draws drawing N of the session's calculated design: a CAD file's bytes into `taken`,
// the screen's drawing (svg, pdf) into the program's drawing record.
bool Draw(WindowlessSession& session, const fs::path& work, int drawing, const std::string& format,
          const std::string& name, std::optional<std::string>& taken) {
  Program& program = session.program;
  // Block files and the IGES working file stay private to this run.
  program.config.temporaryFolder = Utf8ToCp850(work.string());
  CommandCadPorts ports(program, session.prompts, session.launcher, work, name);
  const bool onScreen = format == "svg" || format == "pdf";
  const DrawingOutcome drawn = DrawingCommand(program, session.prompts, ports, drawing,
                                              onScreen ? CadOutputType::Screen : FileTypeOf(format));
  if (drawn != DrawingOutcome::Drawn) return false;
  if (onScreen) return true;
  taken = std::move(ports.taken);
  return taken.has_value();
}

// The stem the file is known by (the -o file's, else the project's), which an IGES file
// records in its global section.
std::string FileStem(const DrawingRequest& request) {
  const std::string named =
      request.output && *request.output != "-" ? *request.output : request.file;
  std::string stem = fs::path(named).stem().string();
  return stem.empty() ? "drawing" : stem;
}

// The drawing on the screen as SVG.
std::string ScreenSvg(Program& program) {
  const DrawingSettings& screen = program.drawing.Settings();
  SvgCanvas canvas(screen.screenWidth + 1, screen.screenHeight + 1,
                   WindowsRgb(screen.backgroundColour));
  program.drawing.sleepEnabled = false;
  program.drawing.Replay(canvas);
  return canvas.Document();
}

// A design ready to draw: the session with the project read, shaped and calculated in
// the words of the language asked for, and the private folder of the run's files.
class DrawingRun {
 public:
  DrawingRun(const std::optional<std::string>& tableFolder, std::ostream& err)
      : session({.readSettings = true, .command = true, .tableFolder = tableFolder}, err, err) {}

  // kExitDone when ready to draw, else the command's exit code after its message on err.
  // The folder is made only for a design that was read.
  int Prepare(const std::string& file, const DesignOptions& design, int language,
              std::ostream& err) {
    if (const int read = ReadShapedProject(session, file, design, "cad", err); read != kExitDone)
      return read;
    if (language > 0) session.program.words.Load(language);
    work_.emplace();
    if (work_->Path().empty()) {
      err << "zt6 cad: no temporary folder\n";
      return kExitRefused;
    }
    return kExitDone;
  }
  // Once prepared.
  const fs::path& Work() const { return work_->Path(); }

  WindowlessSession session;

 private:
  std::optional<PrivateFolder> work_;
};

}  // namespace

int DrawingBytes(const DrawingRequest& request, std::string& bytes, std::ostream& err) {
  DrawingRun run(request.tableFolder, err);
  if (const int ready = run.Prepare(request.file, request.design, request.language, err);
      ready != kExitDone) {
    return ready;
  }
  std::optional<std::string> taken;
  if (!Draw(run.session, run.Work(), request.drawing, request.format, FileStem(request), taken))
    return kExitRefused;
  bytes = taken ? std::move(*taken) : ScreenSvg(run.session.program);
  return kExitDone;
}

int CadCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const std::function<int(std::string_view)>& usageError,
               const Zt6Outputs& outputs) {
  const auto options = ParseCadOptions(args, usageError);
  if (!options) return kExitUsage;
  if (options->model) {
    DrawingRun run(options->tableFolder, err);
    if (const int ready = run.Prepare(options->file, options->design, options->language, err);
        ready != kExitDone) {
      return ready;
    }
    return ModelCommand(run.session.program, *options->model, run.Work(), options->output, out,
                        err, usageError, outputs);
  }
  if (options->format != "pdf") {
    std::string bytes;
    const int drawn = DrawingBytes({.file = options->file,
                                    .design = options->design,
                                    .drawing = options->drawing,
                                    .format = options->format,
                                    .language = options->language,
                                    .tableFolder = options->tableFolder,
                                    .output = options->output},
                                   bytes, err);
    if (drawn != kExitDone) return drawn;
    return DeliverOutput(bytes, options->output, "cad", out, err);
  }

  // PDF: the screen's drawing printed on an A4 page.
  DrawingRun run(options->tableFolder, err);
  if (const int ready = run.Prepare(options->file, options->design, options->language, err);
      ready != kExitDone) {
    return ready;
  }
  Program& program = run.session.program;
  if (!outputs.pdf) {
    err << "zt6 cad: PDF is written by zt6-pdf, which is not installed beside zt6\n";
    return kExitRefused;
  }
  // The PDF page is begun first: the drawing is recorded for a drawing area of the
  // page's shape, so the printer mapping keeps circles round at scale 1.
  const std::string pdfFile = (run.Work() / "drawing.pdf").string();
  std::unique_ptr<Printer> printer = outputs.pdf(pdfFile);
  // A paper sheet goes on paper of its own orientation unless --orientation says otherwise.
  const std::array<double, 2> sheet = PaperSheetOf(options->drawing);
  printer->SetLandscape(options->landscape.value_or(
      sheet[0] > 0 ? sheet[0] > sheet[1] : program.config.printOrientation != 1));
  const std::optional<PrinterPage> page = printer->BeginDrawing();
  if (!page || page->width <= 0 || page->height <= 0) {
    err << "zt6 cad: " << PdfWriteProblem(*printer) << '\n';
    return kExitRefused;
  }
  const int height = program.config.drawingAreaY > 0 ? program.config.drawingAreaY : 767;
  program.config.drawingAreaY = height;
  program.config.drawingAreaX =
      static_cast<int>(static_cast<long long>(height) * page->width / page->height);
  std::optional<std::string> unused;
  if (!Draw(run.session, run.Work(), options->drawing, options->format, "drawing", unused))
    return kExitRefused;
  ReplayOnPaper(program.drawing, *page);
  printer->EndDrawing();
  if (!printer->OutputError().empty()) {
    err << "zt6 cad: " << printer->OutputError() << '\n';
    return kExitRefused;
  }
  printer.reset();
  const FileContent pdf = ReadWholeFile(pdfFile, std::size_t{1} << 30);
  if (!pdf.ok) {
    err << "zt6 cad: the PDF file could not be written\n";
    return kExitRefused;
  }
  return DeliverOutput(pdf.bytes, options->output, "cad", out, err);
}

}  // namespace zt6

#include "app/zt6_cad_command.h"

#include <stdlib.h>

#include <filesystem>
#include <optional>

#include "app/batch_ports.h"
#include "app/cad_setup.h"
#include "app/command_session.h"
#include "app/drawing_command.h"
#include "app/zt6_commands.h"
#include "cad/drawing_sheets.h"
#include "cad/svg_canvas.h"
#include "report/codepage.h"
#include "report/number_parse.h"
#include "report/safe_file.h"

namespace zt6 {

namespace {

namespace fs = std::filesystem;

struct CadOptions {
  std::string file;
  std::string format = "dxf";
  int drawing = 0;
  std::optional<std::string> output;
  std::optional<std::string> tableFolder;
  int language = 0;  // 0: the configured one
};

std::optional<CadOptions> ParseCadOptions(const std::vector<std::string>& args,
                                          const std::function<int(std::string_view)>& usageError) {
  CadOptions options;
  bool haveFile = false;
  bool haveDrawing = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--format" || arg == "-o" || arg == "--tables" || arg == "--drawing" ||
        arg == "--language") {
      if (i + 1 == args.size()) {
        usageError(arg + " needs a value");
        return std::nullopt;
      }
      const std::string& v = args[++i];
      if (arg == "--format") {
        if (v != "dxf" && v != "igs" && v != "txt" && v != "svg") {
          usageError("unknown format \"" + v + "\"");
          return std::nullopt;
        }
        options.format = v;
      } else if (arg == "-o") {
        options.output = v;
      } else if (arg == "--tables") {
        options.tableFolder = v;
      } else if (arg == "--language") {
        if (v != "1" && v != "2") {
          usageError("--language takes 1 (German) or 2 (English)");
          return std::nullopt;
        }
        options.language = v == "1" ? 1 : 2;
      } else {
        const std::optional<std::int32_t> n = TryParseWhole(v);
        if (!n || *n < 1 || *n > drawing_kind::kLast) {
          usageError("--drawing takes a drawing number 1.." + std::to_string(drawing_kind::kLast));
          return std::nullopt;
        }
        options.drawing = *n;
        haveDrawing = true;
      }
    } else if (arg.starts_with("-") && arg.size() > 1) {
      usageError("unknown option \"" + arg + "\"");
      return std::nullopt;
    } else if (haveFile) {
      usageError("cad takes one project file");
      return std::nullopt;
    } else {
      options.file = arg;
      haveFile = true;
    }
  }
  if (!haveFile || !haveDrawing) {
    usageError(haveFile ? "cad needs --drawing N" : "cad needs a project file");
    return std::nullopt;
  }
  return options;
}

// A folder of this run alone for the screen's block files, so parallel runs do not
// share "$zahn1.dx$".
class PrivateFolder {
 public:
  PrivateFolder() {
    std::error_code ec;
    std::string pattern = (fs::temp_directory_path(ec) / "zt6-cad-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~PrivateFolder() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
  }
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

// The CAD file goes to the private folder first, whatever its final place.
class CommandCadPorts : public PromptCadPorts {
 public:
  CommandCadPorts(Program& program, Prompts& prompts, Launcher& launcher, fs::path file)
      : PromptCadPorts(program, prompts, launcher), file_(std::move(file)) {}
  std::optional<std::string> ChooseOutputFile(const std::string&) override {
    return file_.string();
  }

 private:
  fs::path file_;
};

int Deliver(const std::string& bytes, const std::optional<std::string>& output, std::ostream& out,
            std::ostream& err) {
  if (!output) {
    out << bytes;
    out.flush();
    return out ? kExitDone : kExitRefused;
  }
  const SafeWriteResult written = WriteFileSafely(*output, bytes);
  if (!written.ok) {
    err << "zt6 cad: " << *output << ": " << written.error << '\n';
    return kExitRefused;
  }
  return kExitDone;
}

CadOutputType FileTypeOf(const std::string& format) {
  if (format == "igs") return CadOutputType::Iges;
  if (format == "txt") return CadOutputType::Text;
  return CadOutputType::Dxf;
}

}  // namespace

int CadCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const std::function<int(std::string_view)>& usageError) {
  const auto options = ParseCadOptions(args, usageError);
  if (!options) return kExitUsage;

  CommandSession session(err, options->tableFolder);
  if (const int read = session.Read(options->file); read != kExitDone) return read;
  Program& program = session.program;
  if (options->language > 0) program.words.Load(options->language);

  PrivateFolder work;
  if (work.Path().empty()) {
    err << "zt6 cad: no temporary folder\n";
    return kExitRefused;
  }
  const bool svg = options->format == "svg";
  // Block files and the IGES working file stay private to this run.
  program.config.temporaryFolder = Utf8ToCp850(work.Path().string());
  const fs::path file = work.Path() / ("drawing." + options->format);
  BatchLauncher launcher(err);
  CommandCadPorts ports(program, session.prompts, launcher, file);
  const DrawingOutcome drawn =
      DrawingCommand(program, session.prompts, ports, options->drawing,
                     svg ? CadOutputType::Screen : FileTypeOf(options->format));
  if (drawn != DrawingOutcome::Drawn) return kExitRefused;

  if (!svg) {
    const FileContent written = ReadWholeFile(file, std::size_t{1} << 30);
    if (!written.ok) return kExitRefused;
    return Deliver(written.bytes, options->output, out, err);
  }
  const DrawingSettings& screen = program.drawing.Settings();
  SvgCanvas canvas(screen.screenWidth + 1, screen.screenHeight + 1,
                   WindowsRgb(screen.backgroundColour));
  program.drawing.sleepEnabled = false;
  program.drawing.Replay(canvas);
  return Deliver(canvas.Document(), options->output, out, err);
}

}  // namespace zt6

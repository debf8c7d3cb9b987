#include "app/cli/calc_batch.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <sstream>
#include <system_error>
#include <thread>

#include "app/cli/design_calculation.h"
#include "app/cli/design_output.h"
#include "app/cli/zt6_commands.h"
#include "app/files/project_folder.h"
#include "app/lookups/size_lookup.h"
#include "app/startup/windowless_session.h"
#include "base/json_writer.h"
#include "base/safe_file.h"
#include "base/text_lines.h"

namespace zt6 {

namespace {

namespace fs = std::filesystem;

struct FileLine {
  std::string text;  // one JSON object and its newline
  int exitCode = kExitDone;
};

// One worker's calculator; what its session says is kept for the file's line.
class CalcWorker {
 public:
  explicit CalcWorker(const CalcBatch& batch) : batch_(batch), calculator_(batch.tableFolder) {}

  FileLine Calculate(const std::string& file) {
    const CalcOutcome outcome = calculator_.Calculate(file, batch_.design);
    return {Line(file, outcome), outcome.exitCode};
  }

 private:
  std::string Line(const std::string& file, const CalcOutcome& outcome) {
    std::ostringstream line;
    JsonWriter json(line, JsonLayout::OneLine);
    json.BeginObject();
    json.Key("file");
    json.String(file);
    json.Key("exit");
    json.Integer(outcome.exitCode);
    if (!outcome.problem.empty()) {
      json.Key("error");
      json.String(outcome.problem);
    }
    if (outcome.calculated) {
      WriteDesignMembers(json, calculator_.Design(), calculator_.Messages());
    }
    json.EndObject();
    return line.str();
  }

  const CalcBatch& batch_;
  DesignCalculator calculator_;
};

// The lines in the order of the files, handed from the workers to the writer.
class OrderedLines {
 public:
  explicit OrderedLines(std::size_t count) : lines_(count) {}
  void Put(std::size_t index, FileLine line) {
    {
      const std::lock_guard lock(mutex_);
      lines_[index] = std::move(line);
    }
    ready_.notify_one();
  }
  FileLine Take(std::size_t index) {
    std::unique_lock lock(mutex_);
    ready_.wait(lock, [&] { return lines_[index].has_value(); });
    FileLine line = std::move(*lines_[index]);
    lines_[index].reset();
    return line;
  }

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  std::vector<std::optional<FileLine>> lines_;
};

void AddInput(const std::string& input, std::vector<std::string>& files, std::ostream& err,
              int& worst) {
  std::error_code ec;
  if (!fs::is_directory(input, ec)) {
    files.push_back(input);
    return;
  }
  std::error_code unreadable;
  const std::vector<fs::path> projects = ProjectFiles(input, &unreadable);
  if (unreadable) {
    err << "zt6 calc: " << input
        << ": the folder cannot be read: " << ReadErrorText(unreadable.value()) << "\n";
    worst = std::max(worst, kExitRefused);
    return;
  }
  if (projects.empty()) {
    err << "zt6 calc: " << input << ": no project files (*.zt6) in this folder\n";
    worst = std::max(worst, kExitRefused);
  }
  for (const fs::path& project : projects) files.push_back(project.string());
}

// The size and the assignments do not depend on the project: refused once, up front.
int CheckDesignOptions(const CalcBatch& batch, std::ostream& err) {
  DesignRecord scratch;
  for (const std::string& assignment : batch.design.assignments) {
    if (!ApplyAssignment(assignment, scratch, "calc", err)) return kExitUsage;
  }
  if (!batch.design.size) return kExitDone;
  WindowlessSession session({.readSettings = false, .command = true, .tableFolder = batch.tableFolder},
                            err, err);
  DesignOptions sizeOnly;
  sizeOnly.size = batch.design.size;
  return ShapeDesign(session, scratch, sizeOnly, "calc", err);
}

}  // namespace

std::size_t CalcWorkerCount(unsigned jobs, std::size_t files, unsigned hardwareThreads) {
  // A worker is a whole session on a thread: beyond a few per core the calculation
  // gains nothing, while each one costs its stack and its session.
  constexpr std::size_t kPerCore = 4;
  constexpr std::size_t kCeiling = 64;
  const std::size_t sensible =
      std::clamp<std::size_t>(kPerCore * std::max(hardwareThreads, 1u), 1, kCeiling);
  return std::min({std::max<std::size_t>(jobs, 1), files, sensible});
}

std::vector<std::string> ExpandCalcInputs(const std::vector<std::string>& inputs,
                                          std::istream& in, std::ostream& err, int& worst) {
  std::vector<std::string> files;
  for (const std::string& input : inputs) {
    if (input != "-") {
      AddInput(input, files, err, worst);
      continue;
    }
    for (std::string name; std::getline(in, name);) {
      name = WithoutTrailingNewlines(name);
      if (!name.empty()) AddInput(name, files, err, worst);
    }
  }
  return files;
}

int RunCalcBatch(const CalcBatch& batch, std::istream& in, std::ostream& out, std::ostream& err) {
  if (const int checked = CheckDesignOptions(batch, err); checked != kExitDone) return checked;
  int worst = kExitDone;
  const std::vector<std::string> files = ExpandCalcInputs(batch.inputs, in, err, worst);
  if (files.empty()) return worst;

  const auto write = [&](const FileLine& line) {
    out << line.text;
    worst = std::max(worst, line.exitCode);
  };
  const std::size_t threads =
      CalcWorkerCount(batch.jobs, files.size(), std::thread::hardware_concurrency());
  OrderedLines lines(files.size());
  std::atomic<std::size_t> next{0};
  const auto work = [&] {
    CalcWorker worker(batch);
    for (std::size_t i = next++; i < files.size(); i = next++) lines.Put(i, worker.Calculate(files[i]));
  };
  std::vector<std::jthread> workers;
  if (threads > 1) {
    workers.reserve(threads);
    // A process or memory limit may refuse threads: the run goes on with those it got.
    try {
      for (std::size_t t = 0; t < threads; ++t) workers.emplace_back(work);
    } catch (const std::system_error&) {
    }
  }
  if (workers.empty()) {
    CalcWorker worker(batch);
    for (const std::string& file : files) {
      write(worker.Calculate(file));
      // Output nobody receives (a full disk) ends the run.
      if (!out) return kExitRefused;
    }
    out.flush();
    return worst;
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    write(lines.Take(i));
    if (!out) {
      next = files.size();  // the workers take no further file
      return kExitRefused;
    }
  }
  out.flush();
  return worst;
}

}  // namespace zt6

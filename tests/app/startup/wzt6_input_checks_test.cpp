// What wzt6's batch runs refuse, and that each refusal is said on standard error.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/files/project_file.h"
#include "support/bundled_examples.h"
#include "support/designs.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace zt6 {
namespace {

namespace fs = std::filesystem;

struct Wzt6Run {
  int exitCode = -1;
  std::string err;
};

// wzt6 in dir (also its temporary folder), standard error kept, standard output dropped.
Wzt6Run Wzt6In(const fs::path& dir, const std::string& arguments) {
  const std::string command = "cd '" + dir.string() + "' && TEMP='" + dir.string() + "' " +
                              std::string(ZT6_WZT6_EXE) + " " + arguments + " 2>&1 >/dev/null";
  Wzt6Run run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer{};
  std::size_t n = 0;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.err.append(buffer.data(), n);
  const int status = pclose(pipe);
  if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  return run;
}

std::string Example(const std::string& name) { return test_support::ExampleBytes(name); }

TEST(Wzt6InputChecks, ProjectFilesHoldingAValueOutsideItsRangeAreRefusedNamingTheField) {
  test_support::TempDir dir("wzt6_range");
  struct Bad {
    void (*change)(DesignRecord&);
    const char* message;
  };
  const Bad bad[] = {
      {[](DesignRecord& d) { d.z = 20001; },
       "Feld z = 20001 liegt außerhalb des gültigen Wertebereichs 3 .. 500 !"},
      {[](DesignRecord& d) { d.l = 1e308; },
       "Feld l = 1e+308 liegt außerhalb des gültigen Wertebereichs > 0 und <= 1000 !"},
      {[](DesignRecord& d) { d.material[0].Re = -1; },
       "Feld shaft.Re = -1 liegt außerhalb des gültigen Wertebereichs > 0 und <= 5000 !"},
  };
  for (const Bad& b : bad) {
    DesignRecord design = test_support::SelfDefined12x14();
    design.material[0].Re = 1050;
    design.material[1].Re = 230;
    b.change(design);
    dir.Write("bad.zt6", ProjectFileText(design, DocumentationData{}, FormatSettings{}));
    for (const char* route : {"/I /NOGUI", "/CAD1:1 /NOGUI", "/CAD5:5"}) {
      const Wzt6Run r = Wzt6In(dir.path(), std::string("bad.zt6 ") + route);
      EXPECT_EQ(r.exitCode, 1) << b.message << " " << route;
      EXPECT_EQ(r.err, std::string("Fehler : Datei bad.zt6: ") + b.message + "\n") << route;
      EXPECT_FALSE(fs::exists(dir.path() / "bad.txt")) << route;
      EXPECT_FALSE(fs::exists(dir.path() / "bad.dxf")) << route;
    }
  }
}

TEST(Wzt6InputChecks, CutProjectFilesAreRefusedNamingTheirLastLine) {
  test_support::TempDir dir("wzt6_cut");
  const std::string whole = Example("welle_12x14.zt6");
  for (const std::size_t bytes : {std::size_t{200}, std::size_t{400}, whole.find("\r\n\x8E") + 2}) {
    dir.Write("cut.zt6", whole.substr(0, bytes));
    for (const char* route : {"/I /NOGUI", "/CAD1:1 /NOGUI"}) {
      const Wzt6Run r = Wzt6In(dir.path(), std::string("cut.zt6 ") + route);
      EXPECT_EQ(r.exitCode, 1) << bytes << " " << route;
      EXPECT_NE(r.err.find("Fehler : Datei cut.zt6 endet vorzeitig nach Zeile "), std::string::npos)
          << bytes << " " << route << ": " << r.err;
    }
  }
}

TEST(Wzt6InputChecks, EveryRefusalOfTheCommandLineIsSaid) {
  test_support::TempDir dir("wzt6_said");
  dir.Write("welle.zt6", Example("welle_12x14.zt6"));
  struct Case {
    const char* arguments;
    int exitCode;
    const char* err;
  };
  const Case cases[] = {
      {"'' /I /NOGUI", 1, "Fehler : Keine Projektdatei angegeben\n"},
      {"'' /CAD1:1 /NOGUI", 1, "Fehler : Keine Projektdatei angegeben\n"},
      {"welle.zt6 /CAD1:99999999999 /NOGUI", 2,
       "Fehler : Zeichnung 99999999999 gibt es nicht (1..17)\n"},
      {"welle.zt6 /CAD1:x /NOGUI", 2, "Fehler : Zeichnung x gibt es nicht (1..17)\n"},
      {"welle.zt6 /CAD1:18 /NOGUI", 2, "Fehler : Zeichnung 18 gibt es nicht (1..17)\n"},
  };
  for (const Case& c : cases) {
    const Wzt6Run r = Wzt6In(dir.path(), c.arguments);
    EXPECT_EQ(r.exitCode, c.exitCode) << c.arguments;
    EXPECT_EQ(r.err, c.err) << c.arguments;
  }
}

TEST(Wzt6InputChecks, AConfigurationFileThatIsNoneIsNamedAndNotRead) {
  test_support::TempDir dir("wzt6_garbage_cfg");
  dir.Write("welle.zt6", Example("welle_12x14.zt6"));
  dir.Write("zt6.cfg", "garbage\x01\x02 lots\r\nof = junk\r\n");
  const Wzt6Run r = Wzt6In(dir.path(), "welle.zt6 /I /NOGUI");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "Fehler : Datei " + (dir.path() / "zt6.cfg").string() +
                       " ist keine Konfigurationsdatei und wird nicht gelesen !\n");
  EXPECT_TRUE(fs::exists(dir.path() / "welle.txt"));  // the defaults hold
}

}  // namespace
}  // namespace zt6

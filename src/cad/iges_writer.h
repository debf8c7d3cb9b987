#pragma once
// The IGES file of output type 2: lines, arcs, circles, filled solids as closed paths
// and texts as general notes. A block is kept in memory and every insert writes the
// block's entities placed where the insert puts them (turned, scaled, moved): common
// readers such as OpenCASCADE drop scaled subfigure instances, and read a subfigure
// definition that no instance uses as geometry at the origin.
//
// Directory entries precede the parameter data in the file while both grow entity by
// entity: the directory lines are held in memory, the parameter lines go to a working
// file that is read back behind the directory when the output is finished.

#include <array>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/format_settings.h"
#include "cad/cad_file_writer.h"
#include "cad/dxf_writer.h"
#include "cad/insert_placement.h"

namespace zt6 {

class RunMessages;

struct IgesFileSetup {
  // The chosen file (UTF-8 path); its base name goes into the global section.
  std::string outputFile;
  std::filesystem::path parameterFile;  // working file for the parameter lines
  FormatSettings format;                // decimals setting (shifts the fixed forms)
  CadTextMode textMode = CadTextMode::Oem;
  DxfLayerTable layers;  // configured colours of layers 1..5, 16..31, monochrome switch
  std::string ownerText, installationText;  // CP850, may be empty
  std::tm now{};                            // date of generation
};

// The IGES colour of a CAD colour number; numbers outside 0..16 have none (0).
int IgesColourOf(int cadColour);

class IgesFileWriter : public CadFileWriter {
 public:
  // Creates the working file; Failure() tells when that is impossible.
  IgesFileWriter(IgesFileSetup setup, RunMessages& messages);
  ~IgesFileWriter() override;
  IgesFileWriter(const IgesFileWriter&) = delete;
  IgesFileWriter& operator=(const IgesFileWriter&) = delete;

  bool HoldsPolylines() const override { return false; }
  void StartSheet(double x1, double y1, double x2, double y2) override;
  void Tables(int) override {}
  void BeginBlocks() override {}
  void EndSection() override {}
  void BeginBlock(const CadPrimitiveState& state, std::string_view name) override;
  void EndBlock() override;
  void BeginEntities() override {}
  void Layer(const CadPrimitiveState& state) override;
  void Line(const CadPrimitiveState& state, double x1, double y1, double x2, double y2) override;
  void Circle(const CadPrimitiveState& state, double x, double y, double r) override;
  void Arc(const CadPrimitiveState& state, double x, double y, double a1, double a2,
           double r) override;
  void Text(const CadPrimitiveState& state, std::string_view cp850, double x, double y) override;
  void Solid(const CadPrimitiveState& state, const std::array<double, 8>& xy) override;
  void Insert(const CadPrimitiveState& state, std::string_view name, double x, double y,
              double angle, double sx, double sy) override;
  void PolylineBegin(const CadPrimitiveState&, int) override {}
  void Vertex(const CadPrimitiveState&, double, double, double) override {}
  void PolylineEnd(const CadPrimitiveState&) override {}
  // Start, global, directory and parameter sections and the terminate line. After a
  // failure of the working file the parameter lines are missing; Failure() says why.
  std::string Finish() override;
  std::string Failure() const override { return failure_; }

 private:
  struct EntityFields {
    int type = 0;
    std::string matrix;  // transformation matrix field
    std::string form;
  };
  // A primitive drawn inside a block, kept to be written once per insert.
  struct BlockPrimitive {
    enum class Kind { Line, Circle, Arc, Solid, Text, Insert };
    Kind kind = Kind::Line;
    int colour = 0;
    int lineFont = 1;
    std::array<double, 8> xy{};  // the points: two for a line, four for a solid, else one
    double r = 0, a1 = 0, a2 = 0;  // circle and arc; a1 is the angle of an insert
    double sx = 1, sy = 1;         // scales of an insert
    DxfTextSettings text;
    std::string value;       // the text (CP850)
    std::size_t block = 0;   // the inserted block
  };
  struct Block {
    std::string name;
    bool complete = false;  // inserts find a block only once it is complete
    std::vector<BlockPrimitive> primitives;
  };

  // Writes the records as parameter lines and the two directory lines; returns the
  // entity's DE pointer.
  int WriteEntity(const EntityFields& fields, const std::vector<std::string>& records);
  void WriteLine(double x1, double y1, double x2, double y2);
  void WriteCircle(double x, double y, double r);
  void WriteArc(double x, double y, double a1, double a2, double r);
  void WriteSolid(const std::array<double, 8>& xy);
  void WriteText(const DxfTextSettings& settings, std::string_view cp850, double x, double y);
  bool Recording() const { return recording_; }
  static BlockPrimitive Kept(BlockPrimitive::Kind kind, const std::array<double, 8>& xy);
  void Record(BlockPrimitive primitive);
  // The complete block of that name, or none (with the run message).
  std::optional<std::size_t> FindBlock(std::string_view name);
  void WritePlaced(const Block& block, const InsertPlacement& placement);
  void WriteParameterLine(std::string_view data, int dePointer);
  std::string Coordinate(double value) const;
  std::string TextOf(std::string_view cp850) const;
  void StartSection();
  void GlobalSection(double largest);
  void OpenWorkingFile();
  void CloseAndRemoveWorkingFile();
  void Fail(const std::string& what);

  IgesFileSetup setup_;
  RunMessages& messages_;
  std::ofstream parameters_;
  std::size_t parameterBytes_ = 0;
  bool workingFileOpen_ = false;
  std::string failure_;

  std::string start_, global_, directory_;
  int sCount_ = 0, gCount_ = 0, dCount_ = 0, pCount_ = 0;
  int dePointer_ = -1;
  int pPointer_ = 1;
  int pLineCount_ = 0;
  int lineFont_ = 1;
  int colour_ = 0;
  bool recording_ = false;     // between begin and end of a block
  std::vector<Block> blocks_;  // per file: an insert never finds a block of another output
};

}  // namespace zt6

#pragma once
// Exact solids of shaft, hub and measuring pins on OpenCASCADE, written as one STEP file
// (AP214, millimetres) with named and coloured solids. Flanks are planes, fillets,
// tips and roots cylinders: the sections' lines and arcs swept along the axis.

#include <filesystem>
#include <string>
#include <vector>

#include <Quantity_Color.hxx>
#include <TopoDS_Shape.hxx>

#include "cad/solid_section.h"
#include "calc/design_record.h"

namespace zt6 {

struct ModelSolid {
  std::string name;  // UTF-8
  TopoDS_Shape shape;
  Quantity_Color colour;
};

// The solids of the model, the axis along z: the shaft from 0 to its length, the hub
// (width l) centred on it, each pin as long as its part. options with defaults filled in
// and accepted by SolidModelProblem; the design calculated.
std::vector<ModelSolid> BuildModelSolids(const DesignRecord& design,
                                         const SolidModelOptions& options,
                                         const SolidNames& names);

// Writes the solids as a STEP file at path; "" when written, else what went wrong.
std::string WriteStepFile(const std::vector<ModelSolid>& solids, const std::filesystem::path& path);

}  // namespace zt6

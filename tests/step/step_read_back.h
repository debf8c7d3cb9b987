#pragma once
// A STEP file read back with OpenCASCADE's STEP reader (with names and colours), and the
// checks the model tests make on the solids it gives.

#include <BRepAlgoAPI_Common.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepCheck_Shell.hxx>
#include <BRepExtrema_DistShapeShape.hxx>
#include <BRepGProp.hxx>
#include <BRep_Tool.hxx>
#include <GProp_GProps.hxx>
#include <Geom_CylindricalSurface.hxx>
#include <Geom_Plane.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <Quantity_Color.hxx>
#include <STEPCAFControl_Reader.hxx>
#include <TDF_LabelSequence.hxx>
#include <TDataStd_Name.hxx>
#include <TDocStd_Document.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Shape.hxx>
#include <XCAFApp_Application.hxx>
#include <XCAFDoc_ColorTool.hxx>
#include <XCAFDoc_DocumentTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zt6::test_support {

struct ReadSolid {
  std::string name;
  TopoDS_Shape shape;
  std::optional<Quantity_Color> colour;
};

// The free shapes of the file in its order; nullopt when the reader refuses it.
inline std::optional<std::vector<ReadSolid>> ReadStepSolids(const std::filesystem::path& file) {
  Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
  STEPCAFControl_Reader reader;
  reader.SetNameMode(true);
  reader.SetColorMode(true);
  if (reader.ReadFile(file.string().c_str()) != IFSelect_RetDone) return std::nullopt;
  Handle(TDocStd_Document) document;
  XCAFApp_Application::GetApplication()->NewDocument("MDTV-XCAF", document);
  if (!reader.Transfer(document)) return std::nullopt;
  const Handle(XCAFDoc_ShapeTool) shapes = XCAFDoc_DocumentTool::ShapeTool(document->Main());
  const Handle(XCAFDoc_ColorTool) colours = XCAFDoc_DocumentTool::ColorTool(document->Main());
  TDF_LabelSequence labels;
  shapes->GetFreeShapes(labels);
  std::vector<ReadSolid> solids;
  for (const TDF_Label& label : labels) {
    ReadSolid solid;
    solid.shape = XCAFDoc_ShapeTool::GetShape(label);
    Handle(TDataStd_Name) name;
    if (label.FindAttribute(TDataStd_Name::GetID(), name)) {
      const TCollection_ExtendedString& text = name->Get();
      std::string utf8(static_cast<std::size_t>(text.LengthOfCString()), '\0');
      char* buffer = utf8.data();
      text.ToUTF8CString(buffer);
      utf8.resize(std::char_traits<char>::length(utf8.c_str()));
      solid.name = utf8;
    }
    Quantity_Color colour;
    if (colours->GetColor(solid.shape, XCAFDoc_ColorSurf, colour) ||
        colours->GetColor(label, XCAFDoc_ColorSurf, colour) ||
        colours->GetColor(label, XCAFDoc_ColorGen, colour))
      solid.colour = colour;
    solids.push_back(solid);
  }
  XCAFApp_Application::GetApplication()->Close(document);
  return solids;
}

inline int CountOf(const TopoDS_Shape& shape, TopAbs_ShapeEnum kind) {
  int n = 0;
  for (TopExp_Explorer e(shape, kind); e.More(); e.Next()) ++n;
  return n;
}

// Valid to OpenCASCADE's checker, one solid, every shell closed.
inline bool ValidClosedSolid(const TopoDS_Shape& shape) {
  if (!BRepCheck_Analyzer(shape).IsValid() || CountOf(shape, TopAbs_SOLID) != 1) return false;
  for (TopExp_Explorer e(shape, TopAbs_SHELL); e.More(); e.Next())
    if (BRepCheck_Shell(TopoDS::Shell(e.Current())).Closed() != BRepCheck_NoError) return false;
  return true;
}

inline double Volume(const TopoDS_Shape& shape) {
  GProp_GProps props;
  BRepGProp::VolumeProperties(shape, props, 1e-12);
  return props.Mass();
}

// Every face a plane or a cylinder: nothing faceted, nothing approximated.
inline bool OnlyPlanesAndCylinders(const TopoDS_Shape& shape) {
  for (TopExp_Explorer e(shape, TopAbs_FACE); e.More(); e.Next()) {
    const Handle(Geom_Surface) surface = BRep_Tool::Surface(TopoDS::Face(e.Current()));
    if (surface.IsNull()) return false;
    if (surface->DynamicType() != STANDARD_TYPE(Geom_Plane) &&
        surface->DynamicType() != STANDARD_TYPE(Geom_CylindricalSurface))
      return false;
  }
  return true;
}

inline double Distance(const TopoDS_Shape& a, const TopoDS_Shape& b) {
  BRepExtrema_DistShapeShape distance(a, b);
  return distance.IsDone() ? distance.Value() : -1;
}

}  // namespace zt6::test_support

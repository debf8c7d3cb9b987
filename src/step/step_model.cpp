#include "step/step_model.h"

#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <GC_MakeArcOfCircle.hxx>
#include <GC_MakeSegment.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <STEPCAFControl_Controller.hxx>
#include <STEPCAFControl_Writer.hxx>
#include <Standard_Failure.hxx>
#include <TDF_Label.hxx>
#include <TDataStd_Name.hxx>
#include <TDocStd_Document.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Wire.hxx>
#include <XCAFApp_Application.hxx>
#include <XCAFDoc_ColorTool.hxx>
#include <XCAFDoc_DocumentTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>
#include <gp_Ax2.hxx>
#include <gp_Circ.hxx>
#include <gp_Pln.hxx>
#include <gp_Vec.hxx>

namespace zt6 {

namespace {

gp_Pnt At(ProfilePoint p, double z) { return gp_Pnt(p.x, p.y, z); }

// The section at height z0 as a wire running counter-clockwise seen from +z.
TopoDS_Wire SectionWire(const std::vector<SectionSegment>& section, double z0) {
  BRepBuilderAPI_MakeWire wire;
  for (auto s = section.rbegin(); s != section.rend(); ++s) {
    // Reversed: the section runs clockwise.
    const gp_Pnt from = At(s->end, z0);
    const gp_Pnt to = At(s->start, z0);
    if (s->arc) {
      const gp_Dir axis = s->counterClockwise ? gp::DZ() : -gp::DZ();
      const gp_Circ circle(gp_Ax2(At(s->centre, z0), axis), s->radius);
      // The arc from start to end the way round it runs, then turned to run back.
      wire.Add(BRepBuilderAPI_MakeEdge(GC_MakeArcOfCircle(circle, to, from, true).Value()->Reversed()));
    } else {
      wire.Add(BRepBuilderAPI_MakeEdge(GC_MakeSegment(from, to).Value()));
    }
    if (!wire.IsDone()) throw Standard_Failure("the section does not close");
  }
  return wire.Wire();
}

TopoDS_Shape Swept(const TopoDS_Face& face, double length) {
  return BRepPrimAPI_MakePrism(face, gp_Vec(0, 0, length)).Shape();
}

TopoDS_Shape Pin(ProfilePoint centre, double diameter, double z0, double length) {
  return BRepPrimAPI_MakeCylinder(gp_Ax2(At(centre, z0), gp::DZ()), diameter / 2, length).Shape();
}

const Quantity_Color kShaftColour(0.55, 0.60, 0.68, Quantity_TOC_RGB);
const Quantity_Color kHubColour(0.80, 0.55, 0.25, Quantity_TOC_RGB);
const Quantity_Color kPinColour(0.75, 0.10, 0.10, Quantity_TOC_RGB);

}  // namespace

std::vector<ModelSolid> BuildModelSolids(const DesignRecord& design,
                                         const SolidModelOptions& options,
                                         const SolidNames& names) {
  const DesignRecord d = UnderCondition(design, options.condition);
  const double shaftLength = options.shaftLength;
  const double hubStart = (shaftLength - d.l) / 2;
  std::vector<ModelSolid> solids;
  const bool shaft = options.part != SolidPart::Hub;
  const bool hub = options.part != SolidPart::Shaft;
  if (shaft) {
    const TopoDS_Wire outline = SectionWire(ShaftSection(d), 0);
    const TopoDS_Face face = BRepBuilderAPI_MakeFace(gp_Pln(gp::XOY()), outline, true);
    solids.push_back({names.shaft, Swept(face, shaftLength), kShaftColour});
  }
  if (hub) {
    const gp_Circ rim(gp_Ax2(gp_Pnt(0, 0, hubStart), gp::DZ()), options.hubDiameter / 2);
    const TopoDS_Wire outer = BRepBuilderAPI_MakeWire(BRepBuilderAPI_MakeEdge(rim)).Wire();
    BRepBuilderAPI_MakeFace face(gp_Pln(gp_Ax3(gp_Pnt(0, 0, hubStart), gp::DZ())), outer, true);
    // The bore is a hole: it runs the other way round than the rim.
    face.Add(TopoDS::Wire(SectionWire(HubBoreSection(d), hubStart).Reversed()));
    solids.push_back({names.hub, Swept(face.Face(), d.l), kHubColour});
  }
  if (options.pins) {
    if (shaft) {
      const PinPair pins = ShaftPins(d);
      for (std::size_t i = 0; i < pins.centres.size(); ++i)
        solids.push_back({names.shaft + " DRe " + std::to_string(i + 1),
                          Pin(pins.centres[i], pins.diameter, 0, shaftLength), kPinColour});
    }
    if (hub) {
      const PinPair pins = HubPins(d);
      for (std::size_t i = 0; i < pins.centres.size(); ++i)
        solids.push_back({names.hub + " DRi " + std::to_string(i + 1),
                          Pin(pins.centres[i], pins.diameter, hubStart, d.l), kPinColour});
    }
  }
  return solids;
}

std::string WriteStepFile(const std::vector<ModelSolid>& solids, const std::filesystem::path& path) {
  // The library's own progress chatter would mix with the program's messages.
  Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
  try {
    Handle(TDocStd_Document) document;
    XCAFApp_Application::GetApplication()->NewDocument("MDTV-XCAF", document);
    const Handle(XCAFDoc_ShapeTool) shapes = XCAFDoc_DocumentTool::ShapeTool(document->Main());
    const Handle(XCAFDoc_ColorTool) colours = XCAFDoc_DocumentTool::ColorTool(document->Main());
    for (const ModelSolid& solid : solids) {
      const TDF_Label label = shapes->AddShape(solid.shape, false);
      TDataStd_Name::Set(label, TCollection_ExtendedString(solid.name.c_str(), true));
      colours->SetColor(label, solid.colour, XCAFDoc_ColorSurf);
    }
    // The settings exist only once the STEP translator is set up; before that they
    // would be refused without a word.
    STEPCAFControl_Controller::Init();
    Interface_Static::SetCVal("write.step.schema", "AP214IS");
    Interface_Static::SetCVal("write.step.unit", "MM");
    // No parameter-space copies of the edges: they would be written as B-splines.
    Interface_Static::SetIVal("write.surfacecurve.mode", 0);
    STEPCAFControl_Writer writer;
    writer.SetNameMode(true);
    writer.SetColorMode(true);
    if (!writer.Transfer(document, STEPControl_AsIs)) return "the solids could not be transferred";
    const IFSelect_ReturnStatus status = writer.Write(path.string().c_str());
    XCAFApp_Application::GetApplication()->Close(document);
    if (status != IFSelect_RetDone) return "the STEP file could not be written";
  } catch (const Standard_Failure& failure) {
    return std::string("the model could not be built: ") + failure.GetMessageString();
  }
  return {};
}

}  // namespace zt6

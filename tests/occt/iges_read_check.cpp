// Reads one IGES file with OpenCASCADE's IGES reader, an implementation independent of
// ZT6, and prints what it found: the read status, the entities per type, the checks
// the reader raised and what its transfer to shapes gave, with the number of distinct
// edges (an edge placed twice through a subfigure instance counts once, as OpenCASCADE's
// own "nbshapes" counts it).
//
//   iges_read_check FILE.igs
//
// Exit code 0 when the file was read, 1 when the reader refused it, 2 on usage errors.

#include <IFSelect_ReturnStatus.hxx>
#include <IGESControl_Reader.hxx>
#include <IGESData_IGESEntity.hxx>
#include <IGESData_IGESModel.hxx>
#include <Interface_Check.hxx>
#include <Interface_CheckIterator.hxx>
#include <Interface_CheckTool.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <Standard_Failure.hxx>
#include <TopAbs_ShapeEnum.hxx>
#include <TopExp_Explorer.hxx>
#include <TopLoc_Location.hxx>
#include <TopTools_MapOfShape.hxx>
#include <TopoDS_Shape.hxx>
#include <iostream>
#include <map>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: iges_read_check FILE.igs\n";
    return 2;
  }
  // The reader's own progress chatter would mix with the report.
  Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
  try {
    IGESControl_Reader reader;
    const IFSelect_ReturnStatus status = reader.ReadFile(argv[1]);
    std::cout << "status " << static_cast<int>(status) << "\n";
    if (status != IFSelect_RetDone) {
      std::cout << "read failed\n";
      return 1;
    }
    const Handle(IGESData_IGESModel) model = reader.IGESModel();
    std::map<int, int> perType;
    for (Standard_Integer i = 1; i <= model->NbEntities(); ++i)
      ++perType[model->Entity(i)->TypeNumber()];
    std::cout << "entities " << model->NbEntities() << "\n";
    for (const auto& [type, count] : perType) std::cout << "type " << type << " " << count << "\n";

    Interface_CheckTool tool(model);
    const Interface_CheckIterator checks = tool.CompleteCheckList();
    int fails = 0;
    int warnings = 0;
    for (checks.Start(); checks.More(); checks.Next()) {
      const Handle(Interface_Check)& check = checks.Value();
      fails += check->NbFails();
      warnings += check->NbWarnings();
      for (Standard_Integer k = 1; k <= check->NbFails(); ++k)
        std::cout << "fail: entity " << checks.Number() << ": " << check->CFail(k) << "\n";
      for (Standard_Integer k = 1; k <= check->NbWarnings(); ++k)
        std::cout << "warning: entity " << checks.Number() << ": " << check->CWarning(k) << "\n";
    }
    std::cout << "fails " << fails << "\n";
    std::cout << "warnings " << warnings << "\n";

    std::cout << "roots " << reader.NbRootsForTransfer() << "\n";
    reader.TransferRoots();
    std::cout << "shapes " << reader.NbShapes() << "\n";
    TopTools_MapOfShape edges;
    for (TopExp_Explorer edge(reader.OneShape(), TopAbs_EDGE); edge.More(); edge.Next())
      edges.Add(edge.Current().Located(TopLoc_Location()));
    std::cout << "edges " << edges.Extent() << "\n";
  } catch (const Standard_Failure& failure) {
    std::cout << "exception " << failure.GetMessageString() << "\n";
    return 1;
  }
  return 0;
}

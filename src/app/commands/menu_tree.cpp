// The main menu's items in menu order, as the window builds them, each with its command.

#include <algorithm>
#include <string>
#include <vector>

#include "app/commands/menu_captions.h"
#include "cad/drawing_sheets.h"
#include "calc/standard_tables.h"

namespace zt6 {

namespace {

using C = MenuCommand;
namespace kind = drawing_kind;

class TreeBuilder {
 public:
  TreeBuilder& Menu(std::string name, std::string parent, std::string caption) {
    return Add(MenuEntryKind::Menu, std::move(name), std::move(parent), std::move(caption),
               C::None, 0);
  }
  TreeBuilder& Item(std::string name, std::string parent, std::string caption, MenuCommand command,
                    int argument = 0) {
    return Add(MenuEntryKind::Item, std::move(name), std::move(parent), std::move(caption),
               command, argument);
  }
  TreeBuilder& Separator(std::string name, std::string parent) {
    return Add(MenuEntryKind::Separator, std::move(name), std::move(parent), {}, C::None, 0);
  }
  // A separator shown only beside items of this build that are hidden.
  TreeBuilder& HiddenSeparator(std::string name, std::string parent) {
    return Add(MenuEntryKind::Separator, std::move(name), std::move(parent), {}, C::Hidden, 0);
  }
  // The keyboard shortcut of the entry added last.
  TreeBuilder& Shortcut(std::string keys) {
    entries_.back().shortcut = std::move(keys);
    return *this;
  }
  // A view submenu with its shaft, hub and both items, named after the submenu.
  TreeBuilder& ShaftHubSubmenu(const std::string& name, std::string caption, int shaft, int hub,
                               int both) {
    Menu(name, "mi_View", std::move(caption));
    Item(name + "welle", name, "&Welle", C::ScreenDrawing, shaft);
    Item(name + "nabe", name, "&Nabe", C::ScreenDrawing, hub);
    return Item(name + "wellenabe", name, "&Welle + &Nabe", C::ScreenDrawing, both);
  }
  std::vector<MenuEntry> Take() { return std::move(entries_); }

 private:
  TreeBuilder& Add(MenuEntryKind entryKind, std::string name, std::string parent,
                   std::string caption, MenuCommand command, int argument) {
    MenuEntry e;
    e.kind = entryKind;
    e.name = std::move(name);
    e.parent = std::move(parent);
    e.fixedCaption = std::move(caption);
    e.command = command;
    e.argument = argument;
    entries_.push_back(std::move(e));
    return *this;
  }
  std::vector<MenuEntry> entries_;
};

int TableNumber(ToleranceTable table) { return static_cast<int>(table); }

std::vector<MenuEntry> BuildTree() {
  TreeBuilder t;
  t.Menu("mi_file", "", "&Datei")
      .Item("mi_fileNew", "mi_file", "&Neu...", C::New).Shortcut("Ctrl+N")
      .Item("mi_fileOpen", "mi_file", "Ö&ffnen...", C::Open).Shortcut("Ctrl+O")
      .Item("mi_fileOpenTable", "mi_file", "Ö&ffnen... (&Tabelle)", C::OpenTable)
      .Item("mi_FileSave", "mi_file", "&Speichern...", C::Save).Shortcut("Ctrl+S")
      .Item("mi_FileSaveAs", "mi_file", "Speichern &Unter...", C::SaveAs)
      .Separator("sep_file1", "mi_file")
      .Item("mi_fileprint", "mi_file", "&Drucken...", C::PrintDrawing).Shortcut("Ctrl+P")
      .Item("mi_fileprintersetup", "mi_file", "Druckereinstellung", C::PrinterSetup)
      .Separator("sep_file2", "mi_file")
      .Item("mi_fileConfig", "mi_file", "E&instellungen", C::Settings)
      .Separator("sep_file3", "mi_file");
  for (int k = 1; k <= 4; ++k) {
    t.Item("mi_file" + std::to_string(k), "mi_file", "", C::OpenRecent, k)
        .Shortcut("Shift+F" + std::to_string(k));
  }
  t.Separator("sep_fileRecent", "mi_file").Item("mi_fileexit", "mi_file", "&Beenden", C::Exit);

  t.Menu("mi_Edit", "", "&Bearbeiten")
      .Item("mi_EditText", "mi_Edit", "Te&xt", C::EditText)
      .Item("mi_editabmessungen", "mi_Edit", "&Abmessungen", C::EditDimensions)
      .Item("mi_EditMaterial", "mi_Edit", "&Werkstoff", C::EditMaterial)
      .Item("mi_editLast", "mi_Edit", "&Last", C::EditLoad)
      .Separator("sep_edit1", "mi_Edit")
      .Item("mi_editvorauslegung", "mi_Edit", "&Vorauslegung", C::WithoutCommand);

  t.Menu("mi_View", "", "&Ansicht")
      .Item("mi_ViewAusdruck", "mi_View", "&Ausdruck", C::Report)
      .Item("mi_viewQuick", "mi_View", "&Quick", C::ScreenDrawing, kind::kQuick)
      .ShaftHubSubmenu("mi_viewprofil", "&Zeichnung", kind::kShaft, kind::kHub,
                       kind::kShaftAndHub)
      .ShaftHubSubmenu("mi_viewfertigungszeichnung", "&Fertigungszeichnung",
                       kind::kShaftManufacturing, kind::kHubManufacturing,
                       kind::kShaftAndHubManufacturing)
      .ShaftHubSubmenu("mi_viewtabelle", "&Tabelle", kind::kShaftTable, kind::kHubTable,
                       kind::kShaftAndHubTable)
      .ShaftHubSubmenu("mi_viewtabelletol", "&Tabelle min/max", kind::kShaftToleranceTable,
                       kind::kHubToleranceTable, kind::kShaftAndHubToleranceTable)
      .Item("mi_viewPassung", "mi_View", "&Toleranzen Zahn&dicke", C::ScreenDrawing,
            kind::kToleranceDiagram)
      .Separator("sep_view1", "mi_View")
      .Item("mi_viewErrorMessages", "mi_View", "&Fehlermeldungen (0)", C::RunMessages);

  t.Menu("mi_CAD", "", "&CAD")
      .Item("mi_cadprofilwelle", "mi_CAD", "Zahn&form &Welle", C::CadDrawing, kind::kShaftProfile)
      .Item("mi_cadprofilnabe", "mi_CAD", "Zahn&form &Nabe", C::CadDrawing, kind::kHubProfile)
      .Item("mi_cadprofilwellenabe", "mi_CAD", "Zahn&form &Welle + &Nabe", C::CadDrawing,
            kind::kShaftAndHubProfile)
      .Separator("sep_cad1", "mi_CAD")
      .Item("mi_cadfertwelle", "mi_CAD", "&Welle &Fertigungszeichnung", C::CadDrawing,
            kind::kShaftManufacturing)
      .Item("mi_cadfertnabe", "mi_CAD", "&Nabe &Fertigungszeichnung", C::CadDrawing,
            kind::kHubManufacturing)
      .Item("mi_cadfertwellenabe", "mi_CAD", "&Welle + &Nabe &Fertigungszeichnung", C::CadDrawing,
            kind::kShaftAndHubManufacturing)
      .Separator("sep_cad2", "mi_CAD")
      .Item("mi_cadsonstige", "mi_CAD", "&Sonstige..", C::DrawingList)
      .Item("mi_cadstep", "mi_CAD", "&3D-Modell (STEP)...", C::StepModel);

  t.Menu("mi_database", "", "Datenban&k")
      .Item("mi_dbfDin5481", "mi_database", "&DIN 5481", C::Din5481Table)
      .Item("mi_dbfzt6f2", "mi_database", "Tol. F Nabe", C::ToleranceTable,
            TableNumber(ToleranceTable::Hub))
      .Item("mi_dbfzt6f1f", "mi_database", "Tol. F Welle, fein", C::ToleranceTable,
            TableNumber(ToleranceTable::ShaftFine))
      .Item("mi_dbfzt6f1g", "mi_database", "Tol. F Welle, grob", C::ToleranceTable,
            TableNumber(ToleranceTable::ShaftCoarse))
      .Item("mi_dbfzt6tol", "mi_database", "Tol. TG, DR", C::ToleranceTable,
            TableNumber(ToleranceTable::TotalTolerances))
      .Item("mi_dbfzt6fr", "mi_database", "Tol. Fr", C::RunoutTable)
      .Item("mi_dbfmaterial", "mi_database", "&Werkstoff", C::MaterialTable)
      .Item("mi_dbwstyp", "mi_database", "Werkstoff&typ", C::MaterialGroups);

  t.Menu("mi_documentation", "", "D&okument")
      .Item("mi_docdrawinginfo", "mi_documentation", "&Zeichnungsdaten", C::ChangeRecords, 6)
      .Separator("sep_doc1", "mi_documentation")
      .Item("mi_docuShowChanges1", "mi_documentation", "Änderungen - &Info", C::ChangeRecords, 4)
      .Item("mi_docuPrintChanges", "mi_documentation", "Änderungen - &Ausdruck",
            C::ChangeRecords, 5)
      .Item("mi_docuNewChange", "mi_documentation", "&Neue Änderung", C::ChangeRecords, 1)
      .Item("mi_docuModifyChanges", "mi_documentation", "Letzte Änderung &bearbeiten",
            C::ChangeRecords, 2)
      .Item("mi_docudeleteChange", "mi_documentation", "Letzte Änderung &löschen",
            C::ChangeRecords, 3)
      .Separator("sep_doc2", "mi_documentation");
  for (int k = 1; k <= 5; ++k) {
    const std::string n = std::to_string(k);
    t.Item("mi_Document" + n, "mi_documentation", "D&okument &" + n, C::OpenDocument, k);
  }
  t.Separator("sep_doc3", "mi_documentation")
      .Item("mi_DocumentSetup", "mi_documentation", "Dokument &Setup", C::DocumentSetup);

  t.Menu("mi_OLE", "", "&OLE")
      .Item("mi_OleStartExcel", "mi_OLE", "Start Excel", C::StartSpreadsheet)
      .Item("mi_OleExportExcel", "mi_OLE", "Export ZT6 -> Excel", C::ExportSpreadsheet)
      .Item("mi_OleImportExcel", "mi_OLE", "Import Excel -> ZT6", C::WithoutCommand)
      .Separator("sep_ole1", "mi_OLE")
      .Item("mi_OlePrintoutExcel", "mi_OLE", "Printout -> Excel", C::ReportSpreadsheet);

  t.Menu("mi_extras", "", "E&xtras")
      .Item("mi_extrasSizeForLoad", "mi_extras", "&Größe nach Last...", C::SizeForLoad)
      .Item("mi_extrasParameterStudy", "mi_extras", "&Parameterstudie...", C::ParameterStudy);

  t.Menu("mi_Help", "", "&Hilfe")
      .Item("mi_HelpHilfebild", "mi_Help", "&Hilfebild", C::HelpImages)
      .Item("mi_helpErrorMessages", "mi_Help", "&Fehlermeldungen", C::MessageSummary)
      .Item("mi_helphistory", "mi_Help", "&History", C::WithoutCommand)
      .Item("mi_helpDemo", "mi_Help", "&Demo", C::Demo)
      .Menu("mi_helplanguage", "mi_Help", "&Sprache")
      .Item("mi_helplanguagedeutsch", "mi_helplanguage", "&Deutsch", C::Language, 1)
      .Item("mi_helplanguageenglisch", "mi_helplanguage", "&English", C::Language, 2)
      .Item("mi_helplanguageRoman", "mi_helplanguage", "&Roman", C::Language, 7)
      .Item("mi_helplanguageKorea", "mi_helplanguage", "&Korea", C::Language, 8)
      .Separator("sep_help1", "mi_Help")
      .Item("mi_helpwww", "mi_Help", "&MORVANE Homepage", C::Hidden)
      .Item("mi_helpemail", "mi_Help", "&E-Mail an MORVANE", C::Hidden)
      .HiddenSeparator("sep_help2", "mi_Help")
      .Item("mi_HelpAbout", "mi_Help", "&ZT6", C::About);
  return t.Take();
}

}  // namespace

const std::vector<MenuEntry>& MainMenuTree() {
  static const std::vector<MenuEntry> tree = BuildTree();
  return tree;
}

const MenuEntry* FindMenuEntry(std::string_view name) {
  const std::vector<MenuEntry>& tree = MainMenuTree();
  const auto found =
      std::find_if(tree.begin(), tree.end(), [name](const MenuEntry& e) { return e.name == name; });
  return found == tree.end() ? nullptr : &*found;
}

}  // namespace zt6

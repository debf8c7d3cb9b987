// The main menu's items in menu order, as the window builds them.

#include <string>
#include <vector>

#include "app/menu_captions.h"

namespace zt6 {

namespace {

class TreeBuilder {
 public:
  TreeBuilder& Menu(std::string name, std::string parent, std::string caption) {
    return Add(MenuEntryKind::Menu, std::move(name), std::move(parent), {}, std::move(caption));
  }
  TreeBuilder& Item(std::string name, std::string parent, std::string caption,
                    std::string shortcut = {}) {
    return Add(MenuEntryKind::Item, std::move(name), std::move(parent), std::move(shortcut),
               std::move(caption));
  }
  TreeBuilder& Separator(std::string name, std::string parent) {
    return Add(MenuEntryKind::Separator, std::move(name), std::move(parent), {}, {});
  }
  // A view submenu with its shaft, hub and both items, named after the submenu.
  TreeBuilder& ShaftHubSubmenu(const std::string& name, std::string caption) {
    Menu(name, "mi_View", std::move(caption));
    Item(name + "welle", name, "&Welle");
    Item(name + "nabe", name, "&Nabe");
    return Item(name + "wellenabe", name, "&Welle + &Nabe");
  }
  std::vector<MenuEntry> Take() { return std::move(entries_); }

 private:
  TreeBuilder& Add(MenuEntryKind kind, std::string name, std::string parent,
                   std::string shortcut, std::string caption) {
    MenuEntry e;
    e.kind = kind;
    e.name = std::move(name);
    e.parent = std::move(parent);
    e.shortcut = std::move(shortcut);
    e.fixedCaption = std::move(caption);
    entries_.push_back(std::move(e));
    return *this;
  }
  std::vector<MenuEntry> entries_;
};

std::vector<MenuEntry> BuildTree() {
  TreeBuilder t;
  t.Menu("mi_file", "", "&Datei")
      .Item("mi_fileNew", "mi_file", "&Neu...", "Ctrl+N")
      .Item("mi_fileOpen", "mi_file", "Ö&ffnen...", "Ctrl+O")
      .Item("mi_fileOpenTable", "mi_file", "Ö&ffnen... (&Tabelle)")
      .Item("mi_FileSave", "mi_file", "&Speichern...", "Ctrl+S")
      .Item("mi_FileSaveAs", "mi_file", "Speichern &Unter...")
      .Separator("sep_file1", "mi_file")
      .Item("mi_fileprint", "mi_file", "&Drucken...", "Ctrl+P")
      .Item("mi_fileprintersetup", "mi_file", "Druckereinstellung")
      .Separator("sep_file2", "mi_file")
      .Item("mi_fileConfig", "mi_file", "E&instellungen")
      .Separator("sep_file3", "mi_file");
  for (int k = 1; k <= 4; ++k)
    t.Item("mi_file" + std::to_string(k), "mi_file", "", "Shift+F" + std::to_string(k));
  t.Separator("sep_fileRecent", "mi_file").Item("mi_fileexit", "mi_file", "&Beenden");

  t.Menu("mi_Edit", "", "&Bearbeiten")
      .Item("mi_EditText", "mi_Edit", "Te&xt")
      .Item("mi_editabmessungen", "mi_Edit", "&Abmessungen")
      .Item("mi_EditMaterial", "mi_Edit", "&Werkstoff")
      .Item("mi_editLast", "mi_Edit", "&Last")
      .Separator("sep_edit1", "mi_Edit")
      .Item("mi_editvorauslegung", "mi_Edit", "&Vorauslegung");

  t.Menu("mi_View", "", "&Ansicht")
      .Item("mi_ViewAusdruck", "mi_View", "&Ausdruck")
      .Item("mi_viewQuick", "mi_View", "&Quick")
      .ShaftHubSubmenu("mi_viewprofil", "&Zeichnung")
      .ShaftHubSubmenu("mi_viewfertigungszeichnung", "&Fertigungszeichnung")
      .ShaftHubSubmenu("mi_viewtabelle", "&Tabelle")
      .ShaftHubSubmenu("mi_viewtabelletol", "&Tabelle min/max")
      .Item("mi_viewPassung", "mi_View", "&Toleranzen Zahn&dicke")
      .Separator("sep_view1", "mi_View")
      .Item("mi_viewErrorMessages", "mi_View", "&Fehlermeldungen (0)");

  t.Menu("mi_CAD", "", "&CAD")
      .Item("mi_cadprofilwelle", "mi_CAD", "Zahn&form &Welle")
      .Item("mi_cadprofilnabe", "mi_CAD", "Zahn&form &Nabe")
      .Item("mi_cadprofilwellenabe", "mi_CAD", "Zahn&form &Welle + &Nabe")
      .Separator("sep_cad1", "mi_CAD")
      .Item("mi_cadfertwelle", "mi_CAD", "&Welle &Fertigungszeichnung")
      .Item("mi_cadfertnabe", "mi_CAD", "&Nabe &Fertigungszeichnung")
      .Item("mi_cadfertwellenabe", "mi_CAD", "&Welle + &Nabe &Fertigungszeichnung")
      .Separator("sep_cad2", "mi_CAD")
      .Item("mi_cadsonstige", "mi_CAD", "&Sonstige..");

  t.Menu("mi_database", "", "Datenban&k")
      .Item("mi_dbfDin5481", "mi_database", "&DIN 5481")
      .Item("mi_dbfzt6f2", "mi_database", "Tol. F Nabe")
      .Item("mi_dbfzt6f1f", "mi_database", "Tol. F Welle, fein")
      .Item("mi_dbfzt6f1g", "mi_database", "Tol. F Welle, grob")
      .Item("mi_dbfzt6tol", "mi_database", "Tol. TG, DR")
      .Item("mi_dbfzt6fr", "mi_database", "Tol. Fr")
      .Item("mi_dbfmaterial", "mi_database", "&Werkstoff")
      .Item("mi_dbwstyp", "mi_database", "Werkstoff&typ");

  t.Menu("mi_documentation", "", "D&okument")
      .Item("mi_docdrawinginfo", "mi_documentation", "&Zeichnungsdaten")
      .Separator("sep_doc1", "mi_documentation")
      .Item("mi_docuShowChanges1", "mi_documentation", "Änderungen - &Info")
      .Item("mi_docuPrintChanges", "mi_documentation", "Änderungen - &Ausdruck")
      .Item("mi_docuNewChange", "mi_documentation", "&Neue Änderung")
      .Item("mi_docuModifyChanges", "mi_documentation", "Letzte Änderung &bearbeiten")
      .Item("mi_docudeleteChange", "mi_documentation", "Letzte Änderung &löschen")
      .Separator("sep_doc2", "mi_documentation");
  for (int k = 1; k <= 5; ++k) {
    const std::string n = std::to_string(k);
    t.Item("mi_Document" + n, "mi_documentation", "D&okument &" + n);
  }
  t.Separator("sep_doc3", "mi_documentation")
      .Item("mi_DocumentSetup", "mi_documentation", "Dokument &Setup");

  t.Menu("mi_OLE", "", "&OLE")
      .Item("mi_OleStartExcel", "mi_OLE", "Start Excel")
      .Item("mi_OleExportExcel", "mi_OLE", "Export ZT6 -> Excel")
      .Item("mi_OleImportExcel", "mi_OLE", "Import Excel -> ZT6")
      .Separator("sep_ole1", "mi_OLE")
      .Item("mi_OlePrintoutExcel", "mi_OLE", "Printout -> Excel");

  t.Menu("mi_Help", "", "&Hilfe")
      .Item("mi_HelpHilfebild", "mi_Help", "&Hilfebild")
      .Item("mi_helpErrorMessages", "mi_Help", "&Fehlermeldungen")
      .Item("mi_helphistory", "mi_Help", "&History")
      .Item("mi_helpDemo", "mi_Help", "&Demo")
      .Menu("mi_helplanguage", "mi_Help", "&Sprache")
      .Item("mi_helplanguagedeutsch", "mi_helplanguage", "&Deutsch")
      .Item("mi_helplanguageenglisch", "mi_helplanguage", "&English")
      .Item("mi_helplanguageRoman", "mi_helplanguage", "&Roman")
      .Item("mi_helplanguageKorea", "mi_helplanguage", "&Korea")
      .Separator("sep_help1", "mi_Help")
      .Item("mi_helpwww", "mi_Help", "&MORVANE Homepage")
      .Item("mi_helpemail", "mi_Help", "&E-Mail an MORVANE")
      .Separator("sep_help2", "mi_Help")
      .Item("mi_HelpAbout", "mi_Help", "&ZT6");
  return t.Take();
}

}  // namespace

const std::vector<MenuEntry>& MainMenuTree() {
  static const std::vector<MenuEntry> tree = BuildTree();
  return tree;
}

}  // namespace zt6

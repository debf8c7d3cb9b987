// One language per program: every window and dialog opened in German and in English,
// every text a user sees collected (titles, labels, buttons, menus, tooltips, table
// headers, tabs, message boxes), and none may be of the other language. What the user
// typed or the tables hold (edit fields, grid cells, lists) is data, not looked at.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QTranslator>
#include <QXmlStreamReader>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/forms/configuration_controls.h"
#include "gui/drawing_view.h"
#include "gui/qt_printer.h"
#include "gui/qt_translations.h"
#include "report/vocabulary.h"
#include "support/drawn_texts.h"
#include "support/gui_fixture.h"

namespace zt6 {
namespace {

using test_support::ClickButton;

// Texts of the other language that come from the core, not from the desktop's catalogue,
// as this walk found them: the help file (tooltips and help texts), the help image list,
// the caption table, the CAD colour names and the project table's words. The core's own
// catalogue replaces them; until then each is named here by its window and the start of
// its text, and nothing else of the other language passes.
struct CoreText {
  int language;  // the run that shows it: 1 German, 2 English
  const char* window;
  const char* start;
};

const std::vector<CoreText>& CoreTextsOfTheOtherLanguage() {
  static const std::vector<CoreText> texts = {
  };
  return texts;
}

// The entry that names this text, or nullptr.
const CoreText* FromTheCore(int language, const QString& window, const QString& text) {
  for (const CoreText& t : CoreTextsOfTheOtherLanguage()) {
    if (t.language == language && window == t.window && text.startsWith(QString::fromUtf8(t.start)))
      return &t;
  }
  return nullptr;
}

struct Catalogue {
  std::set<QString> englishPhrases;  // translations unlike their German source
  std::set<QString> germanWords;     // in a German source, never in a translation
};

QStringList Words(const QString& text) {
  QString plain = text;
  plain.remove('&');
  return plain.split(QRegularExpression("[^\\p{L}]+"), Qt::SkipEmptyParts);
}

// The word lists from the English catalogues as built: every message whose translation
// differs from its German source gives its words to both sides, then the words either
// side also uses are struck ("Name", "Layer", "CAD").
Catalogue ReadCatalogue() {
  std::set<QString> sourceWords, translationWords, english, german;
  for (const char* file : {"zt6_en.ts", "zt6_settings_en.ts"}) {
    QFile in(QString(ZT6_SOURCE_DIR) + "/translations/" + file);
    EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file;
    QXmlStreamReader xml(&in);
    QString source;
    while (!xml.atEnd()) {
      if (xml.readNext() != QXmlStreamReader::StartElement) continue;
      if (xml.name() == u"source") source = xml.readElementText();
      if (xml.name() != u"translation") continue;
      const QString translation = xml.readElementText();
      for (const QString& w : Words(source)) sourceWords.insert(w);
      for (const QString& w : Words(translation)) translationWords.insert(w);
      if (source == translation) continue;
      for (const QString& w : Words(source)) german.insert(w);
      english.insert(translation);
    }
  }
  // The English help texts count as translations too: their words ("normal", "Plot")
  // are English even where a German source uses them.
  for (const char* file : {"zt6.en.hlp.txt", "morvane.en.hlp.txt"}) {
    QFile in(QString(ZT6_DATA_DIR) + "/help/" + file);
    EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file;
    for (const QString& w : Words(QString::fromUtf8(in.readAll()))) translationWords.insert(w);
  }
  // The core's German words: its vocabulary's, where no English text uses the same word
  // ("Werkstoffdatenbank", "Kerbverzahnung").
  for (const auto& [de, en] : VocabularyEntries()) {
    for (const QString& w : Words(QString::fromUtf8(de.data(), qsizetype(de.size()))))
      german.insert(w);
    for (const QString& w : Words(QString::fromUtf8(en.data(), qsizetype(en.size())))) {
      translationWords.insert(w);
      translationWords.insert(w.left(1).toUpper() + w.mid(1));  // "plotter", "Plotter"
    }
  }
  Catalogue c;
  // A translation's pieces between its placeholders, without accelerators and dots.
  for (const QString& t : english) {
    for (QString piece : QString(t).remove('&').split(QRegularExpression("%\\d|\\|"))) {
      piece = piece.trimmed().remove(QRegularExpression("[.:?!]+$")).trimmed();
      if (piece.size() > 3 && !sourceWords.count(piece)) c.englishPhrases.insert(piece);
    }
  }
  for (const QString& w : german)
    if (w.size() > 2 && !translationWords.count(w)) c.germanWords.insert(w);
  return c;
}

class LanguageWalk : public test_support::GuiFixture, public ::testing::WithParamInterface<int> {
 protected:
  void TearDown() override {
    // The next test starts in German, as the program does.
    gui::UseQtTranslations(1);
  }

  bool English() const { return GetParam() == 2; }

  void Add(const QString& where, QString text) {
    // File names and font names are the user's, not the program's words.
    text.replace(QString::fromStdString(dir.path().string()), "<folder>");
    static const QStringList fonts = QFontDatabase::families();
    if (text.trimmed().isEmpty() || fonts.contains(text)) return;
    seen.push_back({where, text});
  }

  void AddMenu(const QString& where, QMenu* menu) {
    Add(where, menu->title());
    // Each language is named in its own words ("&Deutsch", "&English") in every language.
    if (menu->objectName() == "mi_helplanguage") return;
    for (QAction* action : menu->actions()) {
      if (!action->isVisible() || action->isSeparator()) continue;
      Add(where, action->text());
      if (action->toolTip() != QString(action->text()).remove('&')) Add(where, action->toolTip());
    }
  }

  // Everything of w a user reads; edit fields, grid cells and lists are data.
  void Collect(QWidget* w) {
    const QString name = w->objectName();
    Add(name, w->windowTitle());
    if (auto* box = qobject_cast<QMessageBox*>(w)) Add(name, box->text());
    for (QWidget* child : w->findChildren<QWidget*>()) {
      if (!child->toolTip().isEmpty()) Add(name, child->toolTip());
      if (auto* label = qobject_cast<QLabel*>(child)) Add(name, label->text());
      if (auto* button = qobject_cast<QAbstractButton*>(child)) Add(name, button->text());
      if (auto* group = qobject_cast<QGroupBox*>(child)) Add(name, group->title());
      if (auto* tabs = qobject_cast<QTabWidget*>(child))
        for (int i = 0; i < tabs->count(); ++i) Add(name, tabs->tabText(i));
      // An editable box takes what the user types: its items are proposals of input.
      if (auto* combo = qobject_cast<QComboBox*>(child); combo != nullptr && !combo->isEditable())
        for (int i = 0; i < combo->count(); ++i) Add(name, combo->itemText(i));
      if (auto* view = qobject_cast<QTableView*>(child)) {
        QAbstractItemModel* model = view->model();
        if (model == nullptr) continue;
        if (!view->horizontalHeader()->isHidden())
          for (int c = 0; c < model->columnCount(); ++c)
            Add(name, model->headerData(c, Qt::Horizontal).toString());
        if (!view->verticalHeader()->isHidden())
          for (int r = 0; r < model->rowCount(); ++r)
            Add(name, model->headerData(r, Qt::Vertical).toString());
      }
    }
    for (QMenu* menu : w->findChildren<QMenu*>()) AddMenu(name, menu);
  }

  // Opens the dialog the menu item brings up, collects it and closes it with Abbrechen.
  void Dialog(const std::string& item, const std::string& dialog,
              const char* close = "Button_cancel") {
    script.Expect(dialog, [this, close](QWidget* w) {
      Collect(w);
      ClickButton(w, close);
    });
    Run(item);
  }

  // The texts of the other language, each with its window.
  std::vector<std::string> Foreign() const {
    static const Catalogue catalogue = ReadCatalogue();
    static const QRegularExpression umlaut("[äöüÄÖÜß]");
    std::vector<std::string> found;
    std::set<const CoreText*> named;
    for (const auto& [where, text] : seen) {
      bool foreign = false;
      // The CAD text mode's item shows the very characters it replaces.
      if (text == QString::fromUtf8("Ä->Ae, ß->ss...")) continue;
      if (English()) {
        foreign = text.contains(umlaut);
        for (const QString& w : Words(text)) foreign = foreign || catalogue.germanWords.count(w);
      } else {
        const QString plain = QString(text).remove('&');
        for (const QString& phrase : catalogue.englishPhrases) {
          const QRegularExpression whole("(^|[^\\p{L}])" + QRegularExpression::escape(phrase) +
                                         "($|[^\\p{L}])");
          foreign = foreign || plain.contains(whole);
        }
      }
      if (!foreign) continue;
      if (const CoreText* core = FromTheCore(GetParam(), where, text)) {
        named.insert(core);
      } else {
        found.push_back(where.toStdString() + ": " + text.toStdString());
      }
    }
    // A core text translated meanwhile leaves the list.
    for (const CoreText& t : CoreTextsOfTheOtherLanguage()) {
      if (t.language == GetParam() && !named.count(&t))
        found.push_back(std::string("no longer met, to be struck from the list: ") + t.window +
                        ": " + t.start);
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
  }

  std::vector<std::pair<QString, QString>> seen;
};

class LanguageWalkSwitch : public test_support::GuiFixture {
 protected:
  void TearDown() override { gui::UseQtTranslations(1); }
};

TEST_P(LanguageWalk, EveryWindowSpeaksOneLanguage) {
  // Switched from the other language, so nothing of the first one may stay behind.
  Run(English() ? "mi_helplanguagedeutsch" : "mi_helplanguageenglisch");
  Run(English() ? "mi_helplanguageenglisch" : "mi_helplanguagedeutsch");
  QCoreApplication::processEvents();  // the windows' language change
  window->resize(1100, 820);
  Run("mi_viewQuick");
  Collect(window.get());

  Dialog("mi_editabmessungen", "TForm_zt6abm");
  Dialog("mi_EditMaterial", "TForm_ztwst");
  Dialog("mi_editLast", "TForm_zt4last");
  Dialog("mi_EditText", "TForm_uni5");
  script.Expect("Tdbf4", [this](QWidget* w) {
    Collect(w);
    ClickButton(w, "Button_cancel");
  });
  Run("mi_dbfDin5481");

  // Settings: every page, the colour choice and the plot program's window.
  script.Expect("Tconfig", [this](QWidget* w) {
    Collect(w);
    auto* tabs = w->findChild<QTabWidget*>("Pagecontrol1");
    tabs->setCurrentWidget(tabs->findChild<QWidget*>("Tab_color"));
    ClickButton(w, "Button_selectcolor");
    tabs->setCurrentWidget(tabs->findChild<QWidget*>("Tab_extern"));
    ClickButton(w, "Button_confplotrix");
    ClickButton(w, "Button_cancel");
  });
  script.Expect("TForm_selectcolor", [this](QWidget* w) {
    Collect(w);
    ClickButton(w, "Button_cancel");
  });
  script.Expect("TForm_confplotrix", [this](QWidget* w) {
    Collect(w);
    ClickButton(w, "Button_cancel");
  });
  Run("mi_fileConfig");

  // Printing onto a PDF file: the print settings and the printer's information.
  QPrinter& device = window->DrawingPrinter().Device();
  device.setOutputFormat(QPrinter::PdfFormat);
  device.setOutputFileName(QString::fromStdString((dir.path() / "walk.pdf").string()));
  Dialog("mi_fileprint", "TForm_printconf");
  script.Expect("TForm_printconf", [](QWidget* w) { ClickButton(w, "Button_ok"); });
  script.Expect("TForm_printerinfo", [this](QWidget* w) {
    Collect(w);
    ClickButton(w, "Button_ok");
  });
  Run("mi_fileprintersetup");

  // Documentation: a change record with the list it ends in, the drawing information,
  // the documents.
  script.Expect("TForm_EinAend", [this](QWidget* w) {
    Collect(w);
    ClickButton(w, "Button_ok");
  });
  script.Expect("TForm_showtextfile", [this](QWidget* w) {
    Collect(w);
    qobject_cast<QDialog*>(w)->accept();
  });
  Run("mi_docuNewChange");
  Dialog("mi_docdrawinginfo", "TForm_zeichInfo");
  Dialog("mi_DocumentSetup", "TForm_confDoku");

  // The assistant's windows and the 3D model's.
  Dialog("mi_extrasSizeForLoad", "TForm_sizeForLoad");
  script.Expect("TForm_parameterStudy", [this](QWidget* w) {
    Collect(w);
    ClickButton(w, "Button_close");
  });
  Run("mi_extrasParameterStudy");
#ifdef ZT6_HAVE_STEP
  Dialog("mi_cadstep", "StepModelWindow");
#endif

  // Help: the image browser, a help text, the about box.
  script.Expect("TForm_hilfebild", [this](QWidget* w) {
    Collect(w);
    ClickButton(w, "Button_ok");
  });
  Run("mi_HelpHilfebild");
  script.Expect("TForm_zt6abm", [this](QWidget* w) {
    script.Expect("MessageBox", [this](QWidget* box) {
      Collect(box);
      qobject_cast<QMessageBox*>(box)->accept();
    });
    ClickButton(w, "Button_help");
    ClickButton(w, "Button_cancel");
  });
  Run("mi_editabmessungen");
  script.Expect("About", [this](QWidget* w) {
    Collect(w);
    qobject_cast<QMessageBox*>(w)->accept();
  });
  Run("mi_HelpAbout");

  // The project table over two example projects.
  for (const char* example : {"welle_12x14.zt6", "din5481_17x20.zt6"}) {
    std::filesystem::copy_file(std::filesystem::path(ZT6_DATA_DIR) / "examples" / example,
                               dir.path() / example);
  }
  program.modified = false;
  script.Expect("TForm_preview", [this](QWidget* w) {
    Collect(w);
    qobject_cast<QDialog*>(w)->reject();
  });
  Run("mi_fileOpenTable");

  // Last: New asks which kind of connection, then the project is gone.
  script.Expect("Tin_radiodialog", [this](QWidget* w) {
    Collect(w);
    ClickButton(w, "Button_cancel");
  });
  Run("mi_fileNew");

  EXPECT_GT(seen.size(), 300u) << "the walk saw too little to judge";
  const std::vector<std::string> foreign = Foreign();
  std::string list;
  for (const std::string& f : foreign) list += "\n  " + f;
  EXPECT_TRUE(foreign.empty()) << foreign.size() << " texts of the other language:" << list;
}

// Switching the language redraws the picture shown in it at once, and the table editor,
// built once and kept, takes the new words before it is shown again.
TEST_F(LanguageWalkSwitch, QuickSheetAndTableEditorFollowAtOnce) {
  window->resize(1100, 820);
  Run("mi_viewQuick");
  const std::string german = test_support::DrawnTexts(window->View()).join(" | ").toStdString();
  Run("mi_helplanguageenglisch");
  const std::string switched = test_support::DrawnTexts(window->View()).join(" | ").toStdString();
  Run("mi_viewQuick");
  const std::string english = test_support::DrawnTexts(window->View()).join(" | ").toStdString();
  EXPECT_NE(german, english) << "the Quick sheet has no words of the language";
  EXPECT_EQ(switched, english);

  script.Expect("Tdbf4", [](QWidget* w) {
    EXPECT_EQ(w->findChild<QMenu*>("mi_edit")->title(), "&Edit");
    EXPECT_EQ(w->findChild<QAction*>("mi_fileExportHtml")->text(), "Export HTML");
    EXPECT_EQ(w->findChild<QAbstractButton*>("Button_cancel")->text(), "Cancel");
    ClickButton(w, "Button_cancel");
  });
  Run("mi_dbfDin5481");
  Run("mi_helplanguagedeutsch");
  script.Expect("Tdbf4", [](QWidget* w) {
    EXPECT_EQ(w->findChild<QMenu*>("mi_edit")->title(), "&Bearbeiten");
    EXPECT_EQ(w->findChild<QAction*>("mi_fileExportHtml")->text(), "HTML exportieren");
    EXPECT_EQ(w->findChild<QAbstractButton*>("Button_cancel")->text(), "Abbrechen");
    ClickButton(w, "Button_cancel");
  });
  Run("mi_dbfDin5481");
}

// The settings dialog shows the core's table of captions through the catalogue: each
// caption, item and row caption has its entry in every language, on any page.
TEST(SettingsCatalogue, HasEveryCaptionOfTheSettingsTable) {
  for (const char* language : {"en", "ro", "ko"}) {
    QTranslator catalogue;
    ASSERT_TRUE(catalogue.load(QString("zt6_") + language,
                               QString::fromStdString(gui::ShippedTranslationFolder())))
        << language;
    std::vector<std::string_view> texts;
    for (const ConfigurationPage& page : ConfigurationPages()) texts.push_back(page.caption);
    for (const ConfigurationControl& c : ConfigurationControls()) {
      if (c.grid.empty()) texts.push_back(c.caption);
      for (std::string_view item : c.items) texts.push_back(item);
    }
    for (std::string_view row : LayerRowCaptions()) texts.push_back(row);
    for (std::string_view text : texts) {
      if (text.empty()) continue;
      EXPECT_FALSE(catalogue.translate("ConfigurationForm", std::string(text).c_str()).isEmpty())
          << language << ": \"" << text << "\" has no entry";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(GermanAndEnglish, LanguageWalk, ::testing::Values(1, 2),
                         [](const ::testing::TestParamInfo<int>& param) {
                           return std::string(param.param == 1 ? "German" : "English");
                         });

}  // namespace
}  // namespace zt6

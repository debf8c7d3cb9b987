#include "gui/config_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDate>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTime>
#include <QVBoxLayout>
#include <cstdlib>
#include <set>
#include <QGuiApplication>

#include "app/ports/program_file.h"
#include "base/codepage.h"
#include "base/number_parse.h"
#include "base/program_identity.h"
#include "cad/drawing_window.h"
#include "gui/desktop_text.h"
#include "gui/dialog_buttons.h"
#include "gui/help_display.h"
#include "gui/dialog_placement.h"
#include "gui/qt_text.h"
#include "gui/select_colour_window.h"

namespace zt6::gui {

namespace {

QString Q(std::string_view utf8) { return FromUtf8(std::string(utf8)); }
// The configuration table's captions and items, German in the core, in the menu language.
QString Caption(std::string_view utf8) {
  return QCoreApplication::translate("ConfigurationForm", std::string(utf8).c_str());
}

// Font style bits: bold, italic, underline, strike-out.
QString StyleText(int bits) {
  QStringList names;
  if (bits & 1) names << DesktopText::tr("fett");
  if (bits & 2) names << DesktopText::tr("kursiv");
  if (bits & 4) names << DesktopText::tr("unterstrichen");
  if (bits & 8) names << DesktopText::tr("durchgestrichen");
  return names.isEmpty() ? DesktopText::tr("normal") : names.join(", ");
}

int StyleBits(const QFont& font) {
  return (font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0) |
         (font.strikeOut() ? 8 : 0);
}

QColor ColourOf(int windowsValue) {
  const Rgb rgb = WindowsRgb(windowsValue);
  return QColor(rgb.r, rgb.g, rgb.b);
}

int WindowsValue(const QColor& colour) {
  return colour.red() + (colour.green() << 8) + (colour.blue() << 16);
}

std::string CellName(const char* grid, int row, int column) {
  return std::string(grid) + "[" + std::to_string(row) + "," + std::to_string(column) + "]";
}

// Controls with a "..." button beside them and what it chooses.
enum class Browse { None, Folder, Program };
Browse BrowseOf(std::string_view name) {
  if (name.starts_with("Edit_dir")) return Browse::Folder;
  if (name == "Edit_externtxt" || name == "Edit_externhtml") return Browse::Program;
  return Browse::None;
}

// The group boxes that hold some fields, and their captions.
std::string_view ControlGroup(std::string_view control) {
  if (control == "Edit_x" || control == "Edit_y") return "GroupBox_aufloesung";
  if (control == "Edit_printxorigin" || control == "Edit_printyorigin") return "GroupBox_ursprung";
  if (control == "Edit_left" || control == "Edit_top" || control == "Edit_width" ||
      control == "Edit_height")
    return "GroupBox_textwindow";
  if (control == "ComboBox_ausdruckdefault" || control == "CheckBox_ausdruckshowdialog")
    return "GroupBox_ausdruckdefault";
  return {};
}

QString GroupCaption(std::string_view group) {
  if (group == "GroupBox_aufloesung") return DesktopText::tr("Fenstergröße");
  if (group == "GroupBox_ursprung") return DesktopText::tr("Ursprung");
  if (group == "GroupBox_textwindow") return DesktopText::tr("Textfenster");
  return DesktopText::tr("Ausgabeformat");
}

}  // namespace

QSize ScreenSizeOf(const QWidget* widget) {
  const QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->size() : QSize(kBatchScreenSize.width, kBatchScreenSize.height);
}

ConfigWindow::ConfigWindow(Program& program, Prompts& prompts, ConfigWindowHost host,
                           QWidget* parent)
    : QDialog(parent), program_(program), prompts_(prompts), host_(std::move(host)),
      pages_(new QTabWidget(this)),
      appliedBackground_(program.config.backgroundColour) {
  setObjectName("Tconfig");
  setWindowTitle(DesktopText::tr("ZT6 Konfiguration"));
  pages_->setObjectName("Pagecontrol1");
  for (const ConfigurationPage& page : ConfigurationPages())
    pages_->addTab(BuildPage(page), Caption(page.caption));
  pages_->setCurrentWidget(pages_->findChild<QWidget*>("Tab_grafik"));

  const OkCancel buttons = OkCancelButtons(this);
  QPushButton* save = NamedButton(this, "Button_save", DesktopText::tr("&Speichern"));
  QPushButton* import = NamedButton(this, "Button_import", DesktopText::tr("Import.."));
  connect(buttons.ok, &QPushButton::clicked, this, [this] {
    if (ApplyControls()) accept();
  });
  connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(save, &QPushButton::clicked, this, &ConfigWindow::Save);
  connect(import, &QPushButton::clicked, this, &ConfigWindow::Import);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QPushButton* b : {buttons.ok, buttons.cancel, save, import}) row->addWidget(b);
  layout->addLayout(row);

  form_.Fill(program_.config);
  Push();
  PlaceDialog(*this);
  move(x(), y() - 10);
}

QWidget* ConfigWindow::BuildPage(const ConfigurationPage& page) {
  auto* widget = new QWidget(pages_);
  widget->setObjectName(Q(page.name));
  auto* outer = new QVBoxLayout(widget);
  auto* columns = new QHBoxLayout;
  outer->addLayout(columns);
  QGridLayout* halves[2] = {new QGridLayout, new QGridLayout};
  columns->addLayout(halves[0], 1);
  columns->addLayout(halves[1], 1);
  for (QGridLayout* half : halves) half->setColumnStretch(1, 1);
  // Folder and program paths are long: one column.
  const bool oneColumn = page.name == "Tab_dir" || page.name == "Tab_extern";
  if (oneColumn) columns->setStretch(1, 0);
  int rows[2] = {0, 0};

  // Two columns of about equal height: radio groups count by their items.
  std::vector<const ConfigurationControl*> controls;
  int weight = 0;
  for (const ConfigurationControl& c : ConfigurationControls()) {
    if (c.page != page.name || !c.grid.empty() || c.kind == ControlKind::Colour) continue;
    controls.push_back(&c);
    weight += c.kind == ControlKind::Radio ? static_cast<int>(c.items.size()) + 1 : 1;
  }
  int placed = 0;
  std::set<std::string_view> grids;
  std::map<std::string, std::pair<QGridLayout*, int>> groups;
  for (const ConfigurationControl* c : controls) {
    const int side = oneColumn || placed * 2 < weight ? 0 : 1;
    placed += c->kind == ControlKind::Radio ? static_cast<int>(c->items.size()) + 1 : 1;
    QGridLayout* grid = halves[side];
    int* rowOf = &rows[side];
    // Controls of a group box go into the box's own grid.
    if (const std::string_view group = ControlGroup(c->name); !group.empty()) {
      auto& [box, boxRows] = groups[std::string(group)];
      if (box == nullptr) {
        auto* frame = new QGroupBox(GroupCaption(group), widget);
        frame->setObjectName(Q(group));
        box = new QGridLayout(frame);
        box->setColumnStretch(1, 1);
        grid->addWidget(frame, (*rowOf)++, 0, 1, 3);
      }
      grid = box;
      rowOf = &boxRows;
    }
    int& row = *rowOf;
    QWidget* control = ControlWidget(*c, widget);
    if (ShowsTooltip(*c, program_.config.helpLevel)) {
      control->setProperty("helpNumber", c->tooltip);
      SetHelpHint(control, c->tooltip, HintAlways);  // the table has decided by the help level
    }
    const bool captioned = c->kind == ControlKind::Text || c->kind == ControlKind::Whole ||
                           c->kind == ControlKind::Real || c->kind == ControlKind::Spin ||
                           c->kind == ControlKind::Combo || c->kind == ControlKind::Shown;
    if (captioned) {
      auto* label = new QLabel(Caption(c->caption), widget);
      label->setObjectName("Label_" + Q(c->name).section('_', 1));
      grid->addWidget(label, row, 0);
      grid->addWidget(control, row, 1);
    } else {
      grid->addWidget(control, row, 0, 1, 2);
    }
    auto* buttons = new QHBoxLayout;
    if (!c->proposal.empty()) {
      QPushButton* b = NamedButton(widget, ConfigurationForm::ProposalButton(c->name).c_str(), "<");
      connect(b, &QPushButton::clicked, this, [this, name = b->objectName()] {
        Pull();
        form_.Propose(ToUtf8(name), {});
        Push();
      });
      buttons->addWidget(b);
    }
    const Browse browse = BrowseOf(c->name);
    if (browse != Browse::None) {
      QPushButton* b =
          NamedButton(widget, ("Button_" + std::string(c->name).substr(5)).c_str(), "...");
      const std::string name(c->name);
      connect(b, &QPushButton::clicked, this, [this, name, browse] {
        Pull();
        std::optional<std::string> chosen;
        if (browse == Browse::Folder) {
          chosen = prompts_.ui().ChooseDirectory(form_.fields[name]);
        } else {
          chosen = ChooseProgramFile(prompts_, form_.fields[name]);
          prompts_.shell().cancel = false;
        }
        if (chosen) form_.fields[name] = *chosen;
        Push();
      });
      buttons->addWidget(b);
    }
    if (buttons->count() > 0) {
      grid->addLayout(buttons, row, 2);
    } else {
      delete buttons;
    }
    ++row;
  }
  for (const ConfigurationControl& c : ConfigurationControls()) {
    if (c.page == page.name && !c.grid.empty() && grids.insert(c.grid).second) {
      outer->addWidget(ControlWidget(c, widget), 1);
    }
  }
  auto* extra = new QGridLayout;
  outer->addLayout(extra);
  int extraRow = 0;
  AddPageButtons(std::string(page.name), widget, extra, extraRow);
  outer->addStretch();
  auto* help = HelpButton(widget, ("Button_help" + std::string(page.name).substr(4)).c_str(),
                          DesktopText::tr("&Hilfe"), "Hilfe " + QString::number(page.help));
  help->setProperty("helpNumber", page.help);
  auto* helpRow = new QHBoxLayout;
  helpRow->addStretch();
  helpRow->addWidget(help);
  outer->addLayout(helpRow);
  return widget;
}

QWidget* ConfigWindow::ControlWidget(const ConfigurationControl& c, QWidget* page) {
  const QString name = Q(c.name);
  const std::string key(c.name);
  switch (c.kind) {
    case ControlKind::Text:
    case ControlKind::Whole:
    case ControlKind::Real: {
      auto* edit = new QLineEdit(page);
      edit->setObjectName(name);
      if (c.maxLength > 0) edit->setMaxLength(c.maxLength);
      bindings_[key] = {[edit] { return ToUtf8(edit->text()); },
                        [edit](const std::string& t) { edit->setText(FromUtf8(t)); }};
      if (c.name == "Edit_x" || c.name == "Edit_y") {
        // Leaving a size field resizes the drawing area at once.
        connect(edit, &QLineEdit::editingFinished, this, [this] {
          Pull();
          if (!host_.resize) return;
          const auto x = TryParseWhole(form_.fields["Edit_x"]);
          const auto y = TryParseWhole(form_.fields["Edit_y"]);
          if (x && y) host_.resize(*x, *y);
        });
      }
      return edit;
    }
    case ControlKind::Check: {
      auto* box = new QCheckBox(Caption(c.caption), page);
      box->setObjectName(name);
      bindings_[key] = {[box] { return std::string(box->isChecked() ? "1" : "0"); },
                        [box](const std::string& t) { box->setChecked(t == "1"); }};
      return box;
    }
    case ControlKind::Radio: {
      auto* box = new QGroupBox(Caption(c.caption), page);
      box->setObjectName(name);
      auto* layout = new QVBoxLayout(box);
      auto* group = new QButtonGroup(box);
      for (std::size_t i = 0; i < c.items.size(); ++i) {
        auto* button = new QRadioButton(Caption(c.items[i]), box);
        button->setObjectName(name + "_" + QString::number(i));
        group->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
      }
      bindings_[key] = {[group] { return std::to_string(group->checkedId()); },
                        [group](const std::string& t) {
                          if (QAbstractButton* b = group->button(std::atoi(t.c_str())))
                            b->setChecked(true);
                        }};
      return box;
    }
    case ControlKind::Spin: {
      auto* spin = new QSpinBox(page);
      spin->setObjectName(name);
      spin->setRange(c.low, c.high);
      bindings_[key] = {[spin] { return std::to_string(spin->value()); },
                        [spin](const std::string& t) { spin->setValue(std::atoi(t.c_str())); }};
      return spin;
    }
    case ControlKind::Combo: {
      auto* combo = new QComboBox(page);
      combo->setObjectName(name);
      for (std::string_view item : c.items) combo->addItem(Caption(item));
      bindings_[key] = {[combo] { return std::to_string(combo->currentIndex()); },
                        [combo](const std::string& t) { combo->setCurrentIndex(std::atoi(t.c_str())); }};
      return combo;
    }
    case ControlKind::Shown: {
      auto* label = new QLabel(page);
      label->setObjectName(name);
      const bool style = c.name.ends_with("style");
      bindings_[key] = {[label] { return ToUtf8(label->property("value").toString()); },
                        [label, style](const std::string& t) {
                          label->setProperty("value", FromUtf8(t));
                          label->setText(style ? StyleText(std::atoi(t.c_str())) : FromUtf8(t));
                        }};
      return label;
    }
    case ControlKind::Colour:
      return nullptr;
    case ControlKind::Cell: {
      const bool colours = c.grid == "StringGrid_color";
      auto* table = new QTableWidget(colours ? 16 : 5, colours ? 2 : 3, page);
      table->setObjectName(Q(c.grid));
      table->setHorizontalHeaderLabels(
          colours ? QStringList{DesktopText::tr("Farbe"), DesktopText::tr("Strichstärke")}
                  : QStringList{DesktopText::tr("Layer"), DesktopText::tr("Farbe"),
                                DesktopText::tr("Strichstärke")});
      QStringList rows;
      if (!colours)
        for (std::string_view caption : LayerRowCaptions()) rows << Caption(caption);
      table->setVerticalHeaderLabels(rows);
      table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
      table->setFont(QFont("Monospace"));
      table->verticalHeader()->setFont(QFont("Monospace"));
      const char* grid = colours ? "StringGrid_color" : "StringGrid_layer";
      for (int r = 1; r <= table->rowCount(); ++r) {
        for (int col = 0; col < table->columnCount(); ++col) {
          table->setItem(r - 1, col, new QTableWidgetItem);
          const std::string cell = CellName(grid, r, col);
          bindings_[cell] = {[table, r, col] { return ToUtf8(table->item(r - 1, col)->text()); },
                             [this, table, r, col, colours](const std::string& t) {
                               table->item(r - 1, col)->setText(FromUtf8(t));
                               if (colours && col == 0) {
                                 const std::string caption = ColourRowCaption(
                                     15 + r, std::atoi(t.c_str()), program_.words);
                                 table->setVerticalHeaderItem(
                                     r - 1, new QTableWidgetItem(FromUtf8(caption)));
                               }
                             }};
        }
      }
      if (colours) {
        connect(table, &QTableWidget::cellDoubleClicked, this, [this](int, int column) {
          if (column == 0) PickColour("StringGrid_color", 0);
        });
      }
      return table;
    }
    case ControlKind::Line: {
      auto* list = new QListWidget(page);
      list->setObjectName(Q(c.grid));
      list->setFont(QFont("Monospace"));
      for (std::size_t i = 0; i < kMaxPlotCommandLines; ++i) {
        list->addItem(QString());
        bindings_["ListBox_plotrix[" + std::to_string(i) + "]"] = {
            [list, i] { return ToUtf8(list->item(static_cast<int>(i))->text()); },
            [list, i](const std::string& t) { list->item(static_cast<int>(i))->setText(FromUtf8(t)); }};
      }
      connect(list, &QListWidget::itemDoubleClicked, this, [this] { EditPlotLine(true); });
      auto* box = new QGroupBox(DesktopText::tr("PLOTRIX-Befehlszeilen"), page);
      box->setObjectName("GroupBox_plotrix");
      auto* layout = new QVBoxLayout(box);
      layout->addWidget(list);
      auto* row = new QHBoxLayout;
      QPushButton* config = NamedButton(box, "Button_confplotrix", DesktopText::tr("Einstellen"));
      QPushButton* edit =
          NamedButton(box, "Button_editplotrixcommandline", DesktopText::tr("Bearbeiten"));
      connect(config, &QPushButton::clicked, this, [this] { EditPlotLine(true); });
      connect(edit, &QPushButton::clicked, this, [this] { EditPlotLine(false); });
      row->addWidget(config);
      row->addWidget(edit);
      row->addStretch();
      layout->addLayout(row);
      return box;
    }
  }
  return nullptr;
}

void ConfigWindow::AddPageButtons(const std::string& page, QWidget* w, QGridLayout* grid,
                                  int& row) {
  const auto button = [this, w](const char* name, const QString& text, auto action) {
    QPushButton* b = NamedButton(w, name, text);
    connect(b, &QPushButton::clicked, this, action);
    return b;
  };
  const auto propose = [this](const char* name) {
    return [this, name] {
      Pull();
      form_.Propose(name, host_.metrics ? host_.metrics() : DesktopMetrics{});
      Push();
    };
  };
  if (page == "Tab_dir") {
    auto* working = new QLineEdit(FromUtf8(program_.startDirectory), w);
    working->setObjectName("Edit_dirworking");
    working->setReadOnly(true);
    grid->addWidget(new QLabel(DesktopText::tr("Arbeitsverzeichnis"), w), row, 0);
    grid->addWidget(working, row, 1);
    grid->addWidget(HelpButton(w, "Button_workingDir", "?", "Hilfe 1605"), row++, 2);
    grid->addWidget(button("Button_dirtempenv", "<", propose("Button_dirtempenv")), row++, 1);
    const char* user = std::getenv("USERNAME");
    if (user == nullptr) user = std::getenv("USER");
    auto* label = new QLabel(
        DesktopText::tr("Benutzer: %1").arg(QString::fromLocal8Bit(user != nullptr ? user : "")),
        w);
    label->setObjectName("Label_user");
    grid->addWidget(label, row++, 0, 1, 2);
  } else if (page == "Tab_grafik") {
    grid->addWidget(
        button("Button_font", DesktopText::tr("Schrift..."), [this] { ChooseFont(false); }), row,
        0);
    grid->addWidget(button("Button_hintergrundfarbe", DesktopText::tr("Hintergrundfarbe..."),
                           [this] { ChooseBackground(); }),
                    row, 1);
    auto* panel = new QLabel(w);
    panel->setObjectName("Panel_colour");
    panel->setAutoFillBackground(true);
    panel->setAlignment(Qt::AlignCenter);
    const QSize screen = ScreenSizeOf(this);
    panel->setText(QString::number(screen.width()) + " x " + QString::number(screen.height()));
    bindings_["Panel_colour"] = {
        [panel] { return ToUtf8(panel->property("value").toString()); },
        [panel](const std::string& t) {
          panel->setProperty("value", FromUtf8(t));
          const QColor colour = ColourOf(std::atoi(t.c_str()));
          panel->setStyleSheet("background:" + colour.name() + ";color:" +
                               (colour.lightness() < 128 ? "white" : "black"));
        }};
    grid->addWidget(panel, row++, 2);
    grid->addWidget(new QLabel(DesktopText::tr("Fenstergröße"), w), row, 0);
    grid->addWidget(button("Button_aufloesung", DesktopText::tr("< Fenstergröße"),
                           [this, propose] {
                             propose("Button_aufloesung")();
                             if (host_.resize)
                               host_.resize(std::atoi(form_.fields["Edit_x"].c_str()),
                                            std::atoi(form_.fields["Edit_y"].c_str()));
                           }),
                    row++, 1);
    grid->addWidget(button("Button_dialogsize", DesktopText::tr("< Dialogfenster"),
                           propose("Button_dialogsize")),
                    row, 0);
    grid->addWidget(button("Button_dialogelemente", DesktopText::tr("< Dialogelemente"),
                           propose("Button_dialogelemente")),
                    row++, 1);
  } else if (page == "Tab_cad") {
    grid->addWidget(button("Button_selectlayercolor", DesktopText::tr("Farbe..."),
                           [this] { PickColour("StringGrid_layer", 1); }),
                    row, 0);
    auto* resets = new QHBoxLayout;
    for (int layer = 5; layer >= 1; --layer) {
      static const std::string names[] = {"Button_layer1", "Button_layer2", "Button_layer3",
                                          "Button_layer4", "Button_layer5"};
      const char* name = names[layer - 1].c_str();
      resets->addWidget(button(name, "< " + QString::number(layer), propose(name)));
    }
    grid->addLayout(resets, row, 1);
    grid->addWidget(HelpButton(w, "Button_layerhilfe", DesktopText::tr("&Hilfe"), "Hilfe 1910"),
                    row++, 2);
  } else if (page == "Tab_color") {
    grid->addWidget(button("Button_selectcolor", DesktopText::tr("Farbe..."),
                           [this] { PickColour("StringGrid_color", 0); }),
                    row, 0);
    for (int width = 1; width <= 3; ++width) {
      static const std::string names[] = {"Button_dick1", "Button_dick2", "Button_dick3"};
      grid->addWidget(
          button(names[width - 1].c_str(), DesktopText::tr("Strichstärke=%1").arg(width),
                 [this, width] {
                   Pull();
                   form_.SetAllLayerWidths(width);
                   Push();
                 }),
          row, width);
    }
    ++row;
  } else if (page == "Tab_drucker") {
    grid->addWidget(
        button("Button_scaleyx", DesktopText::tr("Maßstab y < x"), propose("Button_scaleyx")),
        row++, 0);
  } else if (page == "Tab_textdruck") {
    grid->addWidget(
        button("Button_textfont", DesktopText::tr("Schrift.."), [this] { ChooseFont(true); }), row,
        0);
    grid->addWidget(button("Button_Textwindow", "<", propose("Button_Textwindow")),
                    row++, 1);
  } else if (page == "Tab_zeichnung") {
    // The items as the drawing shows them today.
    const auto caption = [w](const char* name, const QString& text) {
      if (auto* box = w->findChild<QCheckBox*>(name)) box->setText(text);
    };
    std::string file = program_.projectName.empty() ? std::string("-") : program_.projectName;
    if (file.size() > 50) file.resize(50);
    caption("CheckBox_zeichmorvanetitel",
            QString("MORVANE ") + kProgramTitle + " V" + kProgramVersion);
    caption("CheckBox_zeichfilename", DesktopText::tr("Dateiname %1 ?").arg(FromCp850(file)));
    caption("CheckBox_zeichdatum", QDate::currentDate().toString("dd.MM.yyyy") + " " +
                                       QTime::currentTime().toString("hh:mm") + " ?");
    if (auto* outer = qobject_cast<QVBoxLayout*>(w->layout()))
      outer->insertWidget(0, new QLabel(DesktopText::tr("Fertigungszeichnung"), w));
  }
}

void ConfigWindow::Pull() {
  for (const auto& [name, binding] : bindings_) form_.fields[name] = binding.get();
}

void ConfigWindow::Push() {
  for (const auto& [name, binding] : bindings_) {
    const auto found = form_.fields.find(name);
    if (found != form_.fields.end()) binding.set(found->second);
  }
}

ApplyContext ConfigWindow::Context() const {
  ApplyContext context;
  if (host_.metrics) context.screen = host_.metrics().screen;
  return context;
}

bool ConfigWindow::ApplyControls() {
  Pull();
  if (const std::optional<std::string> refused = form_.Check()) {
    prompts_.ShowErrorAlways(*refused);
    return false;
  }
  form_.Apply(program_.config, Context());
  appliedBackground_ = program_.config.backgroundColour;
  if (host_.applied) host_.applied();
  return true;
}

void ConfigWindow::reject() {
  if (program_.config.backgroundColour != appliedBackground_) {
    program_.config.backgroundColour = appliedBackground_;
    if (host_.applied) host_.applied();
  }
  QDialog::reject();
}

void ConfigWindow::Save() {
  if (!ApplyControls()) return;
  prompts_.shell().cancel = false;
  SaveConfiguration(program_.config, program_.configPlace.ConfigurationFile(), prompts_);
  prompts_.shell().cancel = false;
  form_.Fill(program_.config);
  Push();
}

void ConfigWindow::Import() {
  const std::optional<std::string> file =
      prompts_.ui().ChooseFileToRead(program_.configPlace.directory.string(), "*.cfg");
  if (!file) return;
  Pull();
  const Configuration base = program_.config;
  const std::optional<std::string> refused =
      form_.Import(*file, base, Context().screen, program_.startDirectory);
  if (refused) {
    prompts_.ShowErrorAlways(*refused);
    return;
  }
  Push();
}

void ConfigWindow::PickColour(const char* grid, int column) {
  auto* table = findChild<QTableWidget*>(grid);
  if (table == nullptr) return;
  const int row = std::max(0, table->currentRow());
  Pull();
  const std::string cell = CellName(grid, row + 1, column);
  const std::optional<int> colour = SelectColour(std::atoi(form_.fields[cell].c_str()), this);
  if (!colour) return;
  form_.fields[cell] = std::to_string(*colour);
  Push();
}

void ConfigWindow::ChooseFont(bool printout) {
  Pull();
  const std::string nameField = printout ? "Label_courier" : "Edit_font";
  const std::string styleField = printout ? "Label_courierstyle" : "Label_hstyle";
  QFont font(FromUtf8(form_.fields[nameField]));
  const int bits = std::atoi(form_.fields[styleField].c_str());
  font.setBold(bits & 1);
  font.setItalic(bits & 2);
  font.setUnderline(bits & 4);
  font.setStrikeOut(bits & 8);
  if (printout) font.setPointSize(std::max(1, std::atoi(form_.fields["Label_couriersize"].c_str())));
  QFontDialog dialog(font, this);
  dialog.setObjectName("FontDialog");
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return;
  const QFont chosen = dialog.selectedFont();
  form_.fields[nameField] = ToUtf8(chosen.family());
  form_.fields[styleField] = std::to_string(StyleBits(chosen));
  if (printout) form_.fields["Label_couriersize"] = std::to_string(chosen.pointSize());
  Push();
}

// The background colour takes effect at once, for a look; Abbrechen takes it back.
void ConfigWindow::ChooseBackground() {
  Pull();
  QColorDialog dialog(ColourOf(program_.config.backgroundColour), this);
  dialog.setObjectName("ColorDialog");
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted) return;
  program_.config.backgroundColour = WindowsValue(dialog.selectedColor());
  form_.fields["Panel_colour"] = std::to_string(program_.config.backgroundColour);
  Push();
  if (host_.applied) host_.applied();
}

void ConfigWindow::EditPlotLine(bool withSettingsWindow) {
  auto* list = findChild<QListWidget*>("ListBox_plotrix");
  const int row = list->currentRow() < 0 ? 0 : list->currentRow();
  Pull();
  const std::string field = "ListBox_plotrix[" + std::to_string(row) + "]";
  if (withSettingsWindow) {
    const std::optional<std::string> line = prompts_.ui().EditPlotCommandLine(form_.fields[field]);
    if (line) form_.fields[field] = *line;
  } else {
    prompts_.shell().cancel = false;
    const std::string line = prompts_.AskText(ToCp850(DesktopText::tr("PLOTRIX-Befehlszeile")), 80,
                                              Utf8ToCp850(form_.fields[field]));
    if (!prompts_.shell().cancel) form_.fields[field] = Cp850ToUtf8(line);
    prompts_.shell().cancel = false;
  }
  Push();
}

}  // namespace zt6::gui

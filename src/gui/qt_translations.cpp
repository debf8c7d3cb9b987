#include "gui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zt6::gui {

namespace {

const char* LocaleOf(int menuLanguage) {
  switch (menuLanguage) {
    case 1: return "de";
    case 7: return "ro";
    case 8: return "ko";
    default: return "en";
  }
}

}  // namespace

bool UseQtTranslations(int menuLanguage) {
  static QTranslator* installed = nullptr;
  static int installedLanguage = 0;
  auto* app = QCoreApplication::instance();
  if (app == nullptr) return false;
  // Loaded again, the same file would only tell every widget of a language change.
  if (installed != nullptr && installedLanguage == menuLanguage) return true;
  if (installed != nullptr) {
    QCoreApplication::removeTranslator(installed);
    delete installed;
    installed = nullptr;
  }
  auto* translator = new QTranslator(app);
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!translator->load(QString("qtbase_") + LocaleOf(menuLanguage), folder)) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  installed = translator;
  installedLanguage = menuLanguage;
  return true;
}

}  // namespace zt6::gui

#include "gui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <filesystem>

#include "app/lookups/shipped_tables.h"
#include "gui/qt_text.h"

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

// Replaces the translator in slot by one loaded from file in folder; none when the file
// is missing, so the source texts show.
bool Replace(QTranslator*& slot, const QString& file, const QString& folder) {
  if (slot != nullptr) {
    QCoreApplication::removeTranslator(slot);
    delete slot;
    slot = nullptr;
  }
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (folder.isEmpty() || !translator->load(file, folder)) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  slot = translator;
  return true;
}

}  // namespace

std::string ShippedTranslationFolder() {
  namespace fs = std::filesystem;
  return FolderBesideProgram({"translations", fs::path("..") / "share" / "zt6" / "translations",
                              fs::path("..") / ".." / "share" / "zt6" / "translations"},
                             "zt6_en.qm");
}

bool UseQtTranslations(int menuLanguage) {
  static QTranslator* qt = nullptr;
  static QTranslator* own = nullptr;
  static int installed = 0;
  if (QCoreApplication::instance() == nullptr) return false;
  // Asked again for the language in use: the windows keep their texts.
  if (menuLanguage == installed) return qt != nullptr;
  installed = menuLanguage;

  const QString locale = LocaleOf(menuLanguage);
  const bool loaded =
      Replace(qt, "qtbase_" + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  // German is the source language: no catalogue of its own.
  if (menuLanguage == 1) {
    Replace(own, {}, {});
  } else {
    Replace(own, "zt6_" + locale, FromUtf8(ShippedTranslationFolder()));
  }
  return loaded;
}

}  // namespace zt6::gui

#include "gui/step_companion.h"

#include <QProcess>
#include <QStringList>
#include <charconv>
#include <filesystem>

#include "app/files/configuration_file.h"
#include "app/files/project_file.h"
#include "app/startup/desktop_handover.h"
#include "base/private_folder.h"
#include "base/safe_file.h"
#include "gui/desktop_text.h"
#include "gui/qt_text.h"

namespace zt6::gui {

namespace {

// The shortest text that reads back as the same double.
QString Exact(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return QString::fromLatin1(text, static_cast<int>(end - text));
}

QStringList ModelArguments(const SolidModelOptions& options) {
  static const char* const kParts[] = {"shaft", "hub", "assembly"};
  static const char* const kConditions[] = {"mean", "max", "min"};
  QStringList arguments{"--model", kParts[static_cast<int>(options.part)], "--condition",
                        kConditions[static_cast<int>(options.condition)]};
  if (options.hubDiameter > 0) arguments << "--hub-diameter" << Exact(options.hubDiameter);
  if (options.shaftLength > 0) arguments << "--shaft-length" << Exact(options.shaftLength);
  if (options.pins) arguments << "--pins";
  return arguments;
}

}  // namespace

std::string StepCompanionPath() { return DesktopProgramPath("zt6-step", "."); }

StepModelWriter StepCompanionWriter(const Program& program, const std::string& companion) {
  return [&program, companion](const DesignRecord& design, const SolidModelOptions& options,
                               const SolidNames&, const std::string& path) -> std::string {
    PrivateFolder work;
    if (work.Path().empty()) return ToUtf8(DesktopText::tr("Kein temporärer Ordner"));
    const std::string project = (work.Path() / "model.zt6").string();
    const SafeWriteResult saved =
        WriteFileSafely(project, ProjectFileText(design, program.docs, program.config.format));
    if (!saved.ok) return saved.error;
    QStringList arguments{"cad", QString::fromStdString(project)};
    arguments << ModelArguments(options) << "--language"
              << QString::number(program.words.Language() == 2 ? 2 : 1);
    if (!program.config.dbfFolder.empty())
      arguments << "--tables"
                << QString::fromStdString(FolderSettingPath(program.config.dbfFolder).string());
    arguments << "-o" << QString::fromStdString(path);
    QProcess process;
    process.start(QString::fromStdString(companion), arguments);
    if (!process.waitForStarted() || !process.waitForFinished(-1))
      return companion + ": " + process.errorString().toStdString();
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) return {};
    // The companion's own lines; interference messages come before the reason.
    const QString said = QString::fromUtf8(process.readAllStandardError()).trimmed();
    QString reason = said.section('\n', -1);
    if (reason.startsWith("zt6 cad: ")) reason.remove(0, 9);
    if (!reason.isEmpty()) return reason.toStdString();
    return ToUtf8(DesktopText::tr("%1 endete mit dem Exitcode %2")
                      .arg(QString::fromStdString(companion))
                      .arg(process.exitCode()));
  };
}

}  // namespace zt6::gui

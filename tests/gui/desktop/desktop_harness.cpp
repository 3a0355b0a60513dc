#include "desktop_harness.h"

#include <QApplication>
#include <QDialog>
#include <QFile>

#include "app/file_dialog.h"
#include "app/open_database.h"
#include "db/file_set.h"
#include "qt_language.h"

namespace kord::desktoptest {

void DesktopUi::runFileDialog() {
  if (!session || pickFile.empty()) return;
  session->dialog.folder = FolderOf(pickFile);
  DialogClickFile(*session, BaseNameOf(pickFile));
  DialogOpen(*session);
}

void DesktopUi::showWindow(Window window, bool visible) {
  QWidget* widget = widgetOf(window);
  if (window == Window::ReportFieldsDialog && visible && widget) {
    widget->show();
    return;
  }
  QtUi::showWindow(window, visible);
}

DesktopRun::DesktopRun(const QString& settingsFile) : settings(settingsFile, QSettings::IniFormat) {
  gui::useQtLanguage(false);
  set = windows.set();
  windows.arrange(keeper);
  qApp->installEventFilter(&keeper);
  ui.session = &session;
}

DesktopRun::~DesktopRun() {
  qApp->removeEventFilter(&keeper);
  for (QWidget* window : all()) window->hide();
}

bool DesktopRun::openSample(const QTemporaryDir& dir) {
  const QString folder = dir.filePath(QStringLiteral("sample"));
  const QDir sample(QStringLiteral(KORD_SAMPLE_DIR));
  if (!QDir().mkpath(folder)) return false;
  for (const QString& name : sample.entryList(QDir::Files))
    QFile::copy(sample.filePath(name), folder + QLatin1Char('/') + name);
  ui.pickFile = folder.toStdString() + "/famiglia.rni";
  window(Window::StartWindow).show();
  session.windowState = kStateOpening;
  const bool loaded = OpenDatabase(session) == OpenOutcome::Loaded;
  ui.messages.clear();
  return loaded;
}

void useLaptopScreen(const QString& configFile) {
  QFile file(configFile);
  if (file.open(QIODevice::WriteOnly))
    file.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + configFile.toLocal8Bit());
}

}  // namespace kord::desktoptest

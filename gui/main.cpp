// kordwin: the Kord desktop program. main() wires the session to the Qt
// dialogs, the clock and the printer, builds the windows and shows the
// start window.

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <memory>

#include "app_style.h"
#include "first_run.h"
#include "help_window.h"
#include "kord_logo.h"
#include "main_window.h"
#include "program_windows.h"
#include "qt_language.h"
#include "qt_printer.h"
#include "qt_text.h"
#include "qt_ui.h"
#include "self_check.h"
#include "session/installed_data.h"
#include "start_folder.h"
#include "window_keeper.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kord"));
  QApplication::setOrganizationName(QStringLiteral("Kord"));
  QApplication::setDesktopFileName(QStringLiteral("org.kord.Kord"));
  QApplication::setWindowIcon(QIcon(kord::gui::kordLogo(128)));
  kord::gui::applyAppStyle(app);
  kord::gui::useQtLanguage(false);
  kord::gui::followLanguageChanges(app);
  const bool selfCheck = QApplication::arguments().contains(QStringLiteral("--self-check"));

  kord::gui::WindowSet windows;
  std::unique_ptr<kord::gui::QtUi> ownUi =
      selfCheck ? kord::gui::selfCheckUi(windows) : std::make_unique<kord::gui::QtUi>(windows);
  kord::gui::QtUi& ui = *ownUi;
  kord::SystemClock clock;
  kord::gui::QtPrinter printer;
  kord::Session session(ui, clock, printer);

  kord::gui::ProgramWindows all(session, printer);
  windows = all.set();
  QSettings settings;
  kord::gui::WindowKeeper keeper(settings);
  all.arrange(keeper);
  app.installEventFilter(&keeper);

  // The templates, the sample and the manual installed beside the program.
  const std::string dataFolder = kord::InstalledDataFolder(kord::gui::corePath(QApplication::applicationDirPath()));
  session.installedDataFolder = dataFolder;
  kord::gui::HelpWindow help(session, kord::gui::pathText(dataFolder) + QStringLiteral("manual"));
  auto& mainWindow = all.get<kord::gui::MainWindow>(kord::Window::MainWindow);
  mainWindow.setHelpWindow(&help);
  kord::gui::installHelpKey(app, help);
  if (selfCheck) return kord::gui::runSelfCheck(session, mainWindow, help, dataFolder, settings);

  all.set().widget(kord::Window::StartWindow)->show();
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) {
    kord::gui::StartFolder start = kord::gui::startFolderFor(arguments.at(1));
    if (start.error.isEmpty())
      session.dialog.folder = start.folder;
    else
      ui.message(kord::gui::coreText(start.error));
  } else {
    session.dialog.folder = kord::gui::sampleStartFolder(session, dataFolder, QDir::homePath(), settings);
  }
  return app.exec();
}

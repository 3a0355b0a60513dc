// Screenshots of the whole screen as kordwin arranges it on the sample
// database: the main window with the card, then the statistics, then the
// ancestors tree. Run by hand under a window manager, e.g. Xvfb at
// 1366x768 with openbox: kord_gui_desktop_shots OUTPUT_FOLDER

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "app_style.h"
#include "desktop_harness.h"
#include "qt_language.h"
#include "stats/statistics_command.h"

namespace {

bool shoot(const QString& folder, const QString& name) {
  QTest::qWait(800);  // the window manager's frames and the keeper's second look
  return QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(folder).filePath(name));
}

void press(QWidget& window, const char* button) {
  if (auto* b = window.findChild<QPushButton*>(QString::fromLatin1(button))) b->click();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kord::gui::applyAppStyle(app);
  kord::gui::useQtLanguage(false);
  kord::gui::followLanguageChanges(app);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kord_gui_desktop_shots OUTPUT_FOLDER\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  QTemporaryDir dir;
  kord::desktoptest::DesktopRun run(dir.filePath(QStringLiteral("kord.ini")));
  if (!run.openSample(dir)) return 1;
  run.window(kord::Window::StartWindow).hide();
  run.ui.showWindow(kord::Window::FocusCard, true);
  run.ui.showWindow(kord::Window::AssistantWindow, true);
  bool ok = shoot(out, QStringLiteral("main_and_card.png"));
  kord::RunChosenStatistic(run.session, kord::ChartChooserButton::Run, kord::kCenturyStatistic);
  ok = shoot(out, QStringLiteral("statistics.png")) && ok;
  run.window(kord::Window::CenturyChartWindow).hide();
  press(run.window(kord::Window::MainWindow), "BtnAlberoRadici_0");
  ok = shoot(out, QStringLiteral("tree.png")) && ok;
  return ok ? 0 : 1;
}

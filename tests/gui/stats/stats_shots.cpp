// Screenshots of the statistics windows on a copy of the sample database,
// for looking at the charts under a real display server:
//   xvfb-run -a -s "-screen 0 1400x900x24" kord_gui_stats_shots OUTPUT_FOLDER

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdio>

#include "app_style.h"
#include "stats/statistics_command.h"
#include "stats_harness.h"

namespace {

bool save(QWidget& window, const QString& folder, const QString& name) {
  window.raise();
  if (!QTest::qWaitForWindowExposed(&window)) return false;
  QTest::qWait(300);
  return window.grab().save(QDir(folder).filePath(name));
}

void press(QWidget& window, const QString& button) {
  if (auto* b = window.findChild<QPushButton*>(button)) b->click();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kord::gui::applyAppStyle(app);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kord_gui_stats_shots OUTPUT_FOLDER\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  kord::statstest::StatsHarness h;
  if (!h.openSample()) {
    std::fprintf(stderr, "the sample database could not be opened\n");
    return 1;
  }
  kord::StatisticsCommand(h.session);
  h.selGraf.findChild<QRadioButton*>(QStringLiteral("Option3D1_0"))->setChecked(true);
  bool ok = save(h.selGraf, out, QStringLiteral("sel_graf.png"));
  press(h.selGraf, QStringLiteral("Command3D1_0"));
  ok = save(h.grafici, out, QStringLiteral("grafici.png")) && ok;
  press(h.grafici, QStringLiteral("Command3D1_1"));
  press(h.grafici, QStringLiteral("Command3D1_3"));
  ok = save(h.grafici, out, QStringLiteral("grafici_stacked_pie.png")) && ok;
  press(h.grafici, QStringLiteral("Command3D1_1"));
  press(h.grafici, QStringLiteral("Command3D1_3"));
  ok = save(h.grafici, out, QStringLiteral("grafici_lines_donut.png")) && ok;
  h.grafici.hide();

  kord::StatisticsCommand(h.session);
  h.selGraf.findChild<QRadioButton*>(QStringLiteral("Option3D1_1"))->setChecked(true);
  press(h.selGraf, QStringLiteral("Command3D1_0"));
  ok = save(h.graphEta, out, QStringLiteral("graph_eta.png")) && ok;
  std::printf("%s\n", ok ? "saved" : "some windows could not be saved");
  return ok ? 0 : 1;
}

#pragma once
// The statistics windows wired to one session on a copy of the sample
// database, with the person's part scripted: messages are recorded, input
// boxes answered from a queue, the file dialog picks the sample.

#include <QTemporaryDir>
#include <deque>
#include <string>
#include <vector>

#include "grafici_window.h"
#include "graph_eta_window.h"
#include "qt_printer.h"
#include "sel_graf_window.h"
#include "shell/session.h"

class QChart;
class QWidget;

namespace kord::statstest {

/// Always 8 December 2026.
class FixedClock : public Clock {
 public:
  LocalTime now() const override { return {2026, 12, 8, 14, 3, 22}; }
};

/// Shows, hides and renders the three statistics windows; other windows
/// are not built here and stay hidden.
class StatsUi : public Ui {
 public:
  gui::SelGraf* selGraf = nullptr;
  gui::Grafici* grafici = nullptr;
  gui::GraphEta* graphEta = nullptr;
  Session* session = nullptr;
  std::string pickFile;  ///< the database the file dialog chooses
  std::vector<std::string> messages;
  std::vector<std::string> prompts;
  std::deque<std::string> answers;  ///< empty: the input box is cancelled

  void message(const std::string& text, const std::string& title = {}) override;
  bool askYesNo(const std::string&, const std::string&, Icon, bool defaultYes) override { return defaultYes; }
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override;
  void runFileDialog() override;
  void showWindow(Window window, bool visible) override;
  void refresh(Window window) override;
  void quit() override {}

 private:
  QWidget* widgetOf(Window window) const;
};

struct StatsHarness {
  QTemporaryDir dir;
  StatsUi ui;
  FixedClock clock;
  gui::QtPrinter printer;
  Session session{ui, clock, printer};
  gui::SelGraf selGraf{session};
  gui::Grafici grafici{session, printer};
  gui::GraphEta graphEta{session};

  StatsHarness();
  /// Copies the sample database into the scratch folder and opens it as the
  /// start window does; false when that failed.
  bool openSample();
  /// The database folder, with a trailing "/".
  std::string dbFolder() const;
};

/// The chart shown by the chart view `name` inside `window`.
QChart* chartOf(QWidget& window, const char* name);
/// The values of the bar set `label` of the chart's bar series; empty when
/// the chart has no such set.
QList<qreal> barValues(QChart* chart, const QString& label);
/// The text of the label control `name` inside `window`.
QString labelText(QWidget& window, const char* name);

}  // namespace kord::statstest

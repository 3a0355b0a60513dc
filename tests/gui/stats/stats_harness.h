#pragma once
// The statistics windows wired to one session on a copy of the sample
// database, with the person's part scripted: messages are recorded, input
// boxes answered from a queue, the file dialog picks the sample.

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "age_chart_window.h"
#include "century_chart_window.h"
#include "chart_chooser.h"
#include "qt_printer.h"
#include "session/session.h"
#include "window_ui.h"

class QChart;
class QWidget;

namespace kord::statstest {

using testsupport::FixedClock;

struct StatsHarness {
  QTemporaryDir dir;
  testsupport::WindowMapUi ui;
  FixedClock clock;
  gui::QtPrinter printer;
  Session session{ui, clock, printer};
  gui::ChartChooser selGraf{session};
  gui::CenturyChartWindow grafici{session, printer};
  gui::AgeChartWindow graphEta{session};

  StatsHarness();
  /// Copies the sample database into the scratch folder and opens it as the
  /// start window does; false when that failed.
  bool openSample() { return testsupport::OpenSampleCopy(dir, session, ui); }
  /// The database folder, with a trailing "/".
  std::string dbFolder() const { return testsupport::SampleFolder(dir); }
};

/// The chart shown by the chart view `name` inside `window`.
QChart* chartOf(QWidget& window, const char* name);
/// The values of the bar set `label` of the chart's bar series; empty when
/// the chart has no such set.
QList<qreal> barValues(QChart* chart, const QString& label);
/// The text of the label control `name` inside `window`.
QString labelText(QWidget& window, const char* name);

}  // namespace kord::statstest

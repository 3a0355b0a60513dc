#include "stats_harness.h"

#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>

namespace kord::statstest {

StatsHarness::StatsHarness() {
  ui.windows = {
      {Window::ChartChooser, &selGraf}, {Window::CenturyChartWindow, &grafici}, {Window::AgeChartWindow, &graphEta}};
  ui.session = &session;
  printer.setAlwaysPdf(true);
}

QChart* chartOf(QWidget& window, const char* name) {
  auto* view = window.findChild<QChartView*>(QString::fromLatin1(name));
  return view ? view->chart() : nullptr;
}

QList<qreal> barValues(QChart* chart, const QString& label) {
  if (!chart) return {};
  for (QAbstractSeries* series : chart->series())
    if (auto* bars = qobject_cast<QAbstractBarSeries*>(series))
      for (QBarSet* set : bars->barSets())
        if (set->label() == label) {
          QList<qreal> values;
          for (int i = 0; i < set->count(); ++i) values.append(set->at(i));
          return values;
        }
  return {};
}

QString labelText(QWidget& window, const char* name) {
  auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
  return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

}  // namespace kord::statstest

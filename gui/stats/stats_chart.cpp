#include "stats_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QScrollBar>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "db/codepage.h"
#include "qt_text.h"

namespace kord::gui {
namespace {

QColor colorOf(const QString& series, int index) {
  if (series == QLatin1String("Maschi")) return QColor(0x3b, 0x6f, 0xb6);
  if (series == QLatin1String("Femmine")) return QColor(0xd0, 0x58, 0x7e);
  static const QColor others[] = {QColor(0x5a, 0x9e, 0x6f), QColor(0xc9, 0x8b, 0x2e)};
  return others[index % 2];
}

/// Blank labels become runs of blanks of different lengths: the category
/// axis tells its categories apart by their text.
QString categoryText(const std::string& label, int index) {
  return label.empty() ? QString(index + 1, QLatin1Char(' ')) : displayText(label);
}

bool isZero(const ChartData& data, int category) {
  return std::all_of(data.series.begin(), data.series.end(),
                     [category](const ChartSeries& s) { return s.values.at(category) == 0; });
}

void dropTrailing(ChartData& data, bool zeros) {
  while (data.categories.size() > 1) {
    const int last = static_cast<int>(data.categories.size()) - 1;
    const bool unlabelled = data.categories.at(last).trimmed().isEmpty();
    if (!isZero(data, last) || (!zeros && !unlabelled)) break;
    data.categories.removeLast();
    for (ChartSeries& s : data.series) s.values.removeLast();
  }
}

/// Whole-number ticks with some room above the highest count.
QValueAxis* countAxis(const ChartData& data, bool stacked) {
  qreal top = 0;
  for (int c = 0; c < data.categories.size(); ++c) {
    qreal sum = 0;
    for (const ChartSeries& s : data.series) {
      sum += s.values.at(c);
      top = std::max(top, s.values.at(c));
    }
    if (stacked) top = std::max(top, sum);
  }
  int step = 1;
  while (std::ceil(top * 1.1 / step) > 8) step = step == 1 ? 2 : step == 2 ? 5 : step * 2;
  const int ticks = std::max(1, static_cast<int>(std::ceil(top * 1.1 / step)));
  auto* axis = new QValueAxis;
  axis->setRange(0, ticks * step);
  axis->setTickCount(ticks + 1);
  axis->setLabelFormat(QStringLiteral("%d"));
  axis->setTitleText(data.valueTitle);
  return axis;
}

QBarCategoryAxis* categoryAxis(const ChartData& data) {
  auto* axis = new QBarCategoryAxis;
  axis->append(data.categories);
  axis->setTitleText(data.categoryTitle);
  if (data.categories.size() > 12) axis->setLabelsAngle(-90);
  return axis;
}

QAbstractBarSeries* newBarSeries(ChartKind kind) {
  if (kind == ChartKind::StackedBars) return new QStackedBarSeries;
  if (kind == ChartKind::HorizontalBars) return new QHorizontalBarSeries;
  return new QBarSeries;
}

void addBars(QChart& chart, const ChartData& data, ChartKind kind) {
  QAbstractBarSeries* bars = newBarSeries(kind);
  for (int i = 0; i < data.series.size(); ++i) {
    auto* set = new QBarSet(data.series.at(i).name);
    set->append(data.series.at(i).values);
    set->setColor(colorOf(set->label(), i));
    set->setBorderColor(set->color().darker(120));
    set->setLabelColor(kind == ChartKind::StackedBars ? Qt::white : QColor(0x30, 0x30, 0x30));
    bars->append(set);
  }
  bars->setBarWidth(0.8);
  // Counts on the bars while there is room for them.
  bars->setLabelsVisible(data.categories.size() <= 12);
  bars->setLabelsPosition(kind == ChartKind::StackedBars ? QAbstractBarSeries::LabelsCenter
                                                         : QAbstractBarSeries::LabelsOutsideEnd);
  chart.addSeries(bars);
  const bool horizontal = kind == ChartKind::HorizontalBars;
  QAbstractAxis* categories = categoryAxis(data);
  QAbstractAxis* counts = countAxis(data, kind == ChartKind::StackedBars);
  chart.addAxis(categories, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
  chart.addAxis(counts, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
  bars->attachAxis(categories);
  bars->attachAxis(counts);
}

void addLines(QChart& chart, const ChartData& data) {
  QAbstractAxis* categories = categoryAxis(data);
  QAbstractAxis* counts = countAxis(data, false);
  chart.addAxis(categories, Qt::AlignBottom);
  chart.addAxis(counts, Qt::AlignLeft);
  for (int i = 0; i < data.series.size(); ++i) {
    auto* line = new QLineSeries;
    line->setName(data.series.at(i).name);
    for (int c = 0; c < data.series.at(i).values.size(); ++c) line->append(c, data.series.at(i).values.at(c));
    line->setPen(QPen(colorOf(line->name(), i), 2.5));
    line->setPointsVisible(true);
    chart.addSeries(line);
    line->attachAxis(categories);
    line->attachAxis(counts);
  }
}

void addPie(QChart& chart, const ChartData& data, bool donut) {
  auto* pie = new QPieSeries;
  qreal total = 0;
  for (const ChartSeries& s : data.series) total += std::accumulate(s.values.begin(), s.values.end(), 0.0);
  for (int i = 0; i < data.series.size(); ++i) {
    const ChartSeries& s = data.series.at(i);
    const qreal sum = std::accumulate(s.values.begin(), s.values.end(), 0.0);
    QPieSlice* slice = pie->append(s.name, sum);
    slice->setColor(colorOf(s.name, i));
    // The count and share inside the slice; the legend names the sex.
    slice->setLabel(total > 0 ? QStringLiteral("%1 (%2%)").arg(sum).arg(std::lround(100 * sum / total)) : QString());
    slice->setLabelPosition(QPieSlice::LabelInsideHorizontal);
    slice->setLabelColor(Qt::white);
    QFont font = slice->labelFont();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    slice->setLabelFont(font);
    slice->setLabelVisible(sum > 0);
  }
  if (donut) pie->setHoleSize(0.35);
  pie->setPieSize(0.8);
  chart.addSeries(pie);
  const auto markers = chart.legend()->markers(pie);
  for (int i = 0; i < markers.size() && i < data.series.size(); ++i) markers.at(i)->setLabel(data.series.at(i).name);
}

}  // namespace

QString chartKindName(ChartKind kind, bool english) {
  switch (kind) {
    case ChartKind::GroupedBars: return english ? QStringLiteral("Grouped bars") : QStringLiteral("Barre affiancate");
    case ChartKind::StackedBars: return english ? QStringLiteral("Stacked bars") : QStringLiteral("Barre sovrapposte");
    case ChartKind::Lines: return english ? QStringLiteral("Lines") : QStringLiteral("Linee");
    case ChartKind::HorizontalBars:
      return english ? QStringLiteral("Horizontal bars") : QStringLiteral("Barre orizzontali");
    case ChartKind::Pie: return english ? QStringLiteral("Pie") : QStringLiteral("Torta");
    case ChartKind::Donut: return english ? QStringLiteral("Donut") : QStringLiteral("Ciambella");
  }
  return {};
}

ChartData seriesByRow(const ChartTable& table, bool dropTrailingZeros) {
  ChartData data;
  for (int r = 0; r < table.rows(); ++r) data.series.append({displayText(table.rowLabels.at(r)), {}});
  for (int c = 0; c < table.columns(); ++c) {
    if (table.rows() == 0 || !table.values.at(0).at(c)) continue;  // not a data point
    data.categories.append(categoryText(table.columnLabels.at(c), c));
    for (int r = 0; r < table.rows(); ++r) data.series[r].values.append(table.values.at(r).at(c).value_or(0));
  }
  dropTrailing(data, dropTrailingZeros);
  return data;
}

ChartData seriesByColumn(const ChartTable& table, bool dropTrailingZeros) {
  ChartData data;
  for (int c = 0; c < table.columns(); ++c) data.series.append({displayText(table.columnLabels.at(c)), {}});
  for (int r = 0; r < table.rows(); ++r) {
    if (table.columns() == 0 || !table.values.at(r).at(0)) continue;
    data.categories.append(categoryText(table.rowLabels.at(r), r));
    for (int c = 0; c < table.columns(); ++c) data.series[c].values.append(table.values.at(r).at(c).value_or(0));
  }
  dropTrailing(data, dropTrailingZeros);
  return data;
}

QChartView* newChartView(const QString& name, QWidget* parent) {
  auto* view = new QChartView(parent);
  view->setObjectName(name);
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(360, 300);
  return view;
}

void showChart(QChartView& view, const ChartData& data, ChartKind kind) {
  auto* chart = new QChart;
  chart->setTitle(data.title);
  QFont titleFont = chart->titleFont();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
  titleFont.setBold(true);
  chart->setTitleFont(titleFont);
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->legend()->setVisible(true);
  chart->legend()->setAlignment(Qt::AlignBottom);
  if (kind == ChartKind::Pie || kind == ChartKind::Donut)
    addPie(*chart, data, kind == ChartKind::Donut);
  else if (kind == ChartKind::Lines)
    addLines(*chart, data);
  else
    addBars(*chart, data, kind);
  QChart* old = view.chart();
  view.setChart(chart);
  delete old;
}

void showGrid(QTableWidget& table, const GridModel& grid) {
  table.clear();
  table.setRowCount(grid.rows());
  table.setColumnCount(grid.columns());
  table.setEditTriggers(QAbstractItemView::NoEditTriggers);
  QFont heading = table.font();
  heading.setBold(true);
  for (int r = 0; r < grid.rows(); ++r)
    for (int c = 0; c < grid.columns(); ++c) {
      auto* item = new QTableWidgetItem(displayText(grid.cells[r][c]));
      item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
      if (r == 0 || c == 0) item->setFont(heading);
      table.setItem(r, c, item);
    }
}

void fitGridHeight(QTableWidget& table) {
  int height = 2 * table.frameWidth();
  if (table.horizontalHeader()->isVisible()) height += table.horizontalHeader()->sizeHint().height();
  for (int r = 0; r < table.rowCount(); ++r) height += table.rowHeight(r);
  if (table.horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
    height += table.horizontalScrollBar()->sizeHint().height();
  table.setFixedHeight(height);
}

void saveCharts(Session& s, const std::vector<std::pair<QChartView*, std::string>>& charts) {
  if (s.DbFolder.empty()) {
    s.ui.message(s.text("Nessun database aperto", "No database open"));
    return;
  }
  std::string saved;
  for (const auto& [view, name] : charts) {
    const std::string path = s.DbFolder + name;
    if (!view->grab().save(pathText(path), "PNG")) {
      s.ui.message(s.text("Impossibile salvare il grafico nel file ", "Could not save the chart to the file ") +
                   Utf8ToCp1252(path));
      return;
    }
    saved += s.NewLine + Utf8ToCp1252(path);
  }
  s.ui.message(s.text("Grafici salvati nei file:", "Charts saved to the files:") + saved);
}

}  // namespace kord::gui

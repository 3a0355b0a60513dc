#pragma once
/// What the statistics windows share: the charts drawn from a model's data
/// table, the grid, and saving the charts as pictures beside the database.

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <string>
#include <utility>
#include <vector>

#include "session/session.h"
#include "views/stats_models.h"

class QChartView;
class QTableWidget;
class QWidget;

namespace kord::gui {

/// The ways a statistics chart can show its series.
enum class ChartKind { GroupedBars, StackedBars, Lines, HorizontalBars, Pie, Donut };

/// The name the window shows for a kind ("Barre affiancate", ...).
QString chartKindName(ChartKind kind, bool english);

/// One series: a sex and its counts, one per category.
struct ChartSeries {
  QString name;
  QList<qreal> values;
};

/// Everything a chart shows besides its kind.
struct ChartData {
  QString title;
  QString categoryTitle;  ///< the axis of the categories
  QString valueTitle;     ///< the axis of the counts
  QStringList categories;
  QList<ChartSeries> series;
};

/// One series per row of `table` (named by the row labels), one category per
/// column that holds data points (named by the column labels). Trailing
/// categories that are all zero are dropped when they have no label, or
/// always with `dropTrailingZeros`; at least one category stays.
ChartData seriesByRow(const ChartTable& table, bool dropTrailingZeros = false);
/// The same with the roles swapped: one series per column, one category
/// per row.
ChartData seriesByColumn(const ChartTable& table, bool dropTrailingZeros = false);

/// A chart view with antialiasing and the object name `name`.
QChartView* newChartView(const QString& name, QWidget* parent);

/// Replaces the chart of `view` by one that shows `data` as `kind`, with
/// its title, labelled axes (whole numbers on the count axis) and a legend
/// of the series. Pie and Donut show each series' total as one slice.
/// "Maschi" and "Femmine" always have the same colours.
void showChart(QChartView& view, const ChartData& data, ChartKind kind);

/// The grid's cells in `table` (rows × columns as the model), read-only;
/// row 0 and column 0, the headings, in bold.
void showGrid(QTableWidget& table, const GridModel& grid);

/// Makes `table` exactly as tall as its rows (and its column header and
/// horizontal scroll bar, when it has them).
void fitGridHeight(QTableWidget& table);

/// Saves each chart as a PNG file with the given file name (UTF-8) in the
/// database folder and tells the person which files were written, or why
/// not (no database open, a file that could not be written).
void saveCharts(Session& s, const std::vector<std::pair<QChartView*, std::string>>& charts);

}  // namespace kord::gui

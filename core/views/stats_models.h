#pragma once
/// What the statistics windows show: the century window "Statistiche"
/// (Grafici) and the age window "Distribuzione per Età" (AgeChartWindow). Every
/// run rebuilds its model from zero.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kord {

/// A grid control: rows × columns of cell texts; an empty text is an empty
/// cell. Row 0 and column 0 hold the headings the procedure wrote there.
struct GridModel {
  std::vector<std::vector<std::string>> cells;

  /// Resizes to `rows` × `columns` empty cells.
  void reset(int rows, int columns) {
    cells.assign(static_cast<std::size_t>(rows), std::vector<std::string>(static_cast<std::size_t>(columns)));
  }
  int rows() const { return static_cast<int>(cells.size()); }
  int columns() const { return cells.empty() ? 0 : static_cast<int>(cells.front().size()); }
};

/// The data table behind a chart: rows × columns of counts. A cell the
/// procedure never filled holds no value (it is not a data point). Labels
/// are parallel to the rows and columns; an empty label is no label.
struct ChartTable {
  std::vector<std::string> rowLabels;
  std::vector<std::string> columnLabels;
  std::vector<std::vector<std::optional<int>>> values;

  /// Resizes to `rows` × `columns` empty cells without labels.
  void reset(int rows, int columns) {
    rowLabels.assign(static_cast<std::size_t>(rows), {});
    columnLabels.assign(static_cast<std::size_t>(columns), {});
    values.assign(static_cast<std::size_t>(rows), std::vector<std::optional<int>>(static_cast<std::size_t>(columns)));
  }
  int rows() const { return static_cast<int>(values.size()); }
  int columns() const { return values.empty() ? 0 : static_cast<int>(values.front().size()); }
};

/// Grafici, "Statistiche": births per century and sex.
struct CenturyStatsModel {
  bool visible = false;
  ChartTable Graph1;  ///< 2 rows (Maschi, Femmine) × 10 columns (buckets 0..8, column 10 empty)
  ChartTable Graph2;  ///< 2 rows (Maschi, Femmine) × 1 column: the sex totals
  GridModel Grid1;    ///< 10 × 3: "Secoli", then one row per bucket
  std::string NMaschi;
  std::string NFemmine;
  std::string Totali;
  std::string Quotatotale;  ///< males ÷ (males + females), "-" without either
};

/// AgeChartWindow, "Distribuzione per Età": births per decade class and sex.
struct DecadeStatsModel {
  bool visible = false;
  ChartTable Graph1;  ///< 40 rows (classes 0..39) × 2 columns (Maschi, Femmine)
  GridModel Grid1;    ///< 3 × 41: "Anni"/"Masc."/"Femm.", then one column per class
  std::string NMaschi;
  std::string NFemmine;
  std::string Totali;
  std::string Quotatotale;  ///< the date-missing count ("Data assente")
};

}  // namespace kord

#pragma once
/// The window "Statistiche" (CenturyChartWindow): births per century and sex in Graph1,
/// the two sex totals in Graph2, the same numbers in Grid1 and the labels
/// NMaschi, NFemmine, Totali, Quotatotale. Command3D1(0)/(1) step Graph1
/// back and forth among its chart kinds, Command3D1(2)/(3) Graph2;
/// GroupPush3D1 prints the window; SalvaGrafici saves both charts as PNG
/// files beside the database. Escape closes.

#include <QWidget>
#include <array>

#include "secondary_window.h"
#include "session/session.h"
#include "stats_chart.h"

class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kord::gui {

class QtPrinter;

class CenturyChartWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  CenturyChartWindow(kord::Session& session, QtPrinter& printer, QWidget* parent = nullptr);

  /// Charts, grid and labels from Session::centuries; the chart kinds chosen
  /// stay.
  void render() override;

  /// The kinds Graph1 and Graph2 show now.
  ChartKind graph1Kind() const;
  ChartKind graph2Kind() const;

  /// The file names the charts are saved under, in the database folder.
  static constexpr const char* kGraph1File = "Statistiche secoli.png";
  static constexpr const char* kGraph2File = "Statistiche sessi.png";

 private:
  QWidget* buildChartColumn(QChartView*& view, QLabel*& kindLabel, int firstButton);
  QWidget* buildTotals();
  QWidget* buildActions();
  void onStyle(int button);
  void renderGraph1();
  void renderGraph2();

  kord::Session& s_;
  QtPrinter& printer_;
  QChartView* graph1_ = nullptr;
  QChartView* graph2_ = nullptr;
  QLabel* graph1Kind_ = nullptr;
  QLabel* graph2Kind_ = nullptr;
  QTableWidget* grid1_ = nullptr;
  std::array<QLabel*, 4> totals_{};
  int graph1Style_ = 0;
  int graph2Style_ = 0;
};

}  // namespace kord::gui

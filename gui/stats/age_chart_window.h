#pragma once
/// The window "Distribuzione per Età" (AgeChartWindow): males and females by
/// decade of age in Graph1, one grid column per class in Grid1 (font
/// "Arial Narrow") and the labels NMaschi "N. Maschi", NFemmine
/// "N. Femmine", Totali "Totali" and Quotatotale "Data assente".
/// SalvaGrafico saves the chart as a PNG file beside the database. Escape
/// closes.

#include <QWidget>
#include <array>

#include "secondary_window.h"
#include "session/session.h"

class QChartView;
class QLabel;
class QTableWidget;

namespace kord::gui {

class AgeChartWindow : public SecondaryWindow {
  Q_OBJECT

 public:
  explicit AgeChartWindow(kord::Session& session, QWidget* parent = nullptr);

  /// Chart, grid and labels from Session::decades. The chart stops after
  /// the oldest class that holds anybody.
  void render() override;

  /// The file name the chart is saved under, in the database folder.
  static constexpr const char* kGraph1File = "Statistiche decenni.png";

 private:
  QWidget* buildTotals();

  kord::Session& s_;
  QChartView* graph1_ = nullptr;
  QTableWidget* grid1_ = nullptr;
  std::array<QLabel*, 4> totals_{};
};

}  // namespace kord::gui

#pragma once
/// The chooser "Scelta tipo di Grafico": Option3D1(0) "Grafico per secoli",
/// Option3D1(1) "Grafico per decenni", Command3D1(0) runs the chosen
/// statistic, Command3D1(1) closes. Enter runs, Escape closes.

#include <QDialog>
#include <array>

#include "session/session.h"
#include "stats/statistics_command.h"
#include "window_set.h"

class QPushButton;
class QRadioButton;

namespace kord::gui {

class ChartChooser : public QDialog, public ModelWindow {
  Q_OBJECT

 public:
  explicit ChartChooser(kord::Session& session, QWidget* parent = nullptr);

  /// Each showing starts with neither option set, so that running without
  /// a choice repeats the previous one.
  void render() override;

  /// The index of the option set, -1 when neither is.
  kord::ChosenStatistic chosenOption() const;

 protected:
  /// Escape and the window's close box act as Command3D1(1).
  void reject() override;

 private:
  void onCommand(int button);

  kord::Session& s_;
  std::array<QRadioButton*, 2> options_{};
  std::array<QPushButton*, 2> commands_{};
};

}  // namespace kord::gui

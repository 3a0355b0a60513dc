#pragma once
/// The statistics command and its chooser ChartChooser ("Scelta tipo di
/// Grafico"): "Grafico per secoli" runs CenturyStatistics, "Grafico per
/// decenni" DecadeStatistics.

#include "session/session.h"

namespace kord {

/// Chooser choices remembered in Session::chosenStatistic.
enum ChosenStatistic : int { kNoStatistic = 0, kCenturyStatistic = 1, kDecadeStatistic = 2 };

/// The main window's Libro(4) and the assistant's statistics node: shows
/// ChartChooser without blocking while the main window is idle (windowState 3);
/// in any other state only says "Chiudere le finestre secondarie prima di
/// generare il censimento".
void StatisticsCommand(Session& s);

/// The buttons of ChartChooser.
enum class ChartChooserButton { Run, Close };

/// A click on a ChartChooser button. `choice` is the option that is set;
/// with none (kNoStatistic) the choice of the previous use runs again
/// (nothing at the first use). Either button remembers the choice and hides ChartChooser.
/// Running: Grafici on and windowState 7; the focus saved in savedFocus; the
/// switches of a full walk (NavigatorFocus off, WalkAll, OutputToFile and
/// DetailLines on); the statistic; then NavigatorFocus on and the other
/// three off (so OutputToFile is off afterwards, whatever it was), the focus
/// back from savedFocus, windowState 3 and Grafici off.
void RunChosenStatistic(Session& s, ChartChooserButton button, ChosenStatistic choice);

}  // namespace kord

#include "stats/statistics_command.h"

#include "stats/century_statistics.h"
#include "stats/decade_statistics.h"

namespace kord {
namespace {

void runStatistic(Session& s) {
  s.statisticsRunning = true;
  s.windowState = kStateCensus;
  KeptFocus kept(s);
  SetWholeWalkSwitches(s);
  if (s.chosenStatistic == kCenturyStatistic) CenturyStatistics(s);
  if (s.chosenStatistic == kDecadeStatistic) DecadeStatistics(s);
  SetIdleSwitches(s);
  kept.restore();
  s.windowState = kStateIdle;
  s.statisticsRunning = false;
}

}  // namespace

void StatisticsCommand(Session& s) {
  if (s.windowState != kStateIdle) {
    s.ui.message("Chiudere le finestre secondarie prima di generare il censimento");
    return;
  }
  s.ui.showWindow(Window::ChartChooser, true);
}

void RunChosenStatistic(Session& s, ChartChooserButton button, ChosenStatistic choice) {
  if (choice != kNoStatistic) s.chosenStatistic = choice;
  s.ui.showWindow(Window::ChartChooser, false);
  if (button == ChartChooserButton::Run) runStatistic(s);
}

}  // namespace kord

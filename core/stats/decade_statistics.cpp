#include "stats/decade_statistics.h"

#include <array>

#include "db/dates.h"
#include "stats/birth_walk.h"

namespace kord {
namespace {

struct DecadeCounts {
  int males = 0;
  int females = 0;
  int dateMissing = 0;
  std::array<int, kDecadeClasses> maleBirths{};
  std::array<int, kDecadeClasses> femaleBirths{};
};

void countIndividual(DecadeCounts& c, const BirthFacts& f, int currentYear) {
  if (!f.birthDate) return;
  const bool male = f.sex == "M";
  const bool female = f.sex == "F";
  if (!male && !female) return;
  const int age = currentYear - YearOf(*f.birthDate, currentYear);
  ++(male ? c.males : c.females);
  auto& byClass = male ? c.maleBirths : c.femaleBirths;
  if (auto decade = DecadeClass(age, currentYear))
    ++byClass[*decade];
  else
    ++c.dateMissing;
}

void fillGraph1(ChartTable& g, const DecadeCounts& c) {
  g.reset(kDecadeClasses, 2);
  g.columnLabels = {"Maschi", "Femmine"};
  for (int i = 0; i < kDecadeClasses; ++i) {
    // Ages the class holds, so the chart can name its bars.
    g.rowLabels[i] = i + 1 < kDecadeClasses ? std::to_string(10 * i) + "-" + std::to_string(10 * i + 9)
                                            : std::to_string(10 * i) + "+";
    g.values[i] = {c.maleBirths[i], c.femaleBirths[i]};
  }
}

void fillGrid1(GridModel& g, const DecadeCounts& c, int currentYear) {
  g.reset(3, kDecadeClasses + 1);
  g.cells[0][0] = "Anni";
  g.cells[1][0] = "Masc.";
  g.cells[2][0] = "Femm.";
  for (int i = 0; i < kDecadeClasses; ++i) {
    g.cells[0][i + 1] = YearHeader(i, currentYear);
    g.cells[1][i + 1] = std::to_string(c.maleBirths[i]);
    g.cells[2][i + 1] = std::to_string(c.femaleBirths[i]);
  }
  g.cells[0][kDecadeClasses] = ">41";
}

void fillTotals(DecadeStatsModel& m, const DecadeCounts& c) {
  m.NMaschi = std::to_string(c.males);
  m.NFemmine = std::to_string(c.females);
  m.Totali = std::to_string(c.males + c.females);
  m.Quotatotale = std::to_string(c.dateMissing);
}

}  // namespace

void DecadeStatistics(Session& s) {
  const int currentYear = s.clock.now().year;
  DecadeStatsModel& m = s.decades;
  m = DecadeStatsModel{};
  m.Graph1.reset(kDecadeClasses, 2);
  if (s.WalkAll) {
    m.visible = true;
    s.ui.showWindow(Window::AgeChartWindow, true);
  }
  DecadeCounts counts;
  WalkBirths(s, [&](const BirthFacts& f) { countIndividual(counts, f, currentYear); });
  fillGraph1(m.Graph1, counts);
  fillTotals(m, counts);
  fillGrid1(m.Grid1, counts, currentYear);
  s.ui.refresh(Window::AgeChartWindow);
}

std::optional<int> DecadeClass(int age, int currentYear) {
  if (age < 0) return std::nullopt;
  if (age <= 390) return age / 10;
  if (age <= currentYear - 101) return kDecadeClasses - 1;
  return std::nullopt;
}

std::string YearHeader(int decadeClass, int currentYear) {
  const std::string year = std::to_string(currentYear - 10 * decadeClass);
  return year.size() > 1 ? year.substr(1) : std::string();
}

}  // namespace kord

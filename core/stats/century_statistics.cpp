#include "stats/century_statistics.h"

#include <array>
#include <charconv>

#include "stats/birth_walk.h"

namespace kord {
namespace {

constexpr int kBuckets = 9;
constexpr int kLabelledBuckets = 7;  // buckets 7 and 8 have no label

struct CenturyCounts {
  int males = 0;
  int females = 0;
  std::array<int, kBuckets> maleBirths{};
  std::array<int, kBuckets> femaleBirths{};
};

int floorDiv(int a, int b) { return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0); }

void countIndividual(CenturyCounts& c, const BirthFacts& f, int currentYear) {
  const bool male = f.sex == "M";
  const bool female = f.sex == "F";
  if (male) ++c.males;
  if (female) ++c.females;
  if (!f.birthDate) return;
  auto bucket = CenturyBucket(WrittenYear(*f.birthDate), currentYear);
  if (!bucket) return;
  if (male) ++c.maleBirths[*bucket];
  if (female) ++c.femaleBirths[*bucket];
}

void fillGraph1(ChartTable& g, const CenturyCounts& c, int currentYear) {
  g.reset(2, 10);  // the tenth column stays empty
  g.rowLabels = {"Maschi", "Femmine"};
  for (int i = 0; i < kBuckets; ++i) {
    g.values[0][i] = c.maleBirths[i];
    g.values[1][i] = c.femaleBirths[i];
  }
  for (int i = 0; i < kLabelledBuckets; ++i) g.columnLabels[i] = CenturyLabel(i, currentYear);
}

void fillGrid1(GridModel& g, const CenturyCounts& c, int currentYear) {
  g.reset(10, 3);
  g.cells[0][0] = "Secoli";
  for (int i = 0; i < kBuckets; ++i)
    g.cells[i + 1] = {CenturyLabel(i, currentYear), std::to_string(c.maleBirths[i]), std::to_string(c.femaleBirths[i])};
}

void fillGraph2(ChartTable& g, const CenturyCounts& c) {
  g.reset(2, 1);
  g.rowLabels = {"Maschi", "Femmine"};
  g.values[0][0] = c.males;
  g.values[1][0] = c.females;
}

void fillTotals(CenturyStatsModel& m, const CenturyCounts& c) {
  m.NMaschi = std::to_string(c.males);
  m.NFemmine = std::to_string(c.females);
  m.Totali = std::to_string(c.males + c.females);
  m.Quotatotale = ShareText(c.males, c.females);
}

}  // namespace

void CenturyStatistics(Session& s) {
  const int currentYear = s.clock.now().year;
  CenturyStatsModel& m = s.centuries;
  m = CenturyStatsModel{};
  m.Graph1.reset(2, 10);
  if (s.statisticsRunning && s.WalkAll) {
    m.visible = true;
    s.ui.showWindow(Window::CenturyChartWindow, true);
  }
  CenturyCounts counts;
  WalkBirths(s, [&](const BirthFacts& f) { countIndividual(counts, f, currentYear); });
  fillGraph1(m.Graph1, counts, currentYear);
  fillGrid1(m.Grid1, counts, currentYear);
  fillTotals(m, counts);
  fillGraph2(m.Graph2, counts);
  s.ui.refresh(Window::CenturyChartWindow);
}

std::optional<int> CenturyBucket(int year, int currentYear) {
  if (year > currentYear) return std::nullopt;
  const int bucket = (currentYear - year) / 100;
  if (bucket <= 8) return bucket;
  if (bucket <= floorDiv(currentYear - 101, 100)) return 8;
  return std::nullopt;
}

std::string CenturyLabel(int bucket, int currentYear) {
  if (bucket < 0 || bucket > 6) return {};
  if (bucket == 6) return "N.D.";
  return std::to_string(floorDiv(currentYear, 100) * 100 - 100 * bucket);
}

std::string ShareText(int males, int females) {
  if (males + females == 0) return "-";
  const double share = static_cast<double>(males) / (males + females);
  // to_chars ignores the C locale, which a Qt program sets from the system.
  std::array<char, 32> buffer{};
  auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), share, std::chars_format::general, 15);
  std::string text(buffer.data(), result.ptr);
  for (char& c : text)
    if (c == '.') c = ',';
  return text;
}

}  // namespace kord

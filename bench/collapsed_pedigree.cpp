#include "collapsed_pedigree.h"

#include <fstream>

#include "db/person_record.h"

namespace kord::bench {
namespace {

std::string line(int first, int second) { return std::to_string(first) + "," + std::to_string(second) + "\r\n"; }

}  // namespace

void GenerateCollapsedPedigree(const std::string& base, int people) {
  std::string records, children, spouses;
  for (int r = 1; r <= people; ++r) {
    const int g = (r - 1) / 2;
    const bool husband = r % 2 == 1;
    PersonRecord record;
    record.set(Num, std::to_string(r));
    record.set(Name, (husband ? "Pavan Marito " : "Zanin Moglie ") + std::to_string(g));
    record.set(BirthDate, "0/0/" + std::to_string(1500 + 20 * g));
    record.set(Sex, husband ? "M" : "F");
    records.append(record.bytes().begin(), record.bytes().end());
    if (g > 0) children += line(r, 2 * g - 1) + line(r, 2 * g);
    spouses += line(r, husband ? r + 1 : r - 1);
  }
  std::ofstream(base + ".rni", std::ios::binary) << records;
  std::ofstream(base + ".rnc", std::ios::binary) << children;
  std::ofstream(base + ".rns", std::ios::binary) << spouses;
  std::ofstream(base + ".rnt", std::ios::binary) << "0\r\n";
}

}  // namespace kord::bench

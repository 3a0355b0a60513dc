#include "exchange/gedcom_marriages.h"

namespace kord {
namespace {

int otherSpouse(const ImportFamily& f, int person) { return f.husband == person ? f.wife : f.husband; }

int mainFamilyOf(const FamilyGraph& g, const std::vector<int>& recordOf, int person) {
  for (int family : g.of[person].spouseIn) {
    int other = otherSpouse(g.families[family], person);
    if (other >= 0 && recordOf[other] > 0) return family;
  }
  for (int family : g.of[person].spouseIn)
    if (g.families[family].node->child("MARR")) return family;
  return -1;
}

}  // namespace

std::vector<int> MainFamilies(const FamilyGraph& g, const std::vector<int>& recordOf) {
  std::vector<int> main(g.of.size(), -1);
  for (int p = 0; p < static_cast<int>(g.of.size()); ++p)
    if (recordOf[p] > 0) main[p] = mainFamilyOf(g, recordOf, p);
  return main;
}

std::vector<OtherMarriage> OtherMarriages(const FamilyGraph& g, const std::vector<int>& mainFamily,
                                          const std::vector<int>& recordOf, int person) {
  std::vector<OtherMarriage> others;
  const auto& families = g.of[person].spouseIn;
  for (std::size_t n = 0; n < families.size(); ++n) {
    int family = families[n];
    if (family == mainFamily[person]) continue;
    int other = otherSpouse(g.families[family], person);
    bool heldByOther = other >= 0 && recordOf[other] > 0 && mainFamily[other] == family;
    bool worthSaying = other >= 0 || g.families[family].node->child("MARR");
    if (!heldByOther && worthSaying) others.push_back({family, static_cast<int>(n) + 1, other});
  }
  return others;
}

}  // namespace kord

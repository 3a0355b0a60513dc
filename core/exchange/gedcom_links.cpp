#include "exchange/gedcom_links.h"

#include <algorithm>
#include <set>
#include <vector>

#include "db/csv_fields.h"
#include "exchange/record_text.h"

namespace kord {
namespace {

class LinkBuilder {
 public:
  LinkBuilder(const FamilyGraph& g, const std::vector<int>& recordOf, const std::vector<std::string>& labels,
              ExchangeSummary& s)
      : g_(g), recordOf_(recordOf), labels_(labels), s_(s), spouseOf_(recordOf.size(), -1) {
    for (int p = 0; p < static_cast<int>(recordOf.size()); ++p)
      if (recordOf[p] > 0) byRecord_.push_back(p);
    std::sort(byRecord_.begin(), byRecord_.end(), [&](int a, int b) { return recordOf[a] < recordOf[b]; });
  }

  ImportedLinks run() {
    for (int child : byRecord_) childLines(child);
    for (int person : byRecord_) spouseLine(person);
    reportCouples();
    if (int crossing = linksToLeftOut(); crossing > 0)
      s_.notRepresented.push_back(s_.say("Legami verso individui lasciati fuori: ", "Links to individuals left out: ") +
                                  std::to_string(crossing));
    return links_;
  }

 private:
  std::string line(int a, int b) const {
    return std::to_string(recordOf_[a]) + "," + std::to_string(recordOf_[b]) + std::string(kNewLine);
  }
  const std::string& xrefOf(int family) const { return g_.families[family].node->xref; }

  void childLines(int child) {
    bool linked = false;
    for (const ChildLink& link : g_.of[child].childIn) {
      const ImportFamily& f = g_.families[link.family];
      if (f.husband < 0 && f.wife < 0) continue;
      if (!link.isBirth()) {
        s_.notRepresented.push_back(
            labels_[child] + ": PEDI " + ToRecordText(link.pedigree).text + " " + xrefOf(link.family) +
            s_.say(" non collegato (solo i genitori naturali)", " not linked (birth parents only)"));
      } else if (linked) {
        s_.notRepresented.push_back(labels_[child] + s_.say(": altri genitori in ", ": other parents in ") +
                                    xrefOf(link.family) + s_.say(" non collegati", " not linked"));
      } else {
        for (int parent : {f.husband, f.wife}) addParent(child, parent, link.family);
        linked = true;
      }
    }
  }

  void addParent(int child, int parent, int family) {
    if (parent < 0 || recordOf_[parent] == 0) return;
    if (parent == child || isAncestor(child, parent)) {
      s_.problems.push_back(labels_[child] + ": " + xrefOf(family) + " " + labels_[parent] +
                            s_.say(" come genitore lo renderebbe antenato di se stesso, legame saltato",
                                   " as a parent would make it its own ancestor, link skipped"));
      return;
    }
    links_.children += line(child, parent);
    ++links_.childLines;
    parentsOf_[child].insert(parent);
  }

  void spouseLine(int person) {
    for (int family : g_.of[person].spouseIn) {
      const ImportFamily& f = g_.families[family];
      int other = f.husband == person ? f.wife : f.husband;
      if (other < 0 || recordOf_[other] == 0) continue;
      links_.spouses += line(person, other);
      ++links_.spouseLines;
      spouseOf_[person] = other;
      return;
    }
  }

  /// True when `ancestor` is `person` or one of its parents' ancestors by
  /// the links made so far.
  bool isAncestor(int ancestor, int person) const {
    std::vector<int> open = {person};
    std::set<int> seen;
    while (!open.empty()) {
      int p = open.back();
      open.pop_back();
      if (p == ancestor) return true;
      auto parents = parentsOf_.find(p);
      if (parents == parentsOf_.end()) continue;
      for (int parent : parents->second)
        if (seen.insert(parent).second) open.push_back(parent);
    }
    return false;
  }

  /// Family links between an imported individual and one left out.
  int linksToLeftOut() const {
    auto crosses = [&](int a, int b) { return a >= 0 && b >= 0 && (recordOf_[a] == 0) != (recordOf_[b] == 0); };
    int count = 0;
    for (const ImportFamily& f : g_.families) {
      count += crosses(f.husband, f.wife);
      for (int child : f.children) count += crosses(child, f.husband) + crosses(child, f.wife);
    }
    return count;
  }

  bool haveChildTogether(int a, int b) const {
    return std::any_of(parentsOf_.begin(), parentsOf_.end(),
                       [&](const auto& entry) { return entry.second.count(a) && entry.second.count(b); });
  }

  void reportCouples() {
    for (int family = 0; family < static_cast<int>(g_.families.size()); ++family) {
      const ImportFamily& f = g_.families[family];
      if (f.husband < 0 || f.wife < 0 || recordOf_[f.husband] == 0 || recordOf_[f.wife] == 0) continue;
      if (spouseOf_[f.husband] == f.wife || spouseOf_[f.wife] == f.husband || haveChildTogether(f.husband, f.wife))
        continue;
      s_.notRepresented.push_back(
          xrefOf(family) + " " + labels_[f.husband] + s_.say(" e ", " and ") + labels_[f.wife] +
          s_.say(": coppia non collegata (ognuno ha un altro primo coniuge, nessun figlio insieme)",
                 ": couple not linked (each has another first spouse, no children together)"));
    }
  }

  const FamilyGraph& g_;
  const std::vector<int>& recordOf_;
  const std::vector<std::string>& labels_;
  ExchangeSummary& s_;
  std::vector<int> byRecord_;
  std::vector<int> spouseOf_;
  std::map<int, std::set<int>> parentsOf_;
  ImportedLinks links_;
};

}  // namespace

ImportedLinks BuildImportedLinks(const FamilyGraph& graph, const std::vector<int>& recordOf,
                                 const std::vector<std::string>& labels, ExchangeSummary& summary) {
  return LinkBuilder(graph, recordOf, labels, summary).run();
}

}  // namespace kord

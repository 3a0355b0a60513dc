#include "exchange/export_families.h"

#include <algorithm>
#include <map>

namespace kord {
namespace {

using Marriage = std::pair<std::string, std::string>;  ///< date, place

class FamilyPlanner {
 public:
  FamilyPlanner(const Tables& t, const RecordsByIndex& r, ExchangeSummary& s)
      : t_(t), r_(r), s_(s), marriageFamily_(kTableSize, -1) {
    plan_.spouseIn.resize(kTableSize);
    plan_.childIn.assign(kTableSize, -1);
  }

  ExportPlan run() {
    for (int i = 2; i <= t_.LastIndex; ++i)
      if (valid(i)) addParents(i);
    for (int i = 2; i <= t_.LastIndex; ++i)
      if (valid(i)) addCouple(i);
    for (int i = 2; i <= t_.LastIndex; ++i)
      if (valid(i)) addMarriage(i);
    for (std::size_t f = 0; f < plan_.families.size(); ++f) assignRoles(f);
    for (int i = 2; i <= t_.LastIndex; ++i)
      if (valid(i)) orderFamilies(i);
    for (int i = 2; i <= t_.LastIndex; ++i)
      if (valid(i)) checkReadBack(i);
    return plan_;
  }

 private:
  bool valid(int i) const {
    return t_.isIndividual(i) && i < static_cast<int>(r_.size()) && r_[i].has_value() && !IsBlankRecord(*r_[i]);
  }
  std::string label(int i) const { return IndexLabel(r_, i); }
  char sexOf(int i) const {
    if (i == kNone) return ' ';
    char c = r_[i]->raw(Sex)[0];
    return c == 'm' ? 'M' : c == 'f' ? 'F' : c;
  }
  Marriage marriageOf(int i) const { return {r_[i]->trimmed(MarriageDate), r_[i]->trimmed(MarriagePlace)}; }

  /// A link from `i` to `target`, which must be another individual with a record.
  bool usable(int i, int target) const {
    if (target == kNone || target == i) return false;
    if (valid(target)) return true;
    s_.notRepresented.push_back(
        label(i) + s_.say(": legame verso l'indice ", ": link to index ") + std::to_string(target) +
        s_.say(", che non e' un individuo, non esportato", ", which is no individual, not exported"));
    return false;
  }

  int familyFor(int a, int b) {
    auto key = std::minmax(a, b);
    auto [found, added] = byPair_.emplace(key, static_cast<int>(plan_.families.size()));
    if (added) {
      plan_.families.emplace_back();
      order_.emplace_back(a, b);
    }
    return found->second;
  }

  void addParents(int child) {
    std::vector<int> parents;
    for (int p : {t_.Parent1[child], t_.Parent2[child]})
      if (usable(child, p) && std::find(parents.begin(), parents.end(), p) == parents.end()) parents.push_back(p);
    if (parents.empty()) return;
    int f = familyFor(parents[0], parents.size() > 1 ? parents[1] : kNone);
    plan_.families[f].children.push_back(child);
    plan_.childIn[child] = f;
  }

  void addCouple(int i) {
    if (usable(i, t_.Spouse[i])) familyFor(i, t_.Spouse[i]);
  }

  void addMarriage(int i) {
    Marriage m = marriageOf(i);
    int spouse = t_.Spouse[i];
    bool linked = spouse != kNone && spouse != i && valid(spouse);
    if (!linked && m.first.empty() && m.second.empty()) return;
    int f = familyFor(i, linked ? spouse : kNone);
    marriageFamily_[i] = f;
    ExportFamily& family = plan_.families[f];
    if (family.hasMarriage) return;
    family.hasMarriage = true;
    family.marriageDate = m.first;
    family.marriagePlace = m.second;
  }

  void assignRoles(std::size_t f) {
    auto [a, b] = order_[f];
    char sa = sexOf(a), sb = sexOf(b);
    bool swap = (sa == 'F' && sb != 'F') || (sb == 'M' && sa != 'M');
    plan_.families[f].husband = swap ? b : a;
    plan_.families[f].wife = swap ? a : b;
  }

  void orderFamilies(int i) {
    auto& list = plan_.spouseIn[i];
    if (marriageFamily_[i] >= 0) list.push_back(marriageFamily_[i]);
    for (int f = 0; f < static_cast<int>(plan_.families.size()); ++f) {
      const ExportFamily& family = plan_.families[f];
      if ((family.husband == i || family.wife == i) && f != marriageFamily_[i]) list.push_back(f);
    }
  }

  void checkReadBack(int i) {
    int spouse = kNone;
    Marriage marriage;
    bool marriageFound = false;
    for (int f : plan_.spouseIn[i]) {
      const ExportFamily& family = plan_.families[f];
      int other = family.husband == i ? family.wife : family.husband;
      if (spouse == kNone) spouse = other;
      if (!marriageFound && family.hasMarriage) marriage = {family.marriageDate, family.marriagePlace};
      marriageFound = marriageFound || family.hasMarriage;
    }
    int actual = t_.Spouse[i] != i && valid(t_.Spouse[i]) ? t_.Spouse[i] : kNone;
    if (spouse != actual)
      note(i, s_.say("il coniuge diventa ", "the spouse becomes ") + nameOrNone(spouse) +
                  s_.say(" (nel database: ", " (in the database: ") + nameOrNone(actual) + ")");
    if (marriage != marriageOf(i))
      note(i, s_.say("il matrimonio diventa \"", "the marriage becomes \"") + marriage.first + ", " + marriage.second +
                  "\"");
    checkParents(i);
  }

  void checkParents(int i) {
    std::vector<int> written, actual;
    if (int f = plan_.childIn[i]; f >= 0)
      for (int p : {plan_.families[f].husband, plan_.families[f].wife})
        if (p != kNone) written.push_back(p);
    for (int p : {t_.Parent1[i], t_.Parent2[i]})
      if (p != i && valid(p) && std::find(actual.begin(), actual.end(), p) == actual.end()) actual.push_back(p);
    if (written != actual)
      note(i, s_.say("i genitori diventano ", "the parents become ") + namesOf(written) +
                  s_.say(" (nel database: ", " (in the database: ") + namesOf(actual) + ")");
  }

  std::string nameOrNone(int i) const { return i == kNone ? s_.say("nessuno", "none") : label(i); }
  std::string namesOf(const std::vector<int>& list) const {
    std::string out;
    for (int i : list) out += (out.empty() ? "" : ", ") + label(i);
    return out.empty() ? s_.say("nessuno", "none") : out;
  }
  void note(int i, const std::string& text) { s_.notRepresented.push_back(label(i) + ": " + text); }

  const Tables& t_;
  const RecordsByIndex& r_;
  ExchangeSummary& s_;
  ExportPlan plan_;
  std::map<std::pair<int, int>, int> byPair_;
  std::vector<std::pair<int, int>> order_;  ///< by family: the first and second member as found
  std::vector<int> marriageFamily_;         ///< by index: the family of its spouse link or marriage
};

}  // namespace

bool IsBlankRecord(const PersonRecord& record) {
  return std::all_of(record.bytes().begin(), record.bytes().end(), [](char c) { return c == ' '; });
}

ExportPlan PlanFamilies(const Tables& tables, const RecordsByIndex& records, ExchangeSummary& summary) {
  return FamilyPlanner(tables, records, summary).run();
}

std::string IndexLabel(const RecordsByIndex& records, int index) {
  std::string number = "(" + std::to_string(index) + ")";
  if (index < 0 || index >= static_cast<int>(records.size()) || !records[index]) return number;
  std::string name = records[index]->trimmed(Name);
  return name.empty() ? number : name + " " + number;
}

}  // namespace kord

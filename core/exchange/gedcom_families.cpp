#include "exchange/gedcom_families.h"

#include <algorithm>
#include <deque>
#include <set>

#include "exchange/import_note_lines.h"
#include "exchange/record_text.h"

namespace kord {
namespace {

std::string lineText(const ExchangeSummary& s, const GedcomNode& node) {
  return s.say("riga ", "line ") + std::to_string(node.line) + ": ";
}

void indexRecord(const GedcomNode& r, GedcomIndex& ix, ExchangeSummary& s) {
  auto add = [&](std::map<std::string, int>& byXref, std::vector<const GedcomNode*>& list) {
    if (!r.xref.empty() && !byXref.emplace(r.xref, static_cast<int>(list.size())).second) {
      s.problems.push_back(lineText(s, r) + r.xref +
                           s.say(" usato due volte, record saltato", " used twice, record skipped"));
      return;
    }
    list.push_back(&r);
  };
  if (r.tag == "INDI")
    add(ix.personOf, ix.people);
  else if (r.tag == "FAM")
    add(ix.familyOf, ix.families);
  else if (r.tag == "NOTE" && !r.xref.empty())
    ix.notes.emplace(r.xref, &r);
  else if (r.tag != "HEAD" && r.tag != "TRLR" && r.tag != "SUBM" && r.tag != "SUBN")
    CountSkipped(s, r.tag);
}

/// The person a pointer line names, or -1 (reported).
int personAt(const GedcomNode& line, const GedcomIndex& ix, ExchangeSummary& s) {
  auto found = ix.personOf.find(line.value);
  if (found != ix.personOf.end()) return found->second;
  s.problems.push_back(lineText(s, line) + line.tag + " " + ToRecordText(line.value).text +
                       s.say(" non e' un individuo del file", " is not an individual of the file"));
  return -1;
}

int familyAt(const GedcomNode& line, const GedcomIndex& ix, ExchangeSummary& s) {
  auto found = ix.familyOf.find(line.value);
  if (found != ix.familyOf.end()) return found->second;
  s.problems.push_back(lineText(s, line) + line.tag + " " + ToRecordText(line.value).text +
                       s.say(" non e' una famiglia del file", " is not a family of the file"));
  return -1;
}

void setSpouse(int& slot, int person, const GedcomNode& family, const GedcomNode& line, ExchangeSummary& s) {
  if (slot < 0) {
    slot = person;
    return;
  }
  s.notRepresented.push_back(family.xref + ": " + s.say("secondo ", "second ") + line.tag + " " +
                             ToRecordText(line.value).text + s.say(" non rappresentato", " not represented"));
}

ImportFamily readFamily(const GedcomNode& fam, const GedcomIndex& ix, ExchangeSummary& s) {
  ImportFamily f;
  f.node = &fam;
  for (const auto& c : fam.children) {
    if (c.tag != "HUSB" && c.tag != "WIFE" && c.tag != "CHIL") continue;
    int person = personAt(c, ix, s);
    if (person < 0) continue;
    if (c.tag == "CHIL") {
      if (std::find(f.children.begin(), f.children.end(), person) == f.children.end()) f.children.push_back(person);
    } else {
      setSpouse(c.tag == "HUSB" ? f.husband : f.wife, person, fam, c, s);
    }
  }
  if (f.husband >= 0 && f.husband == f.wife) f.wife = -1;
  return f;
}

/// A FAMS the family does not show: the person takes a free place in it.
bool joinAsSpouse(ImportFamily& f, int person) {
  if (f.husband == person || f.wife == person) return true;
  int& free = f.husband < 0 ? f.husband : f.wife;
  if (free >= 0) return false;
  free = person;
  return true;
}

void addPointers(int person, const GedcomIndex& ix, FamilyGraph& g, ExchangeSummary& s) {
  const GedcomNode& indi = *ix.people[person];
  PersonFamilies& mine = g.of[person];
  for (const auto& c : indi.children) {
    if (c.tag != "FAMS" && c.tag != "FAMC") continue;
    int family = familyAt(c, ix, s);
    if (family < 0) continue;
    ImportFamily& f = g.families[family];
    if (c.tag == "FAMS") {
      if (!joinAsSpouse(f, person)) {
        s.problems.push_back(lineText(s, c) + indi.xref + " FAMS " + f.node->xref +
                             s.say(": la famiglia ha gia' due coniugi, legame ignorato",
                                   ": the family already has two spouses, link ignored"));
      } else if (std::find(mine.spouseIn.begin(), mine.spouseIn.end(), family) == mine.spouseIn.end()) {
        mine.spouseIn.push_back(family);
      }
      continue;
    }
    if (std::find(f.children.begin(), f.children.end(), person) == f.children.end()) f.children.push_back(person);
    const GedcomNode* pedi = c.child("PEDI");
    mine.childIn.push_back({family, pedi ? UpperAscii(pedi->value) : std::string()});
    for (const auto& sub : c.children)
      if (sub.tag != "PEDI") CountSkipped(s, "INDI.FAMC." + sub.tag);
  }
}

/// Families naming a person that its own INDI did not list, in file order.
void addUnlisted(FamilyGraph& g) {
  for (int family = 0; family < static_cast<int>(g.families.size()); ++family) {
    const ImportFamily& f = g.families[family];
    for (int spouse : {f.husband, f.wife}) {
      if (spouse < 0) continue;
      auto& list = g.of[spouse].spouseIn;
      if (std::find(list.begin(), list.end(), family) == list.end()) list.push_back(family);
    }
    for (int child : f.children) {
      auto& list = g.of[child].childIn;
      bool listed = std::any_of(list.begin(), list.end(), [&](const ChildLink& l) { return l.family == family; });
      if (!listed) list.push_back({family, {}});
    }
  }
}

}  // namespace

void CountSkipped(ExchangeSummary& summary, const std::string& path) { ++summary.skippedTags[path]; }

void CountFamilyTags(const GedcomNode& fam, const GedcomIndex& ix, ExchangeSummary& s) {
  static const std::set<std::string> kLinks = {"HUSB", "WIFE", "CHIL"};
  for (const auto& c : fam.children) {
    bool event = c.tag == "MARR" || c.tag == "DIV";
    if (event) {
      for (const auto& m : c.children)
        if (m.tag != "DATE" && m.tag != "PLAC" && m.tag != "_KORD_DATE") CountSkipped(s, "FAM." + c.tag + "." + m.tag);
    } else if (c.tag == "NOTE") {
      auto found = c.isPointer() ? ix.notes.find(c.value) : ix.notes.end();
      const std::string& text = found != ix.notes.end() ? found->second->value : c.value;
      CountSkipped(s, IsCustomLineReport(text) ? "FAM.NOTE _KORD" : "FAM.NOTE");
    } else if (!kLinks.count(c.tag)) {
      CountSkipped(s, "FAM." + c.tag);
    }
    for (const auto& sub : c.children)
      if (kLinks.count(c.tag)) CountSkipped(s, "FAM." + c.tag + "." + sub.tag);
  }
}

GedcomIndex IndexGedcom(const std::vector<GedcomNode>& records, ExchangeSummary& summary) {
  GedcomIndex ix;
  for (const auto& r : records) indexRecord(r, ix, summary);
  return ix;
}

FamilyGraph BuildFamilyGraph(const GedcomIndex& ix, ExchangeSummary& s) {
  FamilyGraph g;
  for (const GedcomNode* fam : ix.families) g.families.push_back(readFamily(*fam, ix, s));
  g.of.resize(ix.people.size());
  for (int p = 0; p < static_cast<int>(ix.people.size()); ++p) addPointers(p, ix, g, s);
  addUnlisted(g);
  return g;
}

std::vector<int> NearestPeople(const FamilyGraph& g, int start, int limit) {
  std::vector<int> order;
  std::set<int> seen;
  std::deque<int> queue;
  auto visit = [&](int p) {
    if (p < 0 || static_cast<int>(order.size()) >= limit || !seen.insert(p).second) return;
    order.push_back(p);
    queue.push_back(p);
  };
  visit(start);
  while (!queue.empty() && static_cast<int>(order.size()) < limit) {
    int p = queue.front();
    queue.pop_front();
    for (const auto& link : g.of[p].childIn) {
      visit(g.families[link.family].husband);
      visit(g.families[link.family].wife);
    }
    for (int family : g.of[p].spouseIn) {
      const ImportFamily& f = g.families[family];
      visit(f.husband == p ? f.wife : f.husband);
      for (int child : f.children) visit(child);
    }
  }
  return order;
}

bool IsEmptySlot(const GedcomNode& indi, const PersonFamilies& families) {
  return indi.children.empty() && families.spouseIn.empty() && families.childIn.empty();
}

std::string XrefOf(const std::string& typed) {
  if (typed.size() >= 2 && typed.front() == '@' && typed.back() == '@') return typed;
  return "@" + typed + "@";
}

}  // namespace kord

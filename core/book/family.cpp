#include "book/family.h"

#include <algorithm>
#include <tuple>

namespace kord {
namespace {

int lastScanned(const Tables& t) { return std::min(t.LastIndex, kTableSize - 1); }

/// The first empty slot, or nullptr when all three are taken.
FamilyMember* firstEmptySlot(FamilyFacts& f) {
  for (auto& slot : f.spouses)
    if (!slot.present()) return &slot;
  return nullptr;
}

bool slotHoldsNumber(const FamilyFacts& f, int number) {
  return std::any_of(f.spouses.begin(), f.spouses.end(), [&](const FamilyMember& m) { return m.number == number; });
}

/// A child's parent offered as a spouse; compared by name, as the slots are.
void offerCoParent(FamilyFacts& f, const FamilyMember& parent) {
  if (parent.name == f.name) return;
  for (const auto& slot : f.spouses)
    if (slot.name == parent.name) return;
  if (FamilyMember* slot = firstEmptySlot(f)) *slot = parent;
}

void placeSpouse(const Tables& t, FamilyFacts& f, int number) {
  if (FamilyMember* slot = firstEmptySlot(f)) *slot = MemberAt(t, number);
}

}  // namespace

FamilyMember MemberAt(const Tables& t, int index) {
  if (index < 0 || !Tables::inTable(index)) return {};
  return {t.Names[index], index};
}

std::pair<FamilyMember, FamilyMember> ParentsOf(const Tables& t, int index) {
  if (!Tables::inTable(index)) return {};
  return {MemberAt(t, t.Parent1[index]), MemberAt(t, t.Parent2[index])};
}

FamilyFacts FocusFacts(const Tables& t, int focus) {
  FamilyFacts f;
  f.focus = focus;
  f.name = Tables::inTable(focus) ? t.Names[focus] : std::string();
  std::tie(f.parentA, f.parentB) = ParentsOf(t, focus);
  return f;
}

std::span<const int> FamilyLinks::Runs::of(int index) const {
  if (!Tables::inTable(index)) return {};
  return std::span<const int>(namers).subspan(start[index], start[index + 1] - start[index]);
}

FamilyLinks::FamilyLinks(const Tables& t) {
  // A child naming one parent twice is that parent's child once.
  auto parentsOf = [&](int i) {
    const int p1 = t.Parent1[i], p2 = t.Parent2[i];
    return std::array<int, 2>{p1, p2 == p1 ? kNone : p2};
  };
  children_ = Runs::build(lastScanned(t), parentsOf);
  spouseLinks_ = Runs::build(lastScanned(t), [&](int i) { return std::array<int, 1>{t.Spouse[i]}; });
}

void GatherChildren(const Tables& t, const FamilyLinks& links, FamilyFacts& f) {
  if (!Tables::inTable(f.focus)) return;
  for (int i : links.childrenOf(f.focus)) {
    if (f.children.size() < static_cast<std::size_t>(kMaxChildren)) f.children.push_back(MemberAt(t, i));
    auto [a, b] = ParentsOf(t, i);
    offerCoParent(f, a);
    offerCoParent(f, b);
  }
}

void GatherSpouseLinks(const Tables& t, const FamilyLinks& links, FamilyFacts& f) {
  if (!Tables::inTable(f.focus)) return;
  const int own = t.Spouse[f.focus];
  for (int i : links.spouseLinksTo(f.focus))
    if (i != own && !slotHoldsNumber(f, i)) placeSpouse(t, f, i);
  if (own != kNone && Tables::inTable(own) && !slotHoldsNumber(f, own)) placeSpouse(t, f, own);
}

}  // namespace kord

#pragma once
/// The age statistic: individuals by sex and by how many decades ago they
/// were born, shown in the window AgeChartWindow ("Distribuzione per Età").

#include <optional>
#include <string>

#include "session/session.h"

namespace kord {

/// Number of age classes: 0..39.
inline constexpr int kDecadeClasses = 40;

/// Fills s.decades from every individual 2..LastIndex and shows AgeChartWindow
/// (shown first when WalkAll is on, refreshed at the end).
/// - Only individuals with a usable birth date count at all: without one
///   they are missing even from NMaschi and NFemmine.
/// - The birth year is the written one; a full date whose year lies after
///   the current year is moved back 100 years ("0/0/" and "0/13/" are not).
/// - Sex "M" or "F" counts in its total, and in the class of the age
///   (DecadeClass) or, without a class, in the date-missing count.
/// - Graph1: 40 × 2, row c+1 = class c, columns "Maschi"/"Femmine".
/// - Grid1: 3 × 41, column 0 "Anni"/"Masc."/"Femm.", column c+1 headed by
///   YearHeader(c), the last by ">41".
/// - NMaschi, NFemmine, Totali and Quotatotale (the date-missing count) as
///   decimal text.
/// Moves NInd(0) over every individual and leaves it on the last: the
/// caller restores the focus.
void DecadeStatistics(Session& s);

/// The class of an age in years: floor(age / 10) for 0..390 (390 is class
/// 39), 39 from 391 up to currentYear - 101, none below 0 or above that.
std::optional<int> DecadeClass(int age, int currentYear);

/// The heading of class c in Grid1: the year currentYear - 10·c without its
/// first character ("026" in 2026 for c = 0).
std::string YearHeader(int decadeClass, int currentYear);

}  // namespace kord

#pragma once
/// The population statistic: individuals by sex and by how many centuries
/// ago they were born, shown in the window Grafici ("Statistiche").

#include <optional>
#include <string>

#include "session/session.h"

namespace kord {

/// Fills s.centuries from every individual 2..LastIndex and shows Grafici
/// (shown first when Grafici and WalkAll are on, refreshed at the end).
/// - Sex "M" or "F" (trimmed, any case) counts in the sex totals whatever
///   the birth date; any other sex counts nowhere.
/// - A usable birth year counts in its bucket (CenturyBucket); a missing,
///   unreadable, future or too old date counts in no bucket.
/// - Graph1: 2 × 10, rows "Maschi"/"Femmine", column i+1 = bucket i,
///   column 10 empty; columns 1..7 labelled as buckets 0..6.
/// - Grid1: 10 × 3, (0,0) "Secoli", row i+1 = label, males, females of bucket i.
/// - Graph2: 2 × 1, the sex totals.
/// - NMaschi, NFemmine, Totali as decimal text; Quotatotale as ShareText.
/// Moves NInd(0) over every individual and leaves it on the last: the
/// caller restores the focus.
void CenturyStatistics(Session& s);

/// The bucket of birth year `year` when the current year is `currentYear`:
/// b = floor((currentYear - year) / 100); 0..8 stay, 9 up to
/// floor((currentYear - 101) / 100) go to 8; a future year or an older one
/// has none.
std::optional<int> CenturyBucket(int year, int currentYear);

/// The label of bucket 0..8: the century C - 100·i for i up to 5 (C is the
/// current year rounded down to hundreds), "N.D." for 6, empty for 7 and 8.
std::string CenturyLabel(int bucket, int currentYear);

/// males ÷ (males + females) as the Italian locale writes a number: decimal
/// comma, up to 15 significant digits, no trailing zeros ("0,75",
/// "0,333333333333333", "1", "0"). "-" when both are 0.
std::string ShareText(int males, int females);

}  // namespace kord

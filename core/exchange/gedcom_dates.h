#pragma once
/// Dates between GEDCOM and the date fields of a record.
///
/// The date fields keep a calendar date as "dd/mm/yyyy", a year alone as
/// "0/0/yyyy" and an approximate year, its unknown digits written as zeros,
/// as "0/13/yyyy"; any other text is kept as typed.

#include <string>
#include <string_view>

namespace kord {

struct ImportedDate {
  std::string text;         ///< UTF-8: a canonical form, or wording kept as written
  bool lostDetail = false;  ///< `text` drops part of the GEDCOM date: keep it in the notes
};

/// The date field for a GEDCOM date value:
/// - "12 MAR 1850" gives "12/03/1850"; "1850" gives "0/0/1850";
/// - "MAR 1850", and the qualified forms ABT, CAL, EST, BEF, AFT, TO,
///   FROM .. TO and BET .. AND, give "0/0/" + their first year, with
///   lostDetail (the qualifier, the month or the second date is lost);
///   but "ABT 1857", a year not ending in 0, gives "0/13/1857" exactly;
/// - "BET 1850 AND 1859" or "BET 1900 AND 1999", a range of whole decades,
///   centuries or millennia, gives "0/13/" + the lower year; lostDetail only
///   when that form reads wider than the range (BET 1900 AND 1909 gives
///   0/13/1900, which reads as 19??);
/// - "(phrase)" gives the phrase as written;
/// - "INT 3 SEP 1806 (3/9/1806)" gives the phrase when it is a date text
///   naming the same date, else the date's own form with lostDetail;
/// - the Julian calendar and dual years ("1750/51") read the numbers as
///   they are, with lostDetail; other calendars, B.C. and anything that is
///   not a GEDCOM date are kept as written.
/// Keywords and months may be in any case; ABOUT, CIRCA, BEFORE, AFTER and
/// BETWEEN are read as their GEDCOM abbreviations.
ImportedDate DateFromGedcom(std::string_view value);

struct ExportedDate {
  std::string value;  ///< the GEDCOM date (Windows-1252); "" for an empty field
  /// The stored text when `value` reads back (DateFromGedcom) as another
  /// text, else "": it travels in a custom line beside the date.
  std::string exactText;
};

/// The GEDCOM form of a date field (Windows-1252 in, Windows-1252 out).
/// Every text the date test accepts becomes a plain date: "12/03/1850" and
/// "12/3/50" give "12 MAR 1850" (two-digit years as the date test reads
/// them), "0/0/1850" gives "1850", "0/13/1900" "BET 1900 AND 1999",
/// "0/13/1850" "BET 1850 AND 1859" and "0/13/1857" "ABT 1857". So do a year
/// alone ("1850" gives "1850") and the unknown-digit forms the birth-date
/// normaliser knows ("18??", "185?", "19__" give the BET range of the
/// unknown digits, "1857?" gives "ABT 1857"). Any other text becomes the
/// phrase "(text)". No INT forms.
ExportedDate GedcomDateOf(std::string_view stored);

}  // namespace kord

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

/// The GEDCOM form of a date field (Windows-1252 in, Windows-1252 out):
/// "12/03/1850" gives "12 MAR 1850", "0/0/1850" gives "1850", "0/13/1900"
/// gives "BET 1900 AND 1999" and "0/13/1850" "BET 1850 AND 1859". A date
/// text in any other wording the date test accepts ("3/9/1806",
/// "12 MARZO 1850") is written as an interpreted date with the text as its
/// phrase ("INT 3 SEP 1806 (3/9/1806)"), so that DateFromGedcom gives the
/// same text back; any other text becomes a date phrase "(text)". An empty
/// field gives "".
std::string GedcomDateOf(std::string_view stored);

}  // namespace kord

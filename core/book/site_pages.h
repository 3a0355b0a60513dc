#pragma once
/// Which page of the family site belongs to whom: one page per individual
/// with a name, so that every link reaches that very individual.

#include <string>
#include <vector>

#include "db/tables.h"

namespace kord {

/// The page names of one site, decided for the whole database at once (a
/// single-person run names its pages as the whole book would).
///
/// In the book's alphabetical order, each individual takes the page its
/// name asks for (PersonPageName) when no earlier one took it (compared by
/// SameFileKey); otherwise " (" + its number + ")" is added, as often as it
/// takes to make the name free. So the first of two "Rossi Anna" keeps
/// "Rossi Anna.html" and the second, number 9, gets "Rossi Anna (9).html".
/// "index.html" and the stand-in "null.html" are never a person's page.
/// A nameless individual has no page.
class SitePages {
 public:
  explicit SitePages(const Tables& t);

  /// The UTF-8 file name of the page of `index`, or "" when it has none.
  const std::string& page(int index) const;
  /// The link to that page, percent-encoded; "null.html" (the page of
  /// nobody) when it has none.
  std::string link(int index) const;
  /// The link to the picture of `index`: its name + ".jpg", cleaned and
  /// percent-encoded as the pages are.
  std::string pictureLink(int index) const;

 private:
  const Tables& tables_;
  std::vector<std::string> pages_;
};

}  // namespace kord

#pragma once
/// The names of the HTML pages and pictures in the database folder: the
/// person pages of the family site (and their pictures) and the tree pages.
///
/// Pages and pictures are named in UTF-8, as every file name of this
/// platform (the user's pictures "Dal Bò Débora.jpg" too), and a link names
/// those UTF-8 bytes as %XX, which is what a browser looks up. A name never
/// leads outside the database folder: after the clean-up, every remaining
/// "/" and "\" and every control character becomes "_", so a file name has
/// no separator, and since it always ends in its extension it is never "."
/// or "..". A name "index" gets the page "index_.html" so that it cannot
/// overwrite the index.

#include <string>
#include <string_view>

#include "db/tables.h"

namespace kord {

/// The clean-up of page and picture names: four times over, the first "/"
/// becomes "_" and then the first "?" becomes "_". "A/B??" gives "A_B__"; a
/// fifth "?" (or "/") stays. Only file names are cleaned, never shown texts.
std::string CleanFileName(std::string_view text);

/// The UTF-8 file name of the page or picture of a cleaned name:
/// `cleaned` + `extension` made safe as said above.
std::string SiteFileName(std::string_view cleaned, std::string_view extension);

/// The link target of that file: its UTF-8 name with every byte outside
/// A-Z a-z 0-9 - _ . ~ written as %XX.
std::string SiteLink(std::string_view cleaned, std::string_view extension);

/// Every byte outside A-Z a-z 0-9 - _ . ~ as %XX (upper-case hex), so that
/// "?", "#", "%", blanks and quotes stay part of the name in any link.
std::string PercentEncode(std::string_view bytes);

/// The page a person's name asks for (two people may ask for the same one):
/// SiteFileName(CleanFileName(name), ".html").
std::string PersonPageName(std::string_view name);

/// A person's picture: SiteFileName(CleanFileName(name), ".jpg").
std::string PictureName(std::string_view name);

/// What decides whether two file names are one file: file systems that
/// ignore letter case (where a site is often published) take "Rossi.html"
/// and "ROSSI.html" for one, so the key is the Windows-1252 upper case.
std::string SameFileKey(std::string_view fileName);

/// `fileName` with " (" + number + ")" before its extension:
/// "Rossi Anna.html" and 9 give "Rossi Anna (9).html".
std::string NumberedFileName(std::string_view fileName, int number);

/// True when some individual with a name asks for the page `fileName`
/// (compared by SameFileKey).
bool IsPersonPageName(const Tables& t, std::string_view fileName);

}  // namespace kord

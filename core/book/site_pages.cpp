#include "book/site_pages.h"

#include <unordered_set>

#include "book/alphabetical_walk.h"
#include "db/page_names.h"

namespace kord {

SitePages::SitePages(const Tables& t) : tables_(t), pages_(kTableSize) {
  std::unordered_set<std::string> taken = {SameFileKey("index.html"), SameFileKey("null.html")};
  for (int i : AlphabeticalOrder(t)) {
    std::string name = PersonPageName(t.Names[i]);
    while (!taken.insert(SameFileKey(name)).second) name = NumberedFileName(name, i);
    pages_[i] = std::move(name);
  }
}

const std::string& SitePages::page(int index) const {
  static const std::string none;
  return Tables::inTable(index) ? pages_[index] : none;
}

std::string SitePages::link(int index) const {
  const std::string& name = page(index);
  return name.empty() ? std::string("null.html") : PercentEncode(name);
}

std::string SitePages::pictureLink(int index) const {
  return PercentEncode(PictureName(Tables::inTable(index) ? tables_.Names[index] : std::string()));
}

}  // namespace kord

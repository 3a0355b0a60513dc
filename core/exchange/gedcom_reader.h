#pragma once
/// Reading a GEDCOM file into a tree of lines. The reader accepts what
/// programs really write: CR, LF, CR LF or LF CR line ends, a byte-order
/// mark, UTF-8, UTF-16 (LE or BE, with a byte-order mark or recognisable by
/// its zero bytes), ANSI (Windows-1252), ASCII and ANSEL, leading blanks,
/// lines of any length and a trailing Ctrl-Z. A malformed line is reported
/// with its line number and skipped; reading goes on.

#include <string>
#include <string_view>
#include <vector>

#include "exchange/exchange_summary.h"

namespace kord {

/// One GEDCOM line with the lines below it.
struct GedcomNode {
  int line = 0;  ///< line number in the file, from 1
  int level = 0;
  std::string xref;  ///< "@I1@" (at signs kept) or empty
  std::string tag;   ///< as written
  /// UTF-8. CONC pieces are joined to it, CONT pieces after a "\n"; "@@"
  /// is read as "@" (pointers such as "@F1@" stay as they are).
  std::string value;
  bool pointer = false;  ///< the value was written as a pointer to a record ("@F1@")
  std::vector<GedcomNode> children;

  /// The first line below with `tag`, or null.
  const GedcomNode* child(std::string_view tag) const;
  bool isPointer() const { return pointer; }
};

/// Decodes and parses `bytes`. Records (level 0 lines with what is below
/// them) come in file order; none when the first line is not "0 HEAD". Sets summary.charset to how the text was read
/// and adds a "line N: ..." problem for each line that could not be used.
/// `progress` hears (Reading, line, lines).
std::vector<GedcomNode> ReadGedcom(std::string_view bytes, ExchangeSummary& summary,
                                   const ExchangeProgress& progress = {});

}  // namespace kord

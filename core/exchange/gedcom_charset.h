#pragma once
/// The character-set half of reading a GEDCOM file: from bytes to UTF-8
/// lines.

#include <string>
#include <string_view>
#include <vector>

#include "exchange/exchange_summary.h"

namespace kord {

struct DecodedLine {
  int number = 0;    ///< line number in the file, from 1
  std::string text;  ///< UTF-8, without its line end
};

/// Splits `bytes` into lines and decodes them. The character set comes from
/// a byte-order mark (UTF-8, UTF-16 LE/BE), then from zero bytes that betray
/// UTF-16 without a mark, then from the header's CHAR line (UTF-8, UNICODE,
/// ANSEL, ANSI and its Windows/Latin-1 names, ASCII). Without a usable CHAR
/// line, valid UTF-8 is read as UTF-8 and anything else as Windows-1252, and
/// a problem says so. A line that is not valid UTF-8 in a UTF-8 file is read
/// as Windows-1252 and reported. Empty lines and a final Ctrl-Z are dropped.
/// Sets summary.charset.
std::vector<DecodedLine> DecodeGedcomLines(std::string_view bytes, ExchangeSummary& summary);

/// Splits text into lines at CR LF, LF CR (when the file's first line end
/// is LF CR), LF or CR; numbers them from 1 and drops empty ones.
std::vector<DecodedLine> SplitGedcomLines(std::string_view text);

}  // namespace kord

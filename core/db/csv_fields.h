#pragma once
/// The comma-separated text form of the link, type and captions files:
/// values end at a comma or the line end, may be quoted, and surrounding
/// blanks are ignored. Output puts texts in double quotes and ends with CR LF.

#include <string>
#include <string_view>
#include <vector>

namespace kord {

inline constexpr std::string_view kNewLine = "\r\n";

/// Splits `text` into lines at CR LF, LF or a lone CR. A final line break
/// does not start another line.
std::vector<std::string> SplitLines(std::string_view text);

/// The values of one line. An empty line gives one empty value.
std::vector<std::string> SplitCsvValues(std::string_view line);

/// `text` in double quotes followed by CR LF.
std::string QuotedLine(std::string_view text);

/// Reads a whole regular file into `out`; false when it cannot be read or is
/// not a regular file (a FIFO or a device is never waited for).
bool ReadWholeFile(const std::string& path, std::string& out);

}  // namespace kord

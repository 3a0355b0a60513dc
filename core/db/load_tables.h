#pragma once
/// Filling the in-memory tables from the database files, one phase per file.
/// Each phase reports what it could not use in `notes` (texts a person can
/// act on); nothing on disk is ever changed by loading.

#include <functional>
#include <string>
#include <vector>

#include "db/file_set.h"
#include "db/tables.h"

namespace kord {

/// Called after each record or link line: the running count of the phase.
using PhaseProgress = std::function<void(long count)>;

struct LoadNotes {
  bool english = false;  ///< the language of the notes
  std::vector<std::string> lines;
  void add(std::string line) { lines.push_back(std::move(line)); }
  const char* say(const char* italian, const char* englishText) const { return english ? englishText : italian; }
};

/// Reads the type file: "1" gives "Scout", anything else (or no file) "Kord".
std::string ReadRecordMode(const std::string& typeFile);

/// Individuals phase. Reads records 1, 2, ... while the index stays below
/// the LastIndex the tables had before (1000 at the first load, so at most
/// 998 individuals); names each slot, clears all links and sets LastIndex.
/// A record whose Num is not its own number is named "AAA_" + its index.
void LoadIndividuals(Tables& t, const std::string& individualsFile, const PhaseProgress& progress, LoadNotes& notes);

/// Children phase: "child,parent" record numbers per line. The first line
/// of a child sets Parent1, every later one replaces Parent2. Every line is
/// read; lines without two values, or with a value outside 0..999, are
/// skipped and noted. ChildLinkCount becomes the number of links loaded.
void LoadChildLinks(Tables& t, const std::string& childrenFile, const PhaseProgress& progress, LoadNotes& notes);

/// Spouses phase: "individual,spouse" per line; the first line of an
/// individual wins. Same skipping rules; SpouseLinkCount as above.
void LoadSpouseLinks(Tables& t, const std::string& spousesFile, const PhaseProgress& progress, LoadNotes& notes);

/// Reads the captions file into FieldCaptions. A missing file leaves the
/// captions as they are; a short file replaces the captions it holds.
void ReadCaptions(Tables& t, const std::string& captionsFile, LoadNotes& notes);

/// Writes the captions file: "N." and captions 1..13, each a quoted line.
/// Returns an error text (English when `english`), empty on success.
std::string WriteCaptions(const Captions& captions, const std::string& captionsFile, bool english = false);

}  // namespace kord

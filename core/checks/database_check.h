#pragma once
/// The database check ("Controlla archivio", `kord check`): reads the
/// individuals file and the two link files as stored and lists every link
/// that cannot mean what it says. The repair fixes what has one obvious fix
/// (it drops a line that names nobody, names its own individual or repeats
/// another, and adds the missing half of a spouse pair) and leaves the rest
/// to the person, who alone knows which of two links is the wrong one.
///
/// Every text is one line for a person, Windows-1252, in Italian or English.

#include <string>
#include <vector>

#include "db/file_set.h"
#include "db/tables.h"
#include "session/session.h"

namespace kord {

enum class LinkProblemKind {
  UnreadableLine,  ///< not two record numbers (the loader skips it): listed
  MissingRecord,   ///< a number that names no record: the line goes
  EmptyRecord,     ///< a number that names a blank record: listed, it may be filled in
  SelfParent,      ///< a child given as its own parent: the line goes
  SelfSpouse,      ///< an individual given as its own spouse: the line goes
  DuplicateLine,   ///< the same link again: the repeat goes
  ExtraParents,    ///< more than two parent lines for a child: listed
  SpouseConflict,  ///< more than one spouse line for an individual: listed
  AncestorLoop,    ///< individuals each of whom is their own ancestor: listed
  OneWaySpouse,    ///< a spouse with no spouse line of their own: it is added
  SpouseIsParent,  ///< spouses one of whom is a parent of the other: listed
};

struct LinkProblem {
  LinkProblemKind kind;
  bool repairable = false;
  std::string text;
};

struct DatabaseCheck {
  std::vector<LinkProblem> problems;
  /// A file that could not be read; nothing was checked then.
  std::string error;
};

/// Checks the database of `files`. A missing link file counts as empty; an
/// individuals file that cannot be read is an error.
DatabaseCheck CheckDatabase(const FileSet& files, bool english);

struct DatabaseRepair {
  std::vector<std::string> repaired;  ///< the problems fixed, as the check listed them
  DatabaseCheck after;                ///< a fresh check of the repaired files
  /// A file that could not be written (each link file is replaced whole, so
  /// it holds either its old or its new text).
  std::string error;
};

/// Checks, fixes the repairable problems in the link files and checks again.
DatabaseRepair RepairDatabase(const FileSet& files, bool english);

/// "Controlla archivio": RepairDatabase on the open database, then its links
/// are loaded again, so that every window shows the mended tables.
DatabaseRepair RepairOpenDatabase(Session& s);

/// The loaded links that the editor refuses: an individual its own parent,
/// ancestor or spouse, a parent or spouse link to a slot that holds no
/// individual. One line each; empty when there is none.
std::vector<std::string> RefusedLinks(const Tables& t, bool english);

}  // namespace kord

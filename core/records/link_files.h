#pragma once
/// Writing parent and spouse links into the children and spouses files in
/// exactly the form the loader reads ("record,record" + CR LF), keeping every
/// other line byte for byte. Files are replaced whole (a new file is written,
/// then renamed over the old one), so a failure never leaves half a file, and
/// only under the database's write lock. A link file that exists but cannot
/// be read is never replaced: the change is refused and says so.

#include <string>
#include <vector>

#include "session/session.h"

namespace kord {

/// The lines of a link file, each with its own line end (CR LF, LF or a lone
/// CR; the last line may have none), so that a rewrite keeps them byte for byte.
std::vector<std::string> SplitRawLines(const std::string& text);
/// A line of SplitRawLines without its line end.
std::string WithoutLineEnd(const std::string& line);

/// Replaces the link file `path` with `text` whole: a new file is written
/// beside it, then renamed over it. Returns an error text (Windows-1252),
/// empty on success.
std::string ReplaceLinkFile(const std::string& path, const std::string& text, bool english);

/// Why `parent` cannot be a parent of `child`: itself, one of its own
/// descendants, or not an individual. Empty when it can.
/// In English when `english`, else in Italian.
std::string ParentLinkProblem(const Tables& t, int child, int parent, bool english);

/// True when `parent` is already one of the loaded parents of `child`. Such
/// a link is kept as it is on an edit, even one the editor would refuse
/// today: only the links an edit changes are judged.
bool IsStoredParent(const Tables& t, int child, int parent);

/// "<index> non e' un individuo di questo database" or its English twin.
std::string NotAnIndividual(int index, bool english);

/// "<name> non puo' essere coniuge di se stesso" or its English twin.
std::string SelfSpouse(const Session& s, int individual);

/// Makes `parent1` and `parent2` (table indexes, -1 for none) the parents of
/// `child`: its lines in the children file are replaced. A lone second parent
/// becomes the first, as the loader would read it. A parent that is new to
/// the child must pass ParentLinkProblem. On failure nothing is changed.
Result SetParents(Session& s, int child, int parent1, int parent2);

/// Makes `spouse` (-1: none) the spouse of `individual`; with `bothWays` the
/// spouse's own line names `individual` too (and, when removing, a line of
/// the old spouse naming `individual` goes).
Result SetSpouse(Session& s, int individual, int spouse, bool bothWays);

}  // namespace kord

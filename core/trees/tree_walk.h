#pragma once
/// The stepwise walk over the parent links behind every tree: one step finds
/// the next child (NextChild) or parent (NextParent) of the individual in
/// NInd(0) at level WalkDepth, and moves NInd(0) to it. The producers drive
/// it with StartWalk, DescendWalk and ClimbWalk; the visiting order is
/// pre-order: an individual, then all its relatives before its next sibling.
///
/// An index outside the tables (0..1000), in NInd(0) or in a link, counts as
/// an unknown link. A relative that is already on the path from the starting
/// individual would mean a loop in the links (somebody their own ancestor);
/// such a link also counts as unknown, so a walk always ends.

#include <vector>

#include "session/session.h"

namespace kord {

/// Descendant step: the next child of NInd(0) after WalkCursor[WalkDepth],
/// in ascending index order (a child whose two links both name the parent is
/// found once). Nothing is found at a level not below MaxGenerations (a
/// negative limit counts as 0) nor at level 30. On success sets NInd(0),
/// previousIndividual, the level's cursor and node, Connector, Continuation (by whether a
/// later child exists) and CoParentLabel; otherwise only StepResult (-1).
void NextChild(Session& s);

/// Ancestor step: the first parent while the level's cursor is 1, the
/// second while it is 2. A missing first link means no parents at all.
/// The tee connector goes to a first parent whose second link is known and
/// differs from it. Ignores MaxGenerations; nothing is found at level 30.
void NextParent(Session& s);

/// For the child in NInd(0) found from previousIndividual: "(" + the name of its other
/// parent + ") ", left unchanged when that parent is unknown (0 or less).
void MakeCoParentLabel(Session& s);

/// DetailLabels := the field captions; the place entries 1, 3, 5, 7, 9 are
/// "Place" (English) or "a " with `placeWords`, else empty.
void SetDetailLabels(Session& s, bool placeWords);

/// The cursor a level starts with: 1 for ancestors, -1 for descendants.
int FirstCursor(bool ancestors);

/// Starts a walk from NInd(0) in the direction of AncestorMode: level 0 with
/// its first cursor, DrawPrefix two blanks. The starting individual counts
/// as found (StepResult holds it) until the first step.
void StartWalk(Session& s);

/// One step in the direction of AncestorMode.
void StepWalk(Session& s);

/// Goes into the individual just found: DrawPrefix gains the Continuation;
/// with `deepen` (and below level 30) WalkDepth grows by one; the level then
/// current starts again from its first cursor.
void DescendWalk(Session& s, bool deepen = true);

/// Climbs back one level: NInd(0) becomes that level's node again and
/// DrawPrefix loses its last two characters. At level 0 does nothing.
void ClimbWalk(Session& s);

/// Above this many lines a tree is printed with each repeated individual's
/// branch once: heavy pedigree collapse (cousins marrying over generations)
/// would otherwise give millions of lines from a few dozen people.
inline constexpr int kFullTreeLineLimit = 20000;

/// How many lines the walk from NInd(0) in the direction of AncestorMode
/// gives: one for each individual it finds, the root included, every time
/// it meets them, and `detailLines[x]` more for individual x when given
/// (indexed like the tables). The count stops as soon as it passes `limit`,
/// so it costs little whatever the tree. With `generationLimit` the walk
/// deepens only below MaxGenerations, as the kinship search walks;
/// otherwise always, as the trees walk. NInd(0), previousIndividual, the walk and
/// DrawPrefix are left as they were.
int CountWalk(Session& s, int limit, bool generationLimit, const std::vector<int>& detailLines = {});

}  // namespace kord

#pragma once
/// The working state every tree producer shares: the explicit-stack walk
/// (TreeWalk), the detail captions, the drawing strings and the kinship set.
/// One instance lives in the session; only one tree is produced at a time,
/// and between trees its contents mean nothing.

#include <array>
#include <string>
#include <vector>

namespace kord {

/// The deepest level of a walk: levels 0..30 have a cursor and a node, and a
/// step at level 30 finds nothing, so no walk goes further down.
inline constexpr int kMaxWalkLevel = 30;

/// Line-drawing bytes of code page 437, kept as bytes in every tree line.
inline constexpr char kBar = '\xB3';     ///< vertical bar
inline constexpr char kTee = '\xC3';     ///< vertical and right
inline constexpr char kCorner = '\xC0';  ///< up and right
inline constexpr char kDash = '\xC4';    ///< horizontal bar

/// The two connector pairs: a line with a later sibling, and the last one.
inline const std::string kConnectorMore{kTee, kDash};
inline const std::string kConnectorLast{kCorner, kDash};
inline const std::string kContinuationMore{kBar, ' '};
inline const std::string kContinuationLast = "  ";

/// The position of a walk. A step sets StepResult, and on success moves
/// NInd(0) to the relative found and fills the drawing strings.
struct TreeWalk {
  int WalkDepth = 0;  ///< current level, 0 for the steps of the starting individual
  /// Descendants: the last child returned at each level (-1 before the first).
  /// Ancestors: 1 first parent not tried yet, 2 second parent next, 3 both done.
  std::array<int, kMaxWalkLevel + 1> WalkCursor{};
  /// The individual whose relatives each level enumerates.
  std::array<int, kMaxWalkLevel + 1> WalkNode{};
  int StepResult = -1;        ///< the individual found by the last step, -1 when none
  std::string Connector;      ///< drawn before the line of the individual found
  std::string Continuation;   ///< appended to the drawing prefix below it
  std::string CoParentLabel;  ///< "(" + the child's other parent + ") " or empty
};

struct TreeState {
  TreeWalk walk;
  /// Captions of the detail lines: the field captions, with the place words
  /// at 1, 3, 5, 7 and 9 (empty in trees).
  std::array<std::string, 14> DetailLabels;
  bool AncestorMode = false;  ///< ancestors when set, descendants when clear
  std::string DrawPrefix;     ///< the drawing in front of the current level
  std::string DetailBar;      ///< bar of the detail lines: B3 and two blanks, at the end three blanks
  int LineIndent = 0;         ///< prefix length of the line being emitted
  int PrevLineIndent = 0;     ///< LineIndent at the previous HTML call
  /// The tree files without their extension: the database folder, the
  /// focus name made safe, " Root." or " Branch." (a file-system path).
  std::string TreeFileBase;
  /// The HTML page of the tree being drawn; it is written as a whole file
  /// when the tree ends.
  std::string HtmlPage;
  /// The individuals of the first tree of a kinship search, each once, in
  /// the order they were first met.
  std::vector<int> KinSet;
};

}  // namespace kord

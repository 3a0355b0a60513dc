#pragma once
/// The lines of a tree before they go anywhere: a drawing prefix and pieces
/// of text, the cuts each output applies, the detail lines of a record, and
/// the names of the tree files.

#include <string>
#include <vector>

#include "session/session.h"

namespace kord {

/// Files and the printer take at most this many characters of each piece.
inline constexpr std::size_t kPieceWidth = 80;
/// Notes are shown in lines of this many characters.
inline constexpr std::size_t kNoteLineWidth = 63;

/// One line: the drawing prefix (code page 437 drawing bytes and blanks,
/// empty for a title) and the text pieces after it. The last piece is what
/// an outline item shows.
struct TreeLine {
  std::string prefix;
  std::vector<std::string> pieces;
};

/// What a repeated individual's line says in a tree printed with each
/// branch once: "  (gia' mostrato alla riga 12)" / "  (already shown at line 12)",
/// the line of the tree (its root is line 1) where the branch stands.
std::string RepeatNote(const Session& s, int line);

/// The first 80 characters of `piece`.
std::string CutPiece(const std::string& piece);

/// The text of a line for a file or the printer: every piece cut to 80.
std::string CutText(const TreeLine& line);
/// The text of a line for a window: every piece but the last cut to 80.
std::string WindowText(const TreeLine& line);
/// The last piece; empty for a line without pieces.
std::string LastPiece(const TreeLine& line);

/// The detail lines of individual `v` under the current DrawPrefix and
/// DetailBar: one line per event whose date or place is set (its date
/// caption, the date, the place caption, the place) and the notes in lines
/// of 63 characters. Reads record v - 1 into the record buffer. None in the
/// "Scout" mode or when the individuals file is missing or empty.
std::vector<TreeLine> DetailBlock(Session& s, int v);

/// By index, how many lines DetailBlock gives each individual: what a tree
/// with the personal data adds to its size.
std::vector<int> DetailLineCounts(Session& s);

/// `name` made safe as part of a file name in the database folder: "?",
/// "/", "\" and control characters become "_".
std::string SafeFileName(const std::string& name);

/// "<name> Root" or "<name> Branch" for `individual` (Windows-1252, safe as
/// a file name): the tree files and the printed document are named after it.
std::string TreeFileName(const Session& s, int individual, bool ancestors);

/// The name the tree files of `individual` take (UTF-8, no extension): the
/// tree file name, or, when its ".html" is the page a person of the
/// database asks for on the family site ("Elihu Root.html" for the roots of
/// "Elihu" and the person "Elihu Root"), that name with " (" + the
/// individual's number + ")" added, so the tree never overwrites the page.
std::string TreePageStem(const Session& s, int individual, bool ancestors);

/// DbFolder + TreePageStem + "." as a file-system path.
std::string TreeFileBaseFor(const Session& s, int individual, bool ancestors);

}  // namespace kord

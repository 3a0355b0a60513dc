#pragma once
/// The HTML page of a tree: copies of the templates "TrHtm01.hts" ..
/// "TrHtm05.hts" and "TrHtm02a.hts" from the template folder, with the
/// tree's own lines and level colours written between them. The templates
/// carry all the markup and are copied byte for byte.

#include <string>

#include "session/session.h"

namespace kord {

/// The colour of walk level `depth` (20 colours, repeating).
const std::string& LevelColour(int depth);

/// "&", "<", ">" and '"' as entities, so a text shows as written.
std::string HtmlEscape(const std::string& text);

/// The steps of a tree page, each copying its template.
enum class TreePageStep {
  Start = 1,     ///< TrHtm01.hts: the tree starts
  Line = 2,      ///< a line: TrHtm02.hts + the level colour + TrHtm02a.hts when
                 ///< LineIndent is above PrevLineIndent, TrHtm03.hts when equal,
                 ///< TrHtm04.hts once per level closed when below
  ClimbOut = 3,  ///< TrHtm04.hts: the walk climbs out of a finished branch
  End = 4,       ///< TrHtm05.hts: the tree ends
};

/// Appends one step of the page TreeFileBase + "html" (kept in HtmlPage
/// until the tree's producer writes the page), then, while StepResult is 0
/// or more, `text` escaped and CR LF. Every step sets PrevLineIndent :=
/// LineIndent. A template that cannot be read ends the call silently.
void EmitTreeHtml(Session& s, TreePageStep step, const std::string& text);

}  // namespace kord

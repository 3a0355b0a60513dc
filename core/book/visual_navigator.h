#pragma once
/// The picture navigator "Thumb": the sixteen family boxes of the navigator
/// and, beside each box of boxes 0..13, a picture.

#include <string>

#include "session/session.h"

namespace kord {

/// Fills Thumb for the focus, as the single mode of BuildFamilyBook fills
/// Navigate (same entry check and messages, same relatives, same numbers
/// behind the boxes), except that: boxes 1..13, 14 and 15 are emptied at the
/// start (when windowState is not 7 and SortKey is 0) but box 0 keeps its
/// text until the focus name is written; names in single-person boxes are
/// trimmed; every change of boxes 0..13 refreshes that box's picture (box 1
/// when it holds spouse 1 alone, before the line break and further spouses
/// are added); the header line ends in thirteen underscores and a blank (in
/// the census state, twelve; a "Scout" database then writes no header and no
/// name line); no HTML is written; in single mode text lines go to box 0.
/// Never shows a message for a missing picture.
void FillVisualNavigator(Session& s);

/// The picture of a box text: empty for an empty text or one of several
/// lines (no picture), else the photograph rule of the focus panel (the
/// trimmed text + ".jpg" in `folder`, else "initial.jpg", else none).
std::string ThumbPictureFor(const std::string& folder, const std::string& boxText);

/// Picture refresh of box k (0..13): its picture file from the box text (an
/// empty name removes a stale picture) and its caption, the box text.
void RefreshThumbPicture(Session& s, int k);

}  // namespace kord

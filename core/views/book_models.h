#pragma once
/// What the windows of the family book show: the navigator "Navigate" with
/// its sixteen boxes, its picture twin "Thumb", the book window "Book", and
/// the numbers of the individuals behind the navigator boxes and lines.

#include <array>
#include <deque>
#include <string>
#include <vector>

namespace kord {

/// The sixteen boxes w1(0)..w1(15): 0 the focus, 1 the spouses (one a line),
/// 2..9 grandparents and parents-in-law, 10 and 11 the parents, 12 and 13
/// spouse 1's parents, 14 the children (one a line), 15 the details.
using NavigatorBoxes = std::array<std::string, 16>;

inline constexpr int kBoxSpouses = 1;
inline constexpr int kBoxChildren = 14;
inline constexpr int kBoxDetails = 15;
inline constexpr int kMaxChildren = 50;  ///< children listed per individual
inline constexpr int kMaxSpouses = 3;    ///< spouse slots per individual

/// The individuals behind the boxes, shared by both navigators. 0 stands
/// for no individual (the tables are cleared when the boxes are).
struct NavigatorNumbers {
  std::array<int, 14> box{};        ///< box(0..13): the single-person boxes
  std::array<int, 51> childLine{};  ///< line k of box 14 (0..50)
  std::array<int, 6> spouseLine{};  ///< line k of box 1 (0..5)
};

struct NavigateModel {
  bool visible = false;
  NavigatorBoxes w1;
};

/// One picture of Thumb: the picture file (a full path, empty for none)
/// and its caption.
struct ThumbPicture {
  std::string file;
  std::string caption;
};

struct ThumbModel {
  bool visible = false;
  NavigatorBoxes w1;
  std::array<ThumbPicture, 14> ImgThumbnail2;  ///< one per box 0..13
};

/// The book window: the tail of the book while it is written. Lines leave
/// from the front as new ones come, hence a deque.
struct BookModel {
  bool visible = false;
  std::deque<std::string> Liber;
};

}  // namespace kord

#include "book/visual_navigator.h"

#include "book/book_run.h"
#include "records/focus_panel.h"

namespace kord {

void FillVisualNavigator(Session& s) { RunFamilyBook(s, NavigatorKind::Thumb); }

std::string ThumbPictureFor(const std::string& folder, const std::string& boxText) {
  const std::string name = Trim(boxText);
  if (name.empty() || name.find_first_of("\r\n") != std::string::npos) return {};
  return PicturePathFor(folder, name);
}

void RefreshThumbPicture(Session& s, int k) {
  ThumbPicture& picture = s.thumb.ImgThumbnail2[k];
  picture.file = ThumbPictureFor(s.DbFolder, s.thumb.w1[k]);
  picture.caption = s.thumb.w1[k];
}

}  // namespace kord

#pragma once
/// The core's printer with Qt. So far it only chooses fonts: "Terminal"
/// stands for a fixed-pitch font that has the box-drawing characters the
/// tree lines are drawn with.

#include <QFont>
#include <QString>

#include "shell/ui.h"

namespace kord::gui {

/// The installed family that stands in for "Terminal": DejaVu Sans Mono when
/// it is there, else the first fixed-pitch family with the glyphs U+2502,
/// U+251C, U+2514 and U+2500. Empty when the system has none.
QString lineDrawingFamily();

class QtPrinter : public kord::Printer {
 public:
  /// "Terminal" succeeds when lineDrawingFamily() finds a font; any other
  /// name when the system has that family. A failed choice keeps the font.
  bool setFontName(const std::string& name) override;
  /// The font chosen last (the application font before any choice).
  const QFont& font() const { return font_; }

 private:
  QFont font_;
};

}  // namespace kord::gui

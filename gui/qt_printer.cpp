#include "qt_printer.h"

#include <QFontDatabase>
#include <QRawFont>

namespace kord::gui {
namespace {

/// Checks the family's own glyphs: a fallback font drawing them does not
/// count, because the printout uses only the chosen font.
bool hasBoxDrawing(const QString& family) {
  QFont font(family);
  font.setStyleStrategy(QFont::NoFontMerging);
  QRawFont raw = QRawFont::fromFont(font);
  if (!raw.isValid()) return false;
  for (char16_t c : {u'\u2502', u'\u251C', u'\u2514', u'\u2500'})
    if (!raw.supportsCharacter(QChar(c))) return false;
  return true;
}

bool isLineDrawingFont(const QString& family) {
  return QFontDatabase::isFixedPitch(family) && hasBoxDrawing(family);
}

}  // namespace

QString lineDrawingFamily() {
  const QStringList families = QFontDatabase::families();
  const QString preferred = QStringLiteral("DejaVu Sans Mono");
  if (families.contains(preferred) && isLineDrawingFont(preferred)) return preferred;
  for (const QString& family : families)
    if (isLineDrawingFont(family)) return family;
  return {};
}

bool QtPrinter::setFontName(const std::string& name) {
  QString family = QString::fromStdString(name);
  if (name == "Terminal") {
    family = lineDrawingFamily();
    if (family.isEmpty()) return false;
  } else if (!QFontDatabase::families().contains(family, Qt::CaseInsensitive)) {
    return false;
  }
  font_.setFamily(family);
  return true;
}

}  // namespace kord::gui

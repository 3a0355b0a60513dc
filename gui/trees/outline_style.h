#pragma once
/// The six display styles of the TreeOutlineWindow outline, in the order "Stile" cycles
/// through them: tree lines with plus/minus boxes, the same with pictures,
/// boxes alone, boxes with pictures, text only, pictures and text.

#include <QProxyStyle>

class QTreeWidget;
class QTreeWidgetItem;

namespace kord::gui {

/// What one display style shows beside the texts.
struct OutlineLook {
  bool lines = false;    ///< dotted lines join each item to its parent
  bool boxes = false;    ///< plus/minus boxes open and close the levels
  bool icons = false;    ///< folders for the individuals with descendants shown, leaves otherwise
  int indentation = 20;  ///< pixels per level
};

/// The look of style `style`; values outside 0..5 count modulo 6.
OutlineLook outlineLook(int style);

/// Draws the branch area of a tree view as the current look asks: lines,
/// boxes, both or nothing. The rest is left to the application's style.
class OutlineStyle : public QProxyStyle {
 public:
  OutlineStyle() = default;
  void setLook(const OutlineLook& look) { look_ = look; }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

 private:
  void drawLines(const QStyleOption* option, QPainter* painter) const;
  void drawBox(const QStyleOption* option, QPainter* painter) const;

  OutlineLook look_;
};

/// Gives every item of `tree` the picture of its state under `look`
/// (none when the look has no pictures).
void applyOutlineIcons(QTreeWidget& tree, const OutlineLook& look);
/// The picture of one item: an open or closed folder when it has children,
/// a leaf otherwise.
void setOutlineIcon(QTreeWidgetItem& item, const OutlineLook& look);

}  // namespace kord::gui

#include "navigator_chart.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTextCursor>
#include <QTextOption>
#include <QVBoxLayout>
#include <algorithm>

#include "qt_text.h"

namespace kord::gui {
namespace {

constexpr QSize kPictureSize(64, 80);  // the photographs are portraits (4:5)
constexpr int kPersonLines = 2;        // a name of 40 characters wraps once
constexpr int kCoupleLines = 4;        // three spouses and the line after them
constexpr int kChildrenLines = 8;
constexpr int kPersonChars = 12;
constexpr int kDetailsChars = 36;    // an events line wraps in few places
constexpr int kFamilyGapColumn = 4;  // keeps the spouse's family apart
constexpr int kDetailsColumn = 9;

struct Place {
  int row, column, columnSpan;
};

/// Where box k sits: grandparents on top, parents below them, the couple,
/// the children; the family of spouse 1 right of the gap column.
Place placeOf(int k) {
  auto column = [](int c) { return c < kFamilyGapColumn ? c : c + 1; };
  if (k >= 2 && k <= 9) return {0, column(k - 2), 1};
  if (k >= 10 && k <= 13) return {1, column(2 * (k - 10)), 2};
  if (k == 0) return {2, 0, 4};
  if (k == kBoxSpouses) return {2, column(4), 4};
  return {3, 0, 9};  // the children, under the couple
}

/// The two boxes of a couple and the box of their child.
struct Fork {
  int first, second, child;
};
constexpr Fork kForks[] = {{2, 3, 10}, {4, 5, 11}, {6, 7, 12}, {8, 9, 13}, {10, 11, 0}, {12, 13, 1}, {0, 1, 14}};

const char* const kCaptionsIt[16] = {"Focus",
                                     "Coniugi",
                                     "Nonno paterno",
                                     "Nonna paterna",
                                     "Nonno materno",
                                     "Nonna materna",
                                     "Padre del suocero",
                                     "Madre del suocero",
                                     "Padre della suocera",
                                     "Madre della suocera",
                                     "Padre",
                                     "Madre",
                                     "Suocero",
                                     "Suocera",
                                     "Figli",
                                     "Dettagli"};
const char* const kCaptionsEn[16] = {"Focus",
                                     "Spouses",
                                     "Paternal grandfather",
                                     "Paternal grandmother",
                                     "Maternal grandfather",
                                     "Maternal grandmother",
                                     "Father-in-law's father",
                                     "Father-in-law's mother",
                                     "Mother-in-law's father",
                                     "Mother-in-law's mother",
                                     "Father",
                                     "Mother",
                                     "Father-in-law",
                                     "Mother-in-law",
                                     "Children",
                                     "Details"};

const char* kChartStyle = R"(
QFrame[navBox="true"] { background: white; border: 1px solid #bfcabe; border-radius: 6px; }
QFrame[navBox="true"][focusBox="true"] { background: #edf5ef; border: 2px solid #2e6b4f; }
QFrame[navBox="true"][empty="true"] { background: transparent; border: 1px dashed #cdd5cc; }
QLabel[boxCaption="true"] { color: #2e6b4f; border: none; background: transparent; }
QLabel[boxCaption="true"][empty="true"] { color: #9aa69d; }
QLabel[picture="true"] { border: none; background: transparent; }
QPlainTextEdit { background: transparent; border: none; }
)";

int linesFor(int k) {
  if (k == kBoxSpouses) return kCoupleLines;
  if (k == kBoxChildren || k == kBoxDetails) return kChildrenLines;
  return kPersonLines;
}

bool isPersonBox(int k) { return k != kBoxSpouses && k != kBoxChildren && k != kBoxDetails; }
/// Only the children and the details grow with the window: the boxes of one
/// person keep the chart compact.
bool isGrowing(int k) { return k == kBoxChildren || k == kBoxDetails; }

/// Sets a style property and lets the style sheet see the change.
void setStyleFlag(QWidget* widget, const char* name, bool on) {
  if (widget->property(name).toBool() == on) return;
  widget->setProperty(name, on);
  widget->style()->unpolish(widget);
  widget->style()->polish(widget);
}

/// Names centred in their boxes, the focus name stronger.
void styleText(int k, QPlainTextEdit* text) {
  text->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  if (isPersonBox(k)) {
    QTextOption centred = text->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    text->document()->setDefaultTextOption(centred);
  }
  if (k != 0) return;
  QFont focus = text->font();
  focus.setBold(true);
  focus.setPointSizeF(focus.pointSizeF() * 1.1);
  text->setFont(focus);
}

void sizeText(int k, QPlainTextEdit* text) {
  const int margins = 2 * static_cast<int>(text->document()->documentMargin()) + 2;
  const int height = text->fontMetrics().lineSpacing() * linesFor(k) + margins;
  if (isGrowing(k))
    text->setMinimumHeight(height);
  else
    text->setFixedHeight(height);
  text->setMinimumWidth(text->fontMetrics().averageCharWidth() * (k == kBoxDetails ? kDetailsChars : kPersonChars));
  text->setSizePolicy(QSizePolicy::Expanding, isGrowing(k) ? QSizePolicy::Expanding : QSizePolicy::Fixed);
}

QPlainTextEdit* makeText(int k, QWidget* parent) {
  auto* text = new QPlainTextEdit(parent);
  text->setObjectName(QStringLiteral("w1_%1").arg(k));
  text->setReadOnly(true);
  // The box is a button to the person: no caret, no selection, no keyboard.
  text->setTextInteractionFlags(Qt::NoTextInteraction);
  text->setFocusPolicy(Qt::NoFocus);
  text->setFrameShape(QFrame::NoFrame);
  text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text->setVerticalScrollBarPolicy(isPersonBox(k) ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
  styleText(k, text);
  sizeText(k, text);
  return text;
}

}  // namespace

int coreCaretPosition(const std::string& coreText, int displayPos) {
  std::size_t i = 0;
  int shown = 0;
  while (i < coreText.size() && shown < displayPos) {
    const bool lineBreak = coreText[i] == '\r' && i + 1 < coreText.size() && coreText[i + 1] == '\n';
    i += lineBreak ? 2 : 1;
    ++shown;
  }
  return static_cast<int>(i) + (displayPos - shown);
}

NavigatorChart::NavigatorChart(bool withPictures, QWidget* parent) : QWidget(parent) {
  setStyleSheet(QString::fromLatin1(kChartStyle));
  for (int k = 0; k < 16; ++k) frame_[k] = buildBox(k, withPictures && k < 14);
  placeBoxes();
}

QFrame* NavigatorChart::buildBox(int k, bool withPicture) {
  auto* frame = new QFrame(this);
  frame->setProperty("navBox", true);
  frame->setProperty("focusBox", k == 0);
  auto* column = new QVBoxLayout(frame);
  column->setContentsMargins(6, 4, 6, 4);
  column->setSpacing(2);
  caption_[k] = new QLabel(frame);
  caption_[k]->setProperty("boxCaption", true);
  QFont small = caption_[k]->font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  caption_[k]->setFont(small);
  column->addWidget(caption_[k], 0, isPersonBox(k) ? Qt::AlignHCenter : Qt::AlignLeft);
  if (withPicture) {
    picture_[k] = new QLabel(frame);
    picture_[k]->setObjectName(QStringLiteral("ImgThumbnail2_%1").arg(k));
    picture_[k]->setProperty("picture", true);
    picture_[k]->setFixedSize(kPictureSize);
    picture_[k]->setAlignment(Qt::AlignCenter);
    picture_[k]->installEventFilter(this);
    column->addWidget(picture_[k], 0, Qt::AlignHCenter);
  }
  text_[k] = makeText(k, frame);
  text_[k]->viewport()->installEventFilter(this);
  const bool growing = isGrowing(k);
  // A name without a picture sits in the middle of a box taller than it
  // (the focus beside the spouses); with pictures, the pictures line up.
  if (!growing && !withPicture) column->addStretch(1);
  column->addWidget(text_[k], growing ? 1 : 0);
  if (!growing) column->addStretch(1);
  return frame;
}

void NavigatorChart::placeBoxes() {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(8, 8, 8, 8);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(22);  // room for the lines between generations
  for (int k = 0; k < 15; ++k) {
    const Place p = placeOf(k);
    grid->addWidget(frame_[k], p.row, p.column, 1, p.columnSpan);
  }
  grid->setColumnMinimumWidth(kFamilyGapColumn, 10);
  grid->addWidget(frame_[kBoxDetails], 0, kDetailsColumn, 4, 1);
  for (int c = 0; c < kDetailsColumn; ++c)
    if (c != kFamilyGapColumn) grid->setColumnStretch(c, 2);
  grid->setColumnStretch(kDetailsColumn, 3);
  grid->setRowStretch(3, 1);
}

void NavigatorChart::render(const kord::NavigatorBoxes& w1, const std::array<kord::ThumbPicture, 14>* pictures,
                            bool english) {
  for (int k = 0; k < 16; ++k) {
    const bool empty = w1[k].empty();
    if (w1[k] != shown_[k]) text_[k]->setPlainText(displayText(w1[k]));
    caption_[k]->setText(QString::fromLatin1(english ? kCaptionsEn[k] : kCaptionsIt[k]));
    setStyleFlag(frame_[k], "empty", empty);
    setStyleFlag(caption_[k], "empty", empty);
    text_[k]->viewport()->setCursor(empty || k == kBoxDetails ? Qt::ArrowCursor : Qt::PointingHandCursor);
    if (k < 14 && picture_[k] && pictures) renderPicture(k, (*pictures)[k]);
  }
  shown_ = w1;
  update();  // the lines follow the boxes
}

void NavigatorChart::renderPicture(int k, const kord::ThumbPicture& picture) {
  picture_[k]->setToolTip(plainToolTip(displayText(picture.caption)));
  if (picture.file == shownPicture_[k]) return;
  shownPicture_[k] = picture.file;
  QImage image;
  // A file that does not load shows no picture, never the previous one.
  if (picture.file.empty() || !image.load(pathText(picture.file))) {
    picture_[k]->clear();
    return;
  }
  picture_[k]->setPixmap(QPixmap::fromImage(image.scaled(kPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void NavigatorChart::clickText(int k, const QPoint& at) {
  const int shownCaret = text_[k]->cursorForPosition(at).position();
  emit boxClicked(k, coreCaretPosition(shown_[k], shownCaret));
}

bool NavigatorChart::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonRelease) return QWidget::eventFilter(watched, event);
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (mouse->button() != Qt::LeftButton) return QWidget::eventFilter(watched, event);
  for (int k = 0; k < 16; ++k) {
    if (watched == text_[k]->viewport()) {
      clickText(k, mouse->position().toPoint());
      return true;
    }
    if (k < 14 && watched == picture_[k]) {
      emit boxClicked(k, 0);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void NavigatorChart::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0x8f, 0xa8, 0x99), 1.5));
  for (const Fork& fork : kForks) drawFork(painter, fork.first, fork.second, fork.child);
}

void NavigatorChart::drawFork(QPainter& painter, int first, int second, int child) const {
  // Lines join known people only: an unknown relative has none.
  if (shown_[child].empty()) return;
  const QRect a = frame_[first]->geometry(), b = frame_[second]->geometry(), below = frame_[child]->geometry();
  const int bar = (std::max(a.bottom(), b.bottom()) + below.top()) / 2;
  const int middle = (a.center().x() + b.center().x()) / 2;
  int left = middle, right = middle;
  for (int k : {first, second}) {
    if (shown_[k].empty()) continue;
    const int x = frame_[k]->geometry().center().x();
    painter.drawLine(x, frame_[k]->geometry().bottom() + 1, x, bar);
    left = std::min(left, x);
    right = std::max(right, x);
  }
  if (left == right) return;
  painter.drawLine(left, bar, right, bar);
  painter.drawLine(middle, bar, middle, below.top() - 1);
}

}  // namespace kord::gui

#include "card_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "qt_text.h"

namespace kord::gui {
namespace {

// The photographs are portraits.
constexpr QSize kPictureSize(160, 200);

/// The record field shown by Label3D2(position): Num, Name, Sex, then the
/// ten event fields in record order.
int fieldAt(int position) {
  if (position == 2) return kord::Sex;
  return position < 2 ? position : position - 1;
}

const char* kFormStyle = R"(
QLabel, QLineEdit, QPlainTextEdit { font-weight: normal; }
QLabel[cardValue="true"] {
  background: white; border: 1px solid #d3dad2; border-radius: 3px; padding: 2px 6px;
}
QLabel[cardCaption="true"] { color: #2e6b4f; padding: 1px 3px; }
QLineEdit[cardCaption="true"] {
  color: #2e6b4f; background: transparent; border: 1px solid transparent; padding: 1px 2px;
}
QLineEdit[cardCaption="true"]:hover { border: 1px dashed #9fb3a6; }
QLineEdit[cardCaption="true"]:focus { border: 1px solid #2e6b4f; background: white; }
QLabel#Picture1 { background: white; border: 1px solid #d3dad2; }
)";

}  // namespace

CardForm::CardForm(const Options& options, QWidget* parent) : QGroupBox(parent), options_(options) {
  setStyleSheet(QString::fromLatin1(kFormStyle));
  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("Picture1"));
  picture_->setFixedSize(kPictureSize);
  picture_->setAlignment(Qt::AlignCenter);
  auto* row = new QHBoxLayout(this);
  row->setSpacing(14);
  row->addWidget(buildFields(), 1);
  row->addWidget(picture_, 0, Qt::AlignTop);
}

QWidget* CardForm::buildFields() {
  auto* fields = new QWidget(this);
  auto* grid = new QGridLayout(fields);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(5);
  grid->addWidget(makeCaption(kord::Num), 0, 0);
  grid->addWidget(makeValue(0, 6), 0, 1);
  grid->addWidget(makeCaption(kord::Sex), 0, 2);
  grid->addWidget(makeValue(2, 3), 0, 3, Qt::AlignLeft);
  grid->addWidget(makeCaption(kord::Name), 1, 0);
  grid->addWidget(makeValue(1, 30), 1, 1, 1, 3);
  for (int event = 0; event < 5; ++event) {
    const int dateField = kord::BirthDate + 2 * event;
    grid->addWidget(makeCaption(dateField), 2 + event, 0);
    grid->addWidget(makeValue(dateField + 1, 12), 2 + event, 1);
    grid->addWidget(makeCaption(dateField + 1), 2 + event, 2);
    grid->addWidget(makeValue(dateField + 2, 20), 2 + event, 3);
  }
  if (options_.notes) {
    notes_ = new QPlainTextEdit(fields);
    notes_->setObjectName(QStringLiteral("Text1"));
    notes_->setReadOnly(true);
    notes_->setFixedHeight(notes_->fontMetrics().lineSpacing() * 4 + 12);
    grid->addWidget(makeCaption(kord::Notes), 7, 0, Qt::AlignTop);
    grid->addWidget(notes_, 7, 1, 1, 3);
  }
  // Extra width goes to the places: a stretched date column would take it
  // from them.
  grid->setColumnStretch(3, 1);
  // Rows keep their height when the photograph is taller than the fields.
  grid->setRowStretch(8, 1);
  return fields;
}

QWidget* CardForm::makeCaption(int field) {
  const QString name = QStringLiteral("Label3D3_%1").arg(field);
  if (options_.editableCaptions && field != kord::Num) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setProperty("cardCaption", true);
    // Renamed on purpose only: a card coming up must not send typing here.
    edit->setFocusPolicy(Qt::ClickFocus);
    captionEdits_[field] = edit;
    return edit;
  }
  auto* label = new QLabel(field == kord::Num ? QStringLiteral("N.") : QString(), this);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);  // a caption is the person's text, never markup
  label->setProperty("cardCaption", true);
  captionLabels_[field] = label;
  return label;
}

QLabel* CardForm::makeValue(int position, int minimumChars) {
  auto* value = new QLabel(this);
  value->setObjectName(position == 1 ? options_.nameBox : QStringLiteral("Label3D2_%1").arg(position));
  value->setProperty("cardValue", true);
  // A place typed "<b>x</b>" shows as typed.
  value->setTextFormat(Qt::PlainText);
  value->setTextInteractionFlags(Qt::TextSelectableByMouse);
  value->setMinimumWidth(value->fontMetrics().averageCharWidth() * minimumChars + 14);
  values_[position] = value;
  return value;
}

void CardForm::render(const kord::CardModel& card, const kord::Captions& captions) {
  for (int field = kord::Name; field < kord::kFieldCount; ++field) {
    const QString caption = displayText(captions[field]);
    if (QLineEdit* edit = captionEdits_[field]) {
      if (!edit->isModified()) edit->setText(caption);
      // A narrow card squeezes the values, never the captions.
      edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(edit->text()) + 14);
    } else if (QLabel* label = captionLabels_[field]) {
      label->setText(caption);
    }
  }
  for (int position = 0; position < static_cast<int>(values_.size()); ++position)
    values_[position]->setText(displayText(card.values[fieldAt(position)]));
  if (notes_) notes_->setPlainText(displayText(card.values[kord::Notes]));
  renderPicture(card.picturePath);
}

void CardForm::renderPicture(const std::string& path) {
  if (path.empty()) return;
  QImage image;
  // A picture that does not load leaves the one shown before.
  if (!image.load(pathText(path))) return;
  picture_->setPixmap(
      QPixmap::fromImage(image.scaled(kPictureSize - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

QString CardForm::captionText(int field) const {
  if (QLineEdit* edit = captionEdits_[field]) return edit->text();
  if (QLabel* label = captionLabels_[field]) return label->text();
  return {};
}

void CardForm::markCaptionsSaved() {
  for (QLineEdit* edit : captionEdits_)
    if (edit) edit->setModified(false);
}

}  // namespace kord::gui

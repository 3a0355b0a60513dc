#include "record_card_window.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "card_form.h"
#include "keyboard.h"
#include "print_form.h"
#include "qt_language.h"
#include "qt_text.h"
#include "records/focus_panel.h"
#include "records/record_card.h"
#include "trees/common_kin.h"
#include "window_place.h"

namespace kord::gui {
namespace {

/// The card's hover-help labels Help(k).
const char* const kHelp[] = {"Genera Albero a partire dal primo individuo comune"};

/// The captions typed on the card as record text, "N." first. A caption the
/// captions file cannot hold is reported and false returned.
bool typedCaptions(kord::Session& s, const CardForm& form, std::array<std::string, 14>& captions) {
  captions[0] = "N.";
  for (int field = kord::Name; field < kord::kFieldCount; ++field) {
    const std::string where = s.text("Didascalia ", "Caption ") + std::to_string(field) + ": ";
    const QString typed = form.captionText(field);
    // The file keeps each caption in quotes: a quote inside would end it early.
    if (typed.contains(QLatin1Char('"'))) {
      s.ui.message(where + s.text("il carattere \" non puo' far parte di una didascalia",
                                  "the character \" cannot be part of a caption"));
      return false;
    }
    std::string problem;
    captions[field] = kord::RecordTextFromUtf8(utf8Of(typed), problem, s.English);
    if (!problem.empty()) {
      s.ui.message(where + problem);
      return false;
    }
  }
  return true;
}

}  // namespace

RecordCardWindow::RecordCardWindow(kord::Session& session, QtPrinter& printer, kord::Selection selection,
                                   QWidget* parent)
    : SecondaryWindow(parent), s_(session), printer_(printer), selection_(selection) {
  // Each title written out: the glossary check reads them from here.
  if (isFocus())
    setCaption(this, "Scheda Anagrafica", "Record card");
  else
    setCaption(this, "Scheda Anagrafica secondaria", "Secondary record card");
  // Refreshing the card must not take the keyboard from the main window.
  setAttribute(Qt::WA_ShowWithoutActivating);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 10, 12, 10);
  layout->setSpacing(10);
  if (isFocus()) {
    form_ = new CardForm({.editableCaptions = true, .notes = true}, this);
    form_->picture()->installEventFilter(this);
    layout->addWidget(form_);
    layout->addWidget(buildCommonRelatives());
    layout->addWidget(buildCommands());
  } else {
    form_ = new CardForm({.editableCaptions = false, .notes = false, .nameBox = QStringLiteral("Text2_1")}, this);
    form_->setTitle(QStringLiteral("Scelta secondaria"));
    layout->addWidget(form_);
    layout->addLayout(buildPrintRow());
  }
  pressOnKeys(this, QKeySequence::Print, print_);
  connect(print_, &QPushButton::clicked, this, &RecordCardWindow::onPrint);
  render();
}

QWidget* RecordCardWindow::buildCommonRelatives() {
  auto* box = new QWidget(this);
  commonHeading_ = new QLabel(box);
  commonHeading_->setObjectName(QStringLiteral("PrimoParNome_2"));
  commonHeading_->setTextFormat(Qt::PlainText);
  commonHeading_->setStyleSheet(QStringLiteral("color: #2e6b4f; font-weight: bold;"));
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(4, 0, 4, 0);
  auto* row = new QHBoxLayout;
  column->addLayout(row);
  row->addWidget(commonHeading_);
  for (int i = 0; i < 2; ++i) {
    common_[i] = new QLineEdit(box);
    common_[i]->setObjectName(QStringLiteral("PrimoParNome_%1").arg(i));
    common_[i]->setReadOnly(true);
    common_[i]->installEventFilter(this);
    row->addWidget(common_[i], 1);
  }
  relationship_ = new QLabel(box);
  relationship_->setObjectName(QStringLiteral("RelationshipLine"));
  relationship_->setWordWrap(true);
  column->addWidget(relationship_);
  return box;
}

QPushButton* RecordCardWindow::addButton(const QString& objectName, QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setObjectName(objectName);
  button->installEventFilter(this);
  return button;
}

QWidget* RecordCardWindow::buildCommands() {
  auto* box = new QWidget(this);
  parentele_ = addButton(QStringLiteral("Parentele_0"), box);
  parentele_->setToolTip(QString::fromLatin1(kHelp[0]));
  saveLabels_ = addButton(QStringLiteral("Command1"), box);
  print_ = addButton(QStringLiteral("StampaForm"), box);
  connect(parentele_, &QPushButton::clicked, this, &RecordCardWindow::onParentele);
  connect(saveLabels_, &QPushButton::clicked, this, &RecordCardWindow::onSaveLabels);
  help_ = new QLabel(box);
  help_->setObjectName(QStringLiteral("Help_0"));
  help_->setStyleSheet(QStringLiteral("color: #33413a;"));
  // The line is there when empty too, so the help comes and goes without
  // moving the buttons.
  help_->setMinimumHeight(help_->fontMetrics().lineSpacing());
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(parentele_);
  buttons->addWidget(saveLabels_);
  buttons->addStretch(1);
  buttons->addWidget(print_);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->addLayout(buttons);
  column->addWidget(help_);
  return box;
}

QLayout* RecordCardWindow::buildPrintRow() {
  print_ = new QPushButton(this);
  print_->setObjectName(QStringLiteral("StampaForm"));
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(print_);
  return row;
}

void RecordCardWindow::render() {
  if (isFocus()) form_->setTitle(displayText(s_.text("Scheda Principale", "Main Selection")));
  form_->render(card(), s_.tables.FieldCaptions);
  if (isFocus()) renderFocusExtras();
  print_->setText(displayText(s_.text("Stampa Form", "Print Form")));
  growToFit(*this);
}

void RecordCardWindow::renderFocusExtras() {
  commonHeading_->setText(displayText(s_.focusCard.PrimoParNome[2]));
  for (int i = 0; i < 2; ++i) common_[i]->setText(displayText(s_.focusCard.PrimoParNome[i]));
  relationship_->setText(displayText(s_.focusCard.relationshipLine));
  relationship_->setVisible(!s_.focusCard.relationshipLine.empty());
  parentele_->setText(displayText(s_.text("Albero parentela", "Kinship tree")));
  saveLabels_->setText(QStringLiteral("Save edited Labels"));
}

void RecordCardWindow::ShowHelp(int k) {
  if (k == shownHelp_) return;
  shownHelp_ = k;
  help_->setText(k >= 0 ? QString::fromLatin1(kHelp[k]) : QString());
}

void RecordCardWindow::onCommonDoubleClick(int box) {
  const int common = box == 0 ? s_.FirstCommon : s_.SecondCommon;
  if (common > 0) s_.NInd[0] = common;
  kord::ShowFocusPanel(s_);
  s_.ui.refresh(kord::Window::MainWindow);
}

void RecordCardWindow::onParentele() { kord::ShowKinshipOutline(s_); }

void RecordCardWindow::onSaveLabels() {
  std::array<std::string, 14> captions;
  if (!typedCaptions(s_, *form_, captions)) return;
  const std::string error = kord::SaveCaptions(s_, captions);
  if (!error.empty()) {
    s_.ui.message(error);
    return;
  }
  form_->markCaptionsSaved();
  render();
  s_.ui.refresh(kord::Window::SecondCard);
}

void RecordCardWindow::onPrint() {
  const std::string& name = card().values[kord::Name];
  const std::string title = isFocus() ? "Scheda Anagrafica" : "Scheda Anagrafica secondaria";
  printForm(s_, printer_, *this, title + (name.empty() ? std::string() : " - " + name));
}

void RecordCardWindow::onClose() { kord::CloseRecordCard(s_, selection_); }

bool RecordCardWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::MouseButtonDblClick)
    for (int i = 0; i < 2; ++i)
      if (watched == common_[i]) {
        onCommonDoubleClick(i);
        return true;
      }
  if (type == QEvent::Enter) {
    if (watched == parentele_) ShowHelp(0);
    if (watched == form_->picture()) ShowHelp(-1);
  }
  return SecondaryWindow::eventFilter(watched, event);
}

}  // namespace kord::gui

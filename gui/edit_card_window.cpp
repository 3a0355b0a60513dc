#include "edit_card_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <vector>

#include "db/dates.h"
#include "life_years_delegate.h"
#include "lists/person_choice.h"
#include "qt_text.h"
#include "records/focus_panel.h"
#include "records/record_card.h"

namespace kord::gui {
namespace {

const char* kFormStyle = R"(
QLabel, QLineEdit, QPlainTextEdit, QComboBox, QCheckBox { font-weight: normal; }
QLabel[fieldCaption="true"] { color: #2e6b4f; }
)";

struct Person {
  QString label;
  int index;
  QString years;
};

/// Every individual as a chooser shows it, alphabetically: the name, with
/// the record number when the name is blank or not unique.
std::vector<Person> people(const kord::Session& s) {
  const kord::Tables& t = s.tables;
  const std::vector<std::string> years = kord::LifeYearsByIndex(s);
  std::map<std::string, int> uses;
  for (int k = 2; k <= t.LastIndex; ++k) ++uses[t.Names[k]];
  std::vector<Person> list;
  for (int k = 2; k <= t.LastIndex; ++k) {
    const QString number = QStringLiteral("N. %1").arg(k - 1);
    const QString name = displayText(t.Names[k]).trimmed();
    QString label = name.isEmpty() ? QStringLiteral("(%1)").arg(number) : name;
    if (!name.isEmpty() && uses[t.Names[k]] > 1) label += QStringLiteral(" (%1)").arg(number);
    list.push_back({label, k, lifeYearsText(years, k)});
  }
  std::stable_sort(list.begin(), list.end(),
                   [](const Person& a, const Person& b) { return a.label.localeAwareCompare(b.label) < 0; });
  return list;
}

/// Fills a link chooser: "none" first, then `list`; `link` is chosen. A
/// stored link to a slot that is not an individual stays as it is.
void fillChooser(QComboBox* chooser, const std::vector<Person>& list, int link, const QString& none) {
  chooser->clear();
  chooser->addItem(none, -1);
  for (const Person& p : list) {
    chooser->addItem(p.label, p.index);
    chooser->setItemData(chooser->count() - 1, p.years, kLifeYearsRole);
  }
  if (link >= 0 && chooser->findData(link) < 0) chooser->addItem(QStringLiteral("(N. %1)").arg(link - 1), link);
  chooser->setCurrentIndex(std::max(0, chooser->findData(link)));
}

QLabel* captionLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setProperty("fieldCaption", true);
  return label;
}

}  // namespace

EditCardWindow::EditCardWindow(kord::Session& session, QWidget* parent) : SecondaryWindow(parent), s_(session) {
  setStyleSheet(QString::fromLatin1(kFormStyle));
  save_ = new QPushButton(this);
  save_->setObjectName(QStringLiteral("Salva"));
  cancel_ = new QPushButton(this);
  cancel_->setObjectName(QStringLiteral("Annulla"));
  connect(save_, &QPushButton::clicked, this, &EditCardWindow::onSave);
  connect(cancel_, &QPushButton::clicked, this, &QWidget::close);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cancel_);
  buttons->addWidget(save_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 12, 14, 12);
  layout->setSpacing(10);
  layout->addWidget(buildFields());
  layout->addWidget(buildLinks());
  layout->addLayout(buttons);
  render();
}

QGroupBox* EditCardWindow::buildFields() {
  fieldsBox_ = new QGroupBox(this);
  for (int field = 0; field < kord::kFieldCount; ++field) {
    captions_[field] = captionLabel(fieldsBox_);
    if (field == kord::Notes || field == kord::Sex) continue;
    lines_[field] = new QLineEdit(fieldsBox_);
    lines_[field]->setObjectName(QStringLiteral("Text1_%1").arg(field));
  }
  lines_[kord::Num]->setReadOnly(true);
  lines_[kord::Num]->setMaximumWidth(lines_[kord::Num]->fontMetrics().averageCharWidth() * 8 + 16);
  notes_ = new QPlainTextEdit(fieldsBox_);
  notes_->setObjectName(QStringLiteral("Text1_12"));
  notes_->setTabChangesFocus(true);
  notes_->setFixedHeight(notes_->fontMetrics().lineSpacing() * 4 + 12);
  sex_ = new QComboBox(fieldsBox_);
  sex_->setObjectName(QStringLiteral("Text1_13"));
  sex_->setMinimumContentsLength(3);

  auto* grid = new QGridLayout(fieldsBox_);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(5);
  grid->addWidget(captions_[kord::Num], 0, 0);
  grid->addWidget(lines_[kord::Num], 0, 1, Qt::AlignLeft);
  grid->addWidget(captions_[kord::Sex], 0, 2);
  grid->addWidget(sex_, 0, 3, Qt::AlignLeft);
  grid->addWidget(captions_[kord::Name], 1, 0);
  grid->addWidget(lines_[kord::Name], 1, 1, 1, 3);
  for (int event = 0; event < 5; ++event) {
    const int date = kord::BirthDate + 2 * event;
    for (int side = 0; side < 2; ++side) {
      QLineEdit* editor = lines_[date + side];
      // Places are the long values; dates are mostly ten characters.
      editor->setMinimumWidth(editor->fontMetrics().averageCharWidth() * (side == 0 ? 12 : 28));
      grid->addWidget(captions_[date + side], 2 + event, 2 * side);
      grid->addWidget(editor, 2 + event, 2 * side + 1);
    }
  }
  grid->addWidget(captions_[kord::Notes], 7, 0, Qt::AlignTop);
  grid->addWidget(notes_, 7, 1, 1, 3);
  // Extra width goes to the places: a stretched date column would take it
  // from them.
  grid->setColumnStretch(3, 1);
  limitTyping();
  return fieldsBox_;
}

static bool isDateField(int field) {
  return field == kord::BirthDate || field == kord::BaptismDate || field == kord::MarriageDate ||
         field == kord::DeathDate || field == kord::BurialDate;
}

/// The length of `typed` once stored: one byte a character, two for a line
/// break of the notes.
static int storedLength(const QString& typed) {
  return static_cast<int>(typed.size() + typed.count(QLatin1Char('\n')));
}

void EditCardWindow::limitTyping() {
  for (int field = kord::Name; field < kord::kFieldCount; ++field) {
    if (!lines_[field]) continue;
    lines_[field]->setMaxLength(static_cast<int>(kord::kFieldLayout[field].width));
    if (!isDateField(field)) continue;
    dateMarks_[field] =
        lines_[field]->addAction(style()->standardIcon(QStyle::SP_MessageBoxWarning), QLineEdit::TrailingPosition);
    dateMarks_[field]->setObjectName(QStringLiteral("DataNonValida_%1").arg(field));
    dateMarks_[field]->setVisible(false);
    connect(lines_[field], &QLineEdit::textChanged, this, [this, field] { markDate(field); });
  }
  connect(notes_, &QPlainTextEdit::textChanged, this, &EditCardWindow::limitNotes);
}

void EditCardWindow::markDate(int field) {
  const std::string typed = coreText(lines_[field]->text().trimmed());
  // A bare year or "19??" is a date the program reads, as the date checks do.
  const bool refused = !typed.empty() && !kord::ReadStoredDate(kord::PrepareDateIn(typed));
  dateMarks_[field]->setVisible(refused);
  dateMarks_[field]->setToolTip(
      displayText(s_.text("Data non riconosciuta: scrivere ad esempio 12/03/1950, 1950 o 19??",
                          "Date not recognised: write for example 12/03/1950, 1950 or 19??")));
}

void EditCardWindow::limitNotes() {
  const int most = static_cast<int>(kord::kFieldLayout[kord::Notes].width);
  QString typed = notes_->toPlainText();
  if (storedLength(typed) <= most) return;
  while (storedLength(typed) > most) typed.chop(1);
  const QSignalBlocker quiet(notes_);
  notes_->setPlainText(typed);
  notes_->moveCursor(QTextCursor::End);
}

QComboBox* EditCardWindow::addLinkChooser(const char* objectName) {
  auto* chooser = new QComboBox(linksBox_);
  chooser->setObjectName(QString::fromLatin1(objectName));
  chooser->setEditable(true);
  chooser->setInsertPolicy(QComboBox::NoInsert);
  chooser->setMaxVisibleItems(16);
  // Any part of the name finds the person, in any letter case.
  chooser->completer()->setCompletionMode(QCompleter::PopupCompletion);
  chooser->completer()->setFilterMode(Qt::MatchContains);
  chooser->completer()->setCaseSensitivity(Qt::CaseInsensitive);
  // Both lists show the years beside the names; the typed text stays a name.
  showLifeYears(chooser->view());
  showLifeYears(chooser->completer()->popup());
  return chooser;
}

QGroupBox* EditCardWindow::buildLinks() {
  linksBox_ = new QGroupBox(this);
  auto* grid = new QGridLayout(linksBox_);
  grid->setHorizontalSpacing(8);
  const char* names[] = {"Genitore1", "Genitore2", "Coniuge"};
  for (int i = 0; i < 3; ++i) {
    linkCaptions_[i] = captionLabel(linksBox_);
    links_[i] = addLinkChooser(names[i]);
    grid->addWidget(linkCaptions_[i], i, 0);
    grid->addWidget(links_[i], i, 1);
  }
  bothWays_ = new QCheckBox(linksBox_);
  bothWays_->setObjectName(QStringLiteral("ConiugeReciproco"));
  bothWays_->setChecked(true);
  grid->addWidget(bothWays_, 3, 1);
  grid->setColumnStretch(1, 1);
  return linksBox_;
}

void EditCardWindow::render() {
  const kord::EditCardModel& card = s_.editCard;
  renderCaptions();
  for (int field = 0; field < kord::kFieldCount; ++field)
    if (lines_[field]) lines_[field]->setText(displayText(card.Text1[field]));
  notes_->setPlainText(displayText(card.Text1[kord::Notes]));
  const QString sex = displayText(card.Text1[kord::Sex]);
  sex_->clear();
  sex_->addItems({QString(), QStringLiteral("M"), QStringLiteral("F")});
  // A letter other than M or F stays as it was stored until changed.
  if (sex_->findText(sex) < 0) sex_->addItem(sex);
  sex_->setCurrentIndex(sex_->findText(sex));
  const std::vector<Person> list = people(s_);
  const QString none = displayText(s_.text("(nessuno)", "(none)"));
  const int current[] = {card.parent1, card.parent2, card.spouse};
  for (int i = 0; i < 3; ++i) fillChooser(links_[i], list, current[i], none);
}

void EditCardWindow::renderCaptions() {
  setWindowTitle(displayText(s_.text("Modifica scheda", "Edit record")));
  fieldsBox_->setTitle(displayText(s_.text("Dati personali", "Personal data")));
  linksBox_->setTitle(displayText(s_.text("Legami", "Links")));
  for (int field = 0; field < kord::kFieldCount; ++field) {
    captions_[field]->setText(displayText(s_.tables.FieldCaptions[field]));
    const QString most = displayText(s_.text("Al massimo %1 caratteri", "At most %1 characters"));
    QWidget* editor = lines_[field]          ? static_cast<QWidget*>(lines_[field])
                      : field == kord::Notes ? static_cast<QWidget*>(notes_)
                                             : sex_;
    editor->setToolTip(most.arg(kord::kFieldLayout[field].width));
  }
  const char* italian[] = {"Primo genitore", "Secondo genitore", "Coniuge"};
  const char* english[] = {"First parent", "Second parent", "Spouse"};
  for (int i = 0; i < 3; ++i) linkCaptions_[i]->setText(displayText(s_.text(italian[i], english[i])));
  bothWays_->setText(displayText(s_.text("Anche il coniuge riceve il legame", "The spouse gets the link too")));
  save_->setText(displayText(s_.text("Salva", "Save")));
  cancel_->setText(displayText(s_.text("Annulla", "Cancel")));
}

QString EditCardWindow::typedText(int field) const {
  if (lines_[field]) return lines_[field]->text();
  if (field == kord::Sex) return sex_->currentText();
  // Lines of the notes end as every multi-line text of the database does.
  return notes_->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

bool EditCardWindow::readFields(std::array<std::string, 14>& texts) {
  for (int field = kord::Name; field < kord::kFieldCount; ++field) {
    std::string problem;
    texts[field] = kord::RecordTextFromUtf8(utf8Of(typedText(field)), problem, s_.English);
    if (!problem.empty()) {
      s_.ui.message(s_.tables.FieldCaptions[field] + ": " + problem);
      return false;
    }
  }
  return true;
}

bool EditCardWindow::readLink(const QComboBox* chooser, const QLabel* caption, int& link) {
  const QString typed = chooser->currentText().trimmed();
  const int row = typed.isEmpty() ? 0 : chooser->findText(typed, Qt::MatchFixedString);
  if (row >= 0) {
    link = chooser->itemData(row).toInt();
    return true;
  }
  s_.ui.message(coreText(caption->text()) + ": " +
                s_.text("nessun individuo si chiama \"", "no individual is called \"") + coreText(typed) + "\"");
  return false;
}

void EditCardWindow::onSave() {
  kord::EditCardModel card = s_.editCard;
  if (!readFields(card.Text1)) return;
  if (!readLink(links_[0], linkCaptions_[0], card.parent1) || !readLink(links_[1], linkCaptions_[1], card.parent2) ||
      !readLink(links_[2], linkCaptions_[2], card.spouse))
    return;
  s_.editCard = card;
  const kord::SaveReport report = kord::SaveEditCard(s_, bothWays_->isChecked());
  if (!report.error.empty()) {
    s_.ui.message(report.error);
    return;
  }
  std::string cuts;
  for (const std::string& cut : report.cuts) cuts += (cuts.empty() ? "" : "\r\n") + cut;
  if (!cuts.empty()) s_.ui.message(cuts);
  kord::ShowFocusPanel(s_);
  s_.ui.refresh(kord::Window::MainWindow);
  close();
}

void EditCardWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  lines_[kord::Name]->setFocus(Qt::OtherFocusReason);
}

void EditCardWindow::onClose() {
  kord::CloseEditCard(s_);
  // An unsaved new individual is given back: the counts and the focus change.
  s_.ui.refresh(kord::Window::MainWindow);
}

}  // namespace kord::gui

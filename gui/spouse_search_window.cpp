#include "spouse_search_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "lists/person_choice.h"
#include "qt_text.h"
#include "records/focus_panel.h"
#include "records/link_files.h"

namespace kord::gui {

SpouseSearchWindow::SpouseSearchWindow(kord::Session& session, QWidget* parent)
    : SecondaryWindow(parent, Qt::Window), s_(session) {
  setObjectName(QStringLiteral("Ricerca_Coniugi"));
  focus_ = new QLabel(this);
  focus_->setTextFormat(Qt::PlainText);
  focus_->setWordWrap(true);
  name_ = new QLineEdit(this);
  name_->setObjectName(QStringLiteral("NomeConiuge"));
  people_ = new QListWidget(this);
  people_->setObjectName(QStringLiteral("Candidati"));
  choose_ = new QPushButton(this);
  choose_->setObjectName(QStringLiteral("Scegli"));
  choose_->setDefault(true);
  close_ = new QPushButton(this);
  connect(name_, &QLineEdit::textEdited, this, &SpouseSearchWindow::fillList);
  connect(people_, &QListWidget::itemDoubleClicked, this, &SpouseSearchWindow::onChoose);
  connect(choose_, &QPushButton::clicked, this, &SpouseSearchWindow::onChoose);
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close_);
  buttons->addWidget(choose_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 12, 14, 12);
  layout->addWidget(focus_);
  layout->addWidget(name_);
  layout->addWidget(people_, 1);
  layout->addLayout(buttons);
  resize(420, 460);
}

void SpouseSearchWindow::start() {
  years_ = kord::LifeYearsByIndex(s_);
  name_->clear();
  render();
  fillList(QString());
  name_->setFocus(Qt::OtherFocusReason);
}

void SpouseSearchWindow::render() {
  const kord::Tables& t = s_.tables;
  const int focus = s_.NInd[0];
  setWindowTitle(displayText(s_.text("Ricerca Coniugi", "Spouse search")));
  std::string text = s_.text("Coniuge di ", "Spouse of ") + t.Names[static_cast<std::size_t>(focus)];
  const int spouse = t.Spouse[static_cast<std::size_t>(focus)];
  text += t.isIndividual(spouse) ? s_.text(" (ora: ", " (now: ") + t.Names[static_cast<std::size_t>(spouse)] + ")"
                                 : s_.text(" (ora nessuno)", " (none now)");
  focus_->setText(displayText(text + s_.text(". Battere l'inizio del nome:", ". Type the first letters:")));
  choose_->setText(displayText(s_.text("Scegli come coniuge", "Choose as spouse")));
  close_->setText(displayText(s_.text("Chiudi", "Close")));
}

void SpouseSearchWindow::fillList(const QString& typed) {
  people_->clear();
  for (const kord::PersonChoice& p : kord::PeopleStartingWith(s_.tables, coreText(typed))) {
    if (p.index == s_.NInd[0]) continue;
    auto* item = new QListWidgetItem(
        displayText(kord::NameWithYears(p.name, years_[static_cast<std::size_t>(p.index)])), people_);
    item->setData(Qt::UserRole, p.index);
  }
  if (people_->count() > 0) people_->setCurrentRow(0);
}

void SpouseSearchWindow::onChoose() {
  const QListWidgetItem* item = people_->currentItem();
  if (!item) return;
  const int focus = s_.NInd[0];
  const int chosen = item->data(Qt::UserRole).toInt();
  const kord::Tables& t = s_.tables;
  const std::string question = s_.text("Registrare ", "Record ") + t.Names[static_cast<std::size_t>(chosen)] +
                               s_.text(" come coniuge di ", " as the spouse of ") +
                               t.Names[static_cast<std::size_t>(focus)] + "?";
  if (!s_.ui.askYesNo(question, s_.text("Ricerca Coniugi", "Spouse search"), kord::Icon::Question, true)) return;
  const kord::Result linked = kord::SetSpouse(s_, focus, chosen, true);
  if (!linked) s_.ui.message(linked.reason());
  kord::ShowFocusPanel(s_);
  s_.ui.refresh(kord::Window::MainWindow);
  render();
}

void SpouseSearchWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    onChoose();
    return;
  }
  SecondaryWindow::keyPressEvent(event);
}

}  // namespace kord::gui

#include "name_search_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <map>

#include "keyboard.h"
#include "life_years_delegate.h"
#include "lists/name_search.h"
#include "lists/person_choice.h"
#include "print_form.h"
#include "qt_language.h"
#include "qt_text.h"

namespace kord::gui {
namespace {

/// The list's narrow face, or the nearest one installed.
QFont narrowFont(const QFont& base) {
  QFont font(base);
  font.setFamilies({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"),
                    QStringLiteral("DejaVu Sans Condensed")});
  return font;
}

QLabel* heading(const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setStyleSheet(QStringLiteral("color: #2e6b4f;"));
  return label;
}

/// The table index behind each entry: the search lists the individuals of
/// one name in index order, so the n-th entry of a name is the n-th of them.
std::vector<int> entryIndexes(const kord::Tables& t, const std::vector<std::string>& entries) {
  std::map<std::string, std::vector<int>> byName;
  for (const std::string& entry : entries) byName[entry];
  for (int k = 0; k <= t.LastIndex && k < kord::kTableSize; ++k)
    if (auto it = byName.find(t.Names[k]); it != byName.end()) it->second.push_back(k);
  std::map<std::string, std::size_t> seen;
  std::vector<int> indexes;
  for (const std::string& entry : entries) {
    const std::vector<int>& named = byName[entry];
    const std::size_t n = seen[entry]++;
    indexes.push_back(n < named.size() ? named[n] : kord::kNone);
  }
  return indexes;
}

}  // namespace

NameSearchWindow::NameSearchWindow(kord::Session& session, QtPrinter& printer, QWidget* parent)
    : SecondaryWindow(parent), s_(session), printer_(printer) {
  auto* instruction = new QLabel(this);
  setCaption(instruction, "Selezionare un individuo con le iniziali ed il Mouse",
             "Select an individual by its first letters and the mouse");
  instruction->setStyleSheet(QStringLiteral("font-weight: bold; color: #2e6b4f;"));
  auto* columns = new QHBoxLayout;
  columns->setSpacing(14);
  columns->addWidget(buildSelection(), 1);
  columns->addWidget(buildDetails(), 1);
  print_ = new QPushButton(this);
  print_->setObjectName(QStringLiteral("Command3D1"));
  pressOnKeys(this, QKeySequence::Print, print_);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("btnSelezioneOK"));
  ok_->setMinimumWidth(90);
  connect(print_, &QPushButton::clicked, this, &NameSearchWindow::onPrint);
  connect(ok_, &QPushButton::clicked, this, &NameSearchWindow::onConfirm);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(print_);
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 12, 14, 12);
  layout->setSpacing(10);
  layout->addWidget(instruction);
  layout->addLayout(columns, 1);
  layout->addLayout(buttons);
  resize(640, 460);
  render();
}

QWidget* NameSearchWindow::buildSelection() {
  auto* frame = new QGroupBox(QStringLiteral("Selezione"), this);
  inputNome_ = new QLineEdit(frame);
  inputNome_->setObjectName(QStringLiteral("InputNome"));
  inputNome_->setStyleSheet(QStringLiteral("font-weight: normal;"));
  selezionati_ = new QListWidget(frame);
  selezionati_->setObjectName(QStringLiteral("selezionati"));
  selezionati_->setFont(narrowFont(font()));
  selezionati_->setStyleSheet(QStringLiteral("font-weight: normal;"));
  selezionati_->viewport()->installEventFilter(this);
  showLifeYears(selezionati_);
  connect(inputNome_, &QLineEdit::textEdited, this, &NameSearchWindow::onTyped);
  connect(selezionati_, &QListWidget::itemClicked, this, &NameSearchWindow::onClicked);
  auto* column = new QVBoxLayout(frame);
  column->addWidget(inputNome_);
  column->addWidget(selezionati_, 1);
  return frame;
}

QPlainTextEdit* NameSearchWindow::addDetailBox(const char* objectName) {
  auto* box = new QPlainTextEdit(this);
  box->setObjectName(QString::fromLatin1(objectName));
  box->setReadOnly(true);
  box->setLineWrapMode(QPlainTextEdit::NoWrap);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  return box;
}

QWidget* NameSearchWindow::buildDetails() {
  auto* details = new QWidget(this);
  individuo_ = new QLineEdit(details);
  individuo_->setObjectName(QStringLiteral("Individuo"));
  individuo_->setReadOnly(true);
  genitori_ = addDetailBox("Genitori");
  coniugi_ = addDetailBox("Coniugi");
  figli_ = addDetailBox("Figli");
  const int line = genitori_->fontMetrics().lineSpacing();
  genitori_->setFixedHeight(line * 2 + 14);
  coniugi_->setFixedHeight(line * 2 + 14);
  auto* column = new QVBoxLayout(details);
  column->setContentsMargins(0, 12, 0, 0);
  column->setSpacing(4);
  column->addWidget(heading("Selezione attuale", details));
  column->addWidget(individuo_);
  column->addSpacing(6);
  column->addWidget(heading("Genitori", details));
  column->addWidget(genitori_);
  column->addSpacing(6);
  column->addWidget(heading("Coniugi", details));
  column->addWidget(coniugi_);
  column->addSpacing(6);
  column->addWidget(heading("Figli", details));
  column->addWidget(figli_, 1);
  return details;
}

void NameSearchWindow::render() {
  const kord::NameSearchModel& m = s_.nameSearch;
  setWindowTitle(displayText(m.caption));
  if (coreText(inputNome_->text()) != m.InputNome) inputNome_->setText(displayText(m.InputNome));
  selezionati_->clear();
  const std::vector<int> indexes = entryIndexes(s_.tables, m.selezionati);
  const std::vector<std::string> years = m.InputNome.empty() ? std::vector<std::string>() : kord::LifeYearsByIndex(s_);
  const int slot = s_.NInd[s_.Toggle == 1 ? 1 : 0];
  for (std::size_t row = 0; row < m.selezionati.size(); ++row) {
    auto* item = new QListWidgetItem(displayText(m.selezionati[row]), selezionati_);
    item->setData(Qt::UserRole, indexes[row]);
    item->setData(kLifeYearsRole, lifeYearsText(years, indexes[row]));
    // The current choice stands out in the list.
    if (!m.Individuo.empty() && indexes[row] == slot) selezionati_->setCurrentItem(item);
  }
  individuo_->setText(displayText(m.Individuo));
  genitori_->setPlainText(displayText(m.Genitori));
  coniugi_->setPlainText(displayText(m.Coniugi));
  figli_->setPlainText(displayText(m.Figli));
  print_->setText(displayText(s_.text("Stampa Form", "Print Form")));
}

void NameSearchWindow::onTyped(const QString& text) { kord::NameSearchType(s_, coreText(text)); }

void NameSearchWindow::onClicked(QListWidgetItem* item) {
  // The search empties the list, and the item with it.
  const std::string entry = coreText(item->text());
  kord::NameSearchClick(s_, entry, item->data(Qt::UserRole).toInt());
}

void NameSearchWindow::onDoubleClicked() {
  kord::NameSearchDoubleClick(s_);
  focusMoved();
}

void NameSearchWindow::onConfirm() {
  kord::NameSearchConfirm(s_);
  focusMoved();
}

void NameSearchWindow::onPrint() { printForm(s_, printer_, *this, s_.nameSearch.caption); }

void NameSearchWindow::focusMoved() { s_.ui.refresh(kord::Window::MainWindow); }

void NameSearchWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  inputNome_->setFocus(Qt::OtherFocusReason);
  inputNome_->setCursorPosition(static_cast<int>(inputNome_->text().size()));
}

void NameSearchWindow::onClose() {
  const std::string caption = s_.nameSearch.caption;
  s_.nameSearch = kord::NameSearchModel();
  s_.nameSearch.caption = caption;
  render();
}

void NameSearchWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: onConfirm(); return;
    default: SecondaryWindow::keyPressEvent(event);
  }
}

bool NameSearchWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == selezionati_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    onDoubleClicked();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kord::gui

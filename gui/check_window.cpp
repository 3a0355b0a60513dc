#include "check_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "qt_text.h"
#include "records/focus_panel.h"

namespace kord::gui {
namespace {

QPushButton* button(const char* objectName, QWidget* parent) {
  auto* b = new QPushButton(parent);
  b->setObjectName(QString::fromLatin1(objectName));
  return b;
}

std::string count(std::size_t n, const std::string& one, const std::string& many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

CheckWindow::CheckWindow(kord::Session& session, QWidget* parent) : SecondaryWindow(parent, Qt::Window), s_(session) {
  setObjectName(QStringLiteral("CheckWindow"));
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("Riepilogo"));
  summary_->setTextFormat(Qt::PlainText);
  summary_->setWordWrap(true);
  problems_ = new QListWidget(this);
  problems_->setObjectName(QStringLiteral("Problemi"));
  problems_->setWordWrap(true);
  problems_->setAlternatingRowColors(true);
  repair_ = button("Ripara", this);
  recheck_ = button("Ricontrolla", this);
  close_ = button("Chiudi", this);
  connect(repair_, &QPushButton::clicked, this, &CheckWindow::onRepair);
  connect(recheck_, &QPushButton::clicked, this, &CheckWindow::runCheck);
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(repair_);
  buttons->addWidget(recheck_);
  buttons->addStretch(1);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 12, 14, 12);
  layout->addWidget(summary_);
  layout->addWidget(problems_, 1);
  layout->addLayout(buttons);
  resize(720, 380);
}

void CheckWindow::render() {
  setWindowTitle(displayText(s_.text("Controlla archivio", "Check database")));
  repair_->setText(displayText(s_.text("Ripara", "Repair")));
  recheck_->setText(displayText(s_.text("Controlla di nuovo", "Check again")));
  close_->setText(displayText(s_.text("Chiudi", "Close")));
}

void CheckWindow::runCheck() { showResult({}, kord::CheckDatabase(s_.files, s_.English)); }

void CheckWindow::showResult(const std::vector<std::string>& repaired, const kord::DatabaseCheck& check) {
  render();
  problems_->clear();
  if (!check.error.empty()) {
    summary_->setText(displayText(check.error));
    repair_->setEnabled(false);
    return;
  }
  const std::string done = s_.text("Riparato: ", "Repaired: ");
  for (const std::string& text : repaired) {
    auto* item = new QListWidgetItem(displayText(done + text), problems_);
    item->setForeground(QColor(0x2e, 0x6b, 0x4f));
  }
  const std::string mark = s_.text("  [si ripara]", "  [repairable]");
  for (const kord::LinkProblem& p : check.problems)
    problems_->addItem(displayText(p.text + (p.repairable ? mark : "")));
  const auto repairable = static_cast<std::size_t>(std::count_if(
      check.problems.begin(), check.problems.end(), [](const kord::LinkProblem& p) { return p.repairable; }));
  summary_->setText(displayText(summaryText(check.problems.size(), repairable)));
  repair_->setEnabled(repairable > 0);
}

std::string CheckWindow::summaryText(std::size_t problems, std::size_t repairable) const {
  if (problems == 0)
    return s_.text("Nessun problema nei legami dell'archivio.", "No problem in the links of the database.");
  const std::string found = count(problems, s_.text("problema", "problem"), s_.text("problemi", "problems")) +
                            s_.text(" nei legami", " in the links");
  if (repairable == 0)
    return found + s_.text(", nessuno con un solo rimedio: li decide chi conosce la famiglia.",
                           ", none with one obvious fix: they are for someone who knows the family to decide.");
  return found + "; " + std::to_string(repairable) +
         s_.text(" con un solo rimedio, che \"Ripara\" applica; gli altri li decide chi conosce la famiglia.",
                 " with one obvious fix, which \"Repair\" applies; the others are for someone who knows the family.");
}

void CheckWindow::onRepair() {
  const std::string question =
      s_.text("Riparare i legami che hanno un solo rimedio? I file dei figli e dei coniugi vengono riscritti.",
              "Repair the links that have one obvious fix? The children and spouses files are rewritten.");
  if (!s_.ui.askYesNo(question, s_.text("Controlla archivio", "Check database"), kord::Icon::Question, false)) return;
  const kord::DatabaseRepair repair = kord::RepairOpenDatabase(s_);
  if (!repair.error.empty()) s_.ui.message(repair.error);
  showResult(repair.repaired, repair.after);
  // The links changed under the cards, the trees and the navigators.
  kord::ShowFocusPanel(s_);
  s_.ui.refresh(kord::Window::MainWindow);
  raise();  // the refreshed card must not hide what was repaired
  activateWindow();
}

}  // namespace kord::gui

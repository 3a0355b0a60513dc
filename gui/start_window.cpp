#include "start_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/open_database.h"
#include "kord_logo.h"
#include "qt_language.h"
#include "qt_text.h"

namespace kord::gui {
namespace {

QWidget* titleBlock(QWidget* parent, QLabel* line) {
  auto* block = new QWidget(parent);
  auto* logo = new QLabel(block);
  logo->setPixmap(kordLogo(72));
  auto* name = new QLabel(QStringLiteral("Kord"), block);
  QFont big = name->font();
  big.setPointSizeF(big.pointSizeF() * 2.4);
  big.setBold(true);
  name->setFont(big);
  name->setStyleSheet(QStringLiteral("color: #2e6b4f;"));
  line->setStyleSheet(QStringLiteral("color: #55645b;"));
  auto* texts = new QVBoxLayout;
  texts->addStretch();
  texts->addWidget(name);
  texts->addWidget(line);
  texts->addStretch();
  auto* row = new QHBoxLayout(block);
  row->setSpacing(18);
  row->addWidget(logo);
  row->addLayout(texts, 1);
  return block;
}

}  // namespace

StartWindow::StartWindow(kord::Session& session, QWidget* parent) : QWidget(parent), s_(session) {
  setCaption(this, "Tree - Apre Database", "Tree - Open Database");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  QPushButton* open = addCommand(0, QStringLiteral("Open"));
  buttons->addWidget(open);
  buttons->addWidget(addCommand(1, QStringLiteral("New")));
  buttons->addWidget(addCommand(2, QStringLiteral("Exit")));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(28, 24, 28, 20);
  layout->setSpacing(22);
  tagline_ = new QLabel(this);
  layout->addWidget(titleBlock(this, tagline_));
  layout->addLayout(buttons);
  open->setFocus();
  render();
}

void StartWindow::render() {
  tagline_->setText(displayText(s_.text("Database genealogico: individui, famiglie, alberi e parentele",
                                        "Genealogy database: individuals, families, trees and kinship")));
}

QPushButton* StartWindow::addCommand(int index, const QString& caption) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QStringLiteral("Command1_%1").arg(index));
  button->setAutoDefault(true);  // Enter presses the focused button
  button->setMinimumWidth(96);
  connect(button, &QPushButton::clicked, this, [this, index] { onCommand1(index); });
  return button;
}

void StartWindow::onCommand1(int index) {
  s_.individuals.close();
  s_.ui.message(TodayMessage(s_.clock.now()));
  if (index == 0) {
    // The assistant comes up beside the main window once a database is open.
    if (OpenDatabaseAsked(s_) == OpenOutcome::Loaded) s_.ui.showWindow(Window::AssistantWindow, true);
  } else if (index == 2) {
    s_.exitRequested = true;
    s_.ui.quit();
  }
}

}  // namespace kord::gui

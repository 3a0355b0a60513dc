#include "history_window.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "qt_language.h"
#include "qt_text.h"

namespace kord::gui {

HistoryWindow::HistoryWindow(const kord::Session& session, QWidget* parent) : SecondaryWindow(parent), s_(session) {
  setCaption(this, "Storia", "History");
  // Logging shows this window; it must not take the keyboard from the
  // window the person works in.
  setAttribute(Qt::WA_ShowWithoutActivating);
  text1_ = new QPlainTextEdit(this);
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setReadOnly(true);
  text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text1_);
  resize(560, 220);
}

void HistoryWindow::render() {
  const QString text = displayText(s_.historyText);
  if (text1_->toPlainText() == text) return;
  text1_->setPlainText(text);
  text1_->verticalScrollBar()->setValue(text1_->verticalScrollBar()->maximum());
}

}  // namespace kord::gui

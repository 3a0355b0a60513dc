#include "generazioni_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "qt_text.h"
#include "trees/tree_windows.h"

namespace kord::gui {

Generazioni::Generazioni(kord::Session& session, QWidget* parent) : QWidget(parent), s_(session) {
  setWindowTitle(QStringLiteral("Generazioni"));
  label_ = new QLabel(this);
  genValore_ = new QLineEdit(this);
  genValore_->setObjectName(QStringLiteral("Gen_Valore"));
  genValore_->setAlignment(Qt::AlignRight);
  label_->setBuddy(genValore_);
  // Edited, not changed: render's own setText must not count as typing.
  connect(genValore_, &QLineEdit::textEdited, this,
          [this](const QString& text) { kord::GenValoreChange(s_, coreText(text)); });
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 12, 14, 12);
  layout->addWidget(label_);
  layout->addWidget(genValore_);
  setMinimumWidth(260);
  render();
}

void Generazioni::render() {
  label_->setText(QString::fromStdString(
      s_.text("Generazioni dei discendenti da mostrare:", "Generations of descendants to show:")));
  const QString value = displayText(s_.generazioni.Gen_Valore);
  if (genValore_->text() != value) genValore_->setText(value);
}

void Generazioni::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  genValore_->setFocus(Qt::OtherFocusReason);
  genValore_->selectAll();
}

void Generazioni::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      close();
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void Generazioni::closeEvent(QCloseEvent* event) {
  s_.generazioni.visible = false;
  QWidget::closeEvent(event);
}

}  // namespace kord::gui

#include "keyboard.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QShortcut>

namespace kord::gui {

QString withMnemonic(const QString& caption, QString& taken) {
  QString text = caption;
  text.replace(QLatin1Char('&'), QStringLiteral("&&"));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar letter = text.at(i).toLower();
    if (!letter.isLetter() || taken.contains(letter)) continue;
    taken += letter;
    return text.insert(i, QLatin1Char('&'));
  }
  return text;
}

void pressOnKeys(QWidget* window, const QKeySequence& keys, QAbstractButton* button) {
  auto* shortcut = new QShortcut(keys, window);
  QObject::connect(shortcut, &QShortcut::activated, button, [button] {
    if (button->isVisible() && button->isEnabled()) button->click();
  });
}

void enterPresses(QWidget& form, QAbstractButton* button) {
  for (QLineEdit* field : form.findChildren<QLineEdit*>()) {
    if (qobject_cast<QComboBox*>(field->parentWidget())) continue;
    QObject::connect(field, &QLineEdit::returnPressed, button, [button] {
      if (button->isVisible() && button->isEnabled()) button->click();
    });
  }
}

void chainTabOrder(QWidget& window, const QStringList& names) {
  QWidget* previous = nullptr;
  for (const QString& name : names) {
    auto* next = window.findChild<QWidget*>(name);
    if (!next) continue;
    if (previous) QWidget::setTabOrder(previous, next);
    previous = next;
  }
}

}  // namespace kord::gui

#include "keyboard.h"

#include <QAbstractButton>
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

}  // namespace kord::gui

#pragma once
/// The keyboard's way through the windows: menu mnemonics (Alt+letter)
/// and shortcuts that press a window's button.

#include <QKeySequence>
#include <QString>

class QAbstractButton;
class QWidget;

namespace kord::gui {

/// `caption` with "&" before its first letter that is not in `taken` yet
/// (the letter is then added to `taken`); a caption whose letters are all
/// taken gets none. "&" already in the caption is shown as itself.
QString withMnemonic(const QString& caption, QString& taken);

/// `keys` pressed anywhere in `window` click `button` when it can be
/// clicked (shown and enabled).
void pressOnKeys(QWidget* window, const QKeySequence& keys, QAbstractButton* button);

/// Enter in any one-line field of `form` clicks `button`; the fields of
/// the lists with a typing field keep Enter for their choice.
void enterPresses(QWidget& form, QAbstractButton* button);

/// Tab goes through the children of `window` named `names`, in this order;
/// names not found are left out.
void chainTabOrder(QWidget& window, const QStringList& names);

}  // namespace kord::gui

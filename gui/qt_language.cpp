#include "qt_language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

#include "window_set.h"

namespace kord::gui {
namespace {

bool english = false;

const char* kCaption[2] = {"kordCaptionItalian", "kordCaptionEnglish"};
const char* kHelp[2] = {"kordHelpItalian", "kordHelpEnglish"};

void showCaption(QWidget& widget) {
  const QVariant text = widget.property(kCaption[english ? 1 : 0]);
  if (!text.isValid()) return;
  if (auto* button = qobject_cast<QAbstractButton*>(&widget))
    button->setText(text.toString());
  else if (auto* label = qobject_cast<QLabel*>(&widget))
    label->setText(text.toString());
  else if (auto* box = qobject_cast<QGroupBox*>(&widget))
    box->setTitle(text.toString());
  else if (widget.isWindow())
    widget.setWindowTitle(text.toString());
}

void showHoverHelp(QWidget& widget) {
  const QVariant text = widget.property(kHelp[english ? 1 : 0]);
  if (text.isValid()) widget.setToolTip(text.toString());
}

class LanguageFollower : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::LanguageChange) return false;
    auto* window = qobject_cast<QWidget*>(watched);
    if (!window) return false;
    showCaption(*window);
    showHoverHelp(*window);
    if (window->isWindow() && window->isVisible())
      if (auto* view = dynamic_cast<ModelWindow*>(window)) view->render();
    return false;
  }
};

}  // namespace

bool englishShown() { return english; }

void setCaption(QWidget* widget, const char* italian, const char* englishText) {
  widget->setProperty(kCaption[0], QString::fromUtf8(italian));
  widget->setProperty(kCaption[1], QString::fromUtf8(englishText));
  showCaption(*widget);
}

void setHoverHelp(QWidget* widget, const char* italian, const char* englishText) {
  widget->setProperty(kHelp[0], QString::fromUtf8(italian));
  widget->setProperty(kHelp[1], QString::fromUtf8(englishText));
  showHoverHelp(*widget);
}

/// Loads or drops Qt's Italian translations; false when they are missing.
static bool swapQtTranslations(bool toEnglish) {
  static QTranslator italian;
  static bool installed = false;
  if (toEnglish) {
    if (installed) QCoreApplication::removeTranslator(&italian);
    installed = false;
    return true;
  }
  if (!installed && italian.isEmpty() &&
      !italian.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  if (!installed) installed = QCoreApplication::installTranslator(&italian);
  return installed;
}

bool useQtLanguage(bool toEnglish) {
  english = toEnglish;
  const bool found = swapQtTranslations(toEnglish);
  // Qt tells the windows only when its translations changed; the windows'
  // own captions change in any case.
  QEvent change(QEvent::LanguageChange);
  for (QWidget* window : QApplication::topLevelWidgets()) QCoreApplication::sendEvent(window, &change);
  return found;
}

void followLanguageChanges(QApplication& app) { app.installEventFilter(new LanguageFollower(&app)); }

}  // namespace kord::gui

#include "qt_ui.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

#include "database_file_dialog.h"
#include "desktop_open.h"
#include "qt_text.h"

namespace kord::gui {
namespace {

QString titleText(const std::string& title) { return title.empty() ? QStringLiteral("Kord") : displayText(title); }

QMessageBox::Icon boxIcon(Icon icon) {
  switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Stop: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void QtUi::message(const std::string& text, const std::string& title) {
  // A printout that went to a PDF: the message says where, in the language
  // the button then speaks too.
  const QString shown = displayText(text);
  const QString pdf = takePdfNamedIn(shown);
  if (!pdf.isEmpty()) {
    const bool english = shown.startsWith(QStringLiteral("Printout"));
    offerToOpen(shown, english ? QStringLiteral("Open PDF") : QStringLiteral("Apri PDF"), pdf);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, titleText(title), displayText(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);  // messages quote names and places
  box.exec();
}

bool QtUi::askYesNo(const std::string& text, const std::string& title, Icon icon, bool defaultYes) {
  QMessageBox box(boxIcon(icon), titleText(title), displayText(text), QMessageBox::Yes | QMessageBox::No,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

std::string QtUi::inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) {
  QInputDialog box(QApplication::activeWindow());
  box.setWindowTitle(titleText(title));
  box.setLabelText(displayText(prompt));
  box.setTextValue(displayText(defaultText));
  // The prompt of the date correction starts with the person's name.
  for (QLabel* label : box.findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
  return box.exec() == QDialog::Accepted ? coreText(box.textValue()) : std::string();
}

std::string QtUi::chooseFile(FileChoice& choice) {
  QStringList filters;
  for (const std::string& filter : choice.filters) filters << displayText(filter);
  QString chosen = filters.value(0);
  const bool save = choice.purpose == FileChoice::Purpose::Save;
  const QFileDialog::Options options =
      save && !choice.confirmReplace ? QFileDialog::DontConfirmOverwrite : QFileDialog::Options();
  const QString path =
      save ? QFileDialog::getSaveFileName(QApplication::activeWindow(), displayText(choice.title),
                                          pathText(choice.start), filters.join(QStringLiteral(";;")), &chosen, options)
           : QFileDialog::getOpenFileName(QApplication::activeWindow(), displayText(choice.title),
                                          pathText(choice.start), filters.join(QStringLiteral(";;")), &chosen);
  choice.chosenFilter = std::max<int>(0, static_cast<int>(filters.indexOf(chosen)));
  return corePath(path);
}

void QtUi::runFileDialog() {
  if (auto* dialog = windows_.as<DatabaseFileDialog>(Window::DatabaseFileDialog)) dialog->run();
}

QWidget* QtUi::widgetOf(Window window) const { return windows_.widget(window); }

void QtUi::showWindow(Window window, bool visible) {
  QWidget* widget = widgetOf(window);
  if (!widget) return;
  if (!visible) {
    widget->hide();
    return;
  }
  if (auto* view = dynamic_cast<ModelWindow*>(widget)) view->render();
  // The report waits for its field chooser: the one window shown modally.
  if (window == Window::ReportFieldsDialog) {
    static_cast<QDialog*>(widget)->exec();
    return;
  }
  // A window that only follows the work (the history, the cards) stays
  // where it is in the stack once up: it must not cover the window the
  // person is working in.
  const bool quiet = widget->testAttribute(Qt::WA_ShowWithoutActivating);
  if (quiet && widget->isVisible()) return;
  widget->show();
  if (quiet) return;
  widget->raise();
  widget->activateWindow();
}

void QtUi::refresh(Window window) {
  QWidget* widget = widgetOf(window);
  if (!widget) return;
  if (auto* view = dynamic_cast<ModelWindow*>(widget)) view->render();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtUi::quit() { QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection); }

}  // namespace kord::gui

#include "qt_ui.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

#include "start_window.h"
#include "edit_card_window.h"
#include "database_file_dialog.h"
#include "history_window.h"
#include "load_progress_window.h"
#include "name_search_window.h"
#include "main_window.h"
#include "desktop_open.h"
#include "qt_text.h"
#include "skeda2_window.h"
#include "skeda_window.h"
#include "assist/assistant_window.h"
#include "book/book_window.h"
#include "book/navigate_window.h"
#include "book/sort_key_dialog.h"
#include "book/thumb_window.h"
#include "lists/report_fields_dialog.h"
#include "lists/list_window.h"
#include "lists/report_grid_window.h"
#include "stats/century_chart_window.h"
#include "stats/age_chart_window.h"
#include "stats/chart_chooser.h"
#include "trees/tree_list_window.h"
#include "trees/generation_limit_window.h"
#include "trees/tree_outline_window.h"

namespace kord::gui {
namespace {

QString titleText(const std::string& title) {
  return title.empty() ? QStringLiteral("Kord") : displayText(title);
}

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
  const QFileDialog::Options options = save && !choice.confirmReplace ? QFileDialog::DontConfirmOverwrite
                                                                      : QFileDialog::Options();
  const QString path =
      save ? QFileDialog::getSaveFileName(QApplication::activeWindow(), displayText(choice.title),
                                          pathText(choice.start), filters.join(QStringLiteral(";;")), &chosen, options)
           : QFileDialog::getOpenFileName(QApplication::activeWindow(), displayText(choice.title),
                                          pathText(choice.start), filters.join(QStringLiteral(";;")), &chosen);
  choice.chosenFilter = std::max<int>(0, static_cast<int>(filters.indexOf(chosen)));
  return corePath(path);
}

void QtUi::runFileDialog() {
  if (windows_.frmApreFile) windows_.frmApreFile->run();
}

QWidget* QtUi::widgetOf(Window window) const {
  switch (window) {
    case Window::StartWindow: return windows_.apreDB;
    case Window::DatabaseFileDialog: return windows_.frmApreFile;
    case Window::LoadProgressWindow: return windows_.leggeGenealog;
    case Window::MainWindow: return windows_.mainMenu;
    case Window::HistoryWindow: return windows_.history;
    case Window::Skeda: return windows_.skeda;
    case Window::Skeda2: return windows_.skeda2;
    case Window::NameSearchWindow: return windows_.listaNomi;
    case Window::EditCard: return windows_.editCard;
    case Window::ListWindow: return windows_.lista;
    case Window::ReportFieldsDialog: return windows_.campiReport;
    case Window::ReportGridWindow: return windows_.rapporto;
    case Window::ChartChooser: return windows_.selGraf;
    case Window::CenturyChartWindow: return windows_.grafici;
    case Window::AgeChartWindow: return windows_.graphEta;
    case Window::Navigate: return windows_.navigate;
    case Window::Thumb: return windows_.thumb;
    case Window::BookWindow: return windows_.book;
    case Window::SortKeyDialog: return windows_.schedaSort1;
    case Window::TreeListWindow: return windows_.albero;
    case Window::TreeOutlineWindow: return windows_.nest;
    case Window::GenerationLimitWindow: return windows_.generazioni;
    case Window::AssistantWindow: return windows_.assist;
    default: break;  // windows not built yet
  }
  return nullptr;
}

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

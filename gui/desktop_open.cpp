#include "desktop_open.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>
#include <utility>

namespace kord::gui {
namespace {

DesktopStandIns& standIns() {
  static DesktopStandIns instance;
  return instance;
}

QString& notedPdf() {
  static QString path;
  return path;
}

bool askToOpen(const QString& text, const QString& button) {
  if (standIns().offer) return standIns().offer(text, button);
  QMessageBox box(QMessageBox::Information, QStringLiteral("Kord"), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  QPushButton* open = box.addButton(button, QMessageBox::ActionRole);
  box.exec();
  return box.clickedButton() == open;
}

}  // namespace

void setDesktopStandIns(DesktopStandIns replacement) { standIns() = std::move(replacement); }

void openOnDesktop(const QString& path) {
  if (standIns().open) return standIns().open(path);
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void startProgram(const QStringList& arguments) {
  if (standIns().start) return standIns().start(arguments);
  QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments);
}

QString chooseFolder(QWidget* parent, const QString& title, const QString& start) {
  if (standIns().chooseFolder) return standIns().chooseFolder(start);
  return QFileDialog::getExistingDirectory(parent, title, start);
}

}  // namespace kord::gui

namespace kord::gui {

void offerToOpen(const QString& text, const QString& button, const QString& path) {
  if (askToOpen(text, button)) openOnDesktop(path);
}

void notePdfWritten(const QString& path) { notedPdf() = path; }

QString takePdfNamedIn(const QString& text) {
  if (notedPdf().isEmpty() || !text.contains(notedPdf())) return {};
  return std::exchange(notedPdf(), QString());
}

}  // namespace kord::gui

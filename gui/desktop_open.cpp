#include "desktop_open.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QProcess>
#include <QUrl>

namespace kord::gui {
namespace {

DesktopStandIns& standIns() {
  static DesktopStandIns instance;
  return instance;
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

#pragma once
/// What the program hands to the desktop: a folder for the file manager, a
/// page for the browser, a PDF for its viewer, a new run of the program,
/// and the folder chooser. Tests put stand-ins in their place.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace kord::gui {

/// Opens `path` (a file or a folder) with the desktop's program for it.
void openOnDesktop(const QString& path);
/// Starts another run of this program with `arguments`.
void startProgram(const QStringList& arguments);
/// The folder the person chooses, starting at `start`; empty when cancelled.
QString chooseFolder(QWidget* parent, const QString& title, const QString& start);

/// The stand-ins of the three above (null: the desktop's own).
struct DesktopStandIns {
  std::function<void(const QString&)> open;
  std::function<void(const QStringList&)> start;
  std::function<QString(const QString& start)> chooseFolder;
};
void setDesktopStandIns(DesktopStandIns standIns);

}  // namespace kord::gui

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

/// A message that says where finished work went, with OK and a button
/// `button` ("Apri nel browser", "Apri PDF") that opens `path` on the desktop.
void offerToOpen(const QString& text, const QString& button, const QString& path);

/// The printer notes each PDF it wrote; the next message that names it (the
/// core says where a printout went) offers "Apri PDF" / "Open PDF".
void notePdfWritten(const QString& path);
/// The PDF noted last when `text` names it (it is forgotten then); else empty.
QString takePdfNamedIn(const QString& text);

/// The stand-ins of the desktop (null: the desktop's own). `offer` answers
/// whether the person pressed the open button.
struct DesktopStandIns {
  std::function<void(const QString&)> open;
  std::function<void(const QStringList&)> start;
  std::function<QString(const QString& start)> chooseFolder;
  std::function<bool(const QString& text, const QString& button)> offer;
};
void setDesktopStandIns(DesktopStandIns standIns);

}  // namespace kord::gui

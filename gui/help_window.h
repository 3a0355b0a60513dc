#pragma once
/// The help window: the user manual in the session's language, one page at
/// a time, with the links between pages, Back, Forward and the index. The
/// pages are Markdown files named after what they describe ("trees.md") in
/// the manual folder's "it" and "en" subfolders. F1 opens the page of the
/// window it is pressed in (installHelpKey).

#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "session/session.h"

class QApplication;
class QPushButton;
class QTextBrowser;

namespace kord::gui {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  /// `manualFolder` holds the "it" and "en" folders of the manual.
  HelpWindow(const kord::Session& session, const QString& manualFolder, QWidget* parent = nullptr);

  /// Shows the manual's index and brings the window up.
  void showIndex();
  /// Shows page `name` ("trees"); a name without a page shows the index.
  void showPage(const QString& name);
  /// The page that describes `window`: by its class, "index" for a window
  /// without a page of its own.
  static QString pageFor(const QWidget* window);
  /// The index and the page of every window, each once.
  static QStringList windowPages();
  /// The page shown now ("index", "trees"); empty before any.
  QString currentPage() const;
  /// The text shown, as plain text.
  QString shownText() const;

 protected:
  /// Escape closes the window.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString pagePath(const QString& name) const;
  void renderTitles();
  void showMissingManual(const QString& path);
  /// The first showing fits the window into the screen's free area.
  void placeOnScreen();

  const kord::Session& s_;
  QString manualFolder_;
  QTextBrowser* browser_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* forward_ = nullptr;
  QPushButton* index_ = nullptr;
  bool placed_ = false;
};

/// Makes F1, pressed in any window of `app`, show that window's page.
void installHelpKey(QApplication& app, HelpWindow& help);

}  // namespace kord::gui

// The help window: "Aiuto per l'uso" opens the manual's index in the
// session's language, its links lead from page to page, F1 opens the page
// of the window it is pressed in, and every page a window names exists in
// both languages with no link leading nowhere.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include "gui_harness.h"
#include "help_window.h"

namespace kord::guitest {

class HelpTest : public QObject {
  Q_OBJECT

 private slots:
  void aiutoPerLUsoOpensTheIndexInTheSessionsLanguage();
  void linksLeadFromPageToPageAndBackReturns();
  void f1OpensThePageOfTheWindowItIsPressedIn();
  void everyWindowsPageExistsAndEveryLinkLeadsToAPage();
};

namespace {

const QString kManual = QStringLiteral(KORD_MANUAL_DIR);

struct HelpFixture : Harness {
  gui::HelpWindow help{session, kManual};
  HelpFixture() { mainMenu.setHelpWindow(&help); }
  void chooseMenu(const char* name) {
    QAction* entry = mainMenu.findChild<QAction*>(QString::fromLatin1(name));
    QVERIFY2(entry, name);
    entry->trigger();
  }
  QString firstLine() const { return help.shownText().section(QLatin1Char('\n'), 0, 0); }
};

/// Clicks the first link that reads `text` in the help window.
bool clickLink(gui::HelpWindow& help, const QString& text) {
  auto* browser = help.findChild<QTextBrowser*>(QStringLiteral("Manual"));
  QTextCursor found = browser->document()->find(text, 0, QTextDocument::FindCaseSensitively);
  while (!found.isNull() && !found.charFormat().isAnchor())
    found = browser->document()->find(text, found, QTextDocument::FindCaseSensitively);
  if (found.isNull()) return false;
  QTextCursor inside(found);
  inside.setPosition(found.selectionStart() + 1);
  QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(inside).center());
  return true;
}

QStringList linkTargets(const QString& page) {
  QFile file(page);
  if (!file.open(QIODevice::ReadOnly)) return {};
  static const QRegularExpression link(QStringLiteral("\\]\\(([^)#]+)"));
  QStringList targets;
  for (auto it = link.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();) targets << it.next().captured(1);
  return targets;
}

}  // namespace

void HelpTest::aiutoPerLUsoOpensTheIndexInTheSessionsLanguage() {
  HelpFixture f;
  f.mainMenu.show();
  f.chooseMenu("Aiuto_uso");
  QVERIFY(f.help.isVisible());
  QCOMPARE(f.help.currentPage(), QStringLiteral("index"));
  QCOMPARE(f.firstLine(), QStringLiteral("Manuale di Kord"));
  QCOMPARE(f.help.windowTitle(), QStringLiteral("Manuale di Kord"));
  f.chooseMenu("Inglese");
  f.chooseMenu("Aiuto_uso");
  QCOMPARE(f.firstLine(), QStringLiteral("Kord manual"));
  QCOMPARE(f.help.findChild<QPushButton*>(QStringLiteral("Index"))->text(), QStringLiteral("Contents"));
}

void HelpTest::linksLeadFromPageToPageAndBackReturns() {
  HelpFixture f;
  f.help.showIndex();
  QVERIFY(QTest::qWaitForWindowExposed(&f.help));
  QVERIFY(clickLink(f.help, QStringLiteral("Gli alberi")));
  QCOMPARE(f.help.currentPage(), QStringLiteral("trees"));
  QVERIFY(f.help.shownText().startsWith(QStringLiteral("Gli alberi")));
  QVERIFY(clickLink(f.help, QStringLiteral("alberi espandibili")));
  QCOMPARE(f.help.currentPage(), QStringLiteral("expandable-trees"));
  auto* back = f.help.findChild<QPushButton*>(QStringLiteral("Back"));
  QVERIFY(back->isEnabled());
  QTest::mouseClick(back, Qt::LeftButton);
  QCOMPARE(f.help.currentPage(), QStringLiteral("trees"));
}

void HelpTest::f1OpensThePageOfTheWindowItIsPressedIn() {
  HelpFixture f;
  gui::installHelpKey(*qApp, f.help);
  const std::pair<QWidget*, const char*> cases[] = {
      {&f.apreDB, "start-window"},   {&f.frmApreFile, "file-dialog"},
      {&f.mainMenu, "main-window"},  {&f.skeda, "record-cards"},
      {&f.skeda2, "record-cards"},   {&f.editCard, "editing-card"},
      {&f.listaNomi, "name-search"}, {&f.lista, "lists"},
      {&f.campiReport, "report"},    {&f.rapporto, "report"},
      {&f.history, "history"},       {&f.help, "index"},
  };
  for (const auto& [window, page] : cases) {
    window->show();
    // A control inside the window asks for the window's page too.
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, Qt::Key_F1);
    QCOMPARE(f.help.currentPage(), QString::fromLatin1(page));
    QVERIFY(f.help.isVisible());
    if (window != &f.help) window->hide();
  }
}

void HelpTest::everyWindowsPageExistsAndEveryLinkLeadsToAPage() {
  const QStringList italian = QDir(kManual + QStringLiteral("/it")).entryList({QStringLiteral("*.md")});
  const QStringList english = QDir(kManual + QStringLiteral("/en")).entryList({QStringLiteral("*.md")});
  QCOMPARE(english, italian);
  for (const QString& page : gui::HelpWindow::windowPages())
    QVERIFY2(italian.contains(page + QStringLiteral(".md")), qPrintable(page));
  for (const QString& language : {QStringLiteral("it"), QStringLiteral("en")}) {
    const QString folder = kManual + QLatin1Char('/') + language + QLatin1Char('/');
    for (const QString& page : italian)
      for (const QString& target : linkTargets(folder + page))
        QVERIFY2(QFileInfo::exists(folder + target), qPrintable(language + "/" + page + " -> " + target));
  }
}

}  // namespace kord::guitest

int runHelpTests(int argc, char** argv) {
  kord::guitest::HelpTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "help_test.moc"

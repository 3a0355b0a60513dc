// The assistant window offscreen on a copy of the sample database: the tree
// as the core builds it, its picture, a double click on a phrase of each of
// the four groups, the drop of a phrase on another and the window click.

#include <QDir>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "app_style.h"
#include "assist_icon.h"
#include "assist_tree.h"
#include "assistant_window.h"
#include "session/session.h"
#include "window_ui.h"

using namespace kord;
using gui::AssistTree;

namespace {

class NoPrinter : public Printer {
 public:
  bool setFontName(const std::string&) override { return true; }
  void setFontSize(int) override {}
  void setBold(bool) override {}
  void printLine(const std::string&, const std::string&) override {}
  void newPage() override {}
  std::string endDoc(const std::string&, const std::string&) override { return {}; }
};

/// The sample opened in a scratch folder, with the assistant beside it.
struct AssistHarness {
  QTemporaryDir dir;
  testsupport::WindowMapUi ui;
  testsupport::FixedClock clock;
  NoPrinter printer;
  Session session{ui, clock, printer};
  bool loaded = false;

  explicit AssistHarness(bool withFireIcon = true) {
    loaded = testsupport::OpenSampleCopy(dir, session, ui);
    if (!withFireIcon) std::filesystem::remove(testsupport::SampleFolder(dir) + "Fire.ico");
    ui.shown.clear();
  }
};

void doubleClickPhrase(gui::AssistantWindow& window, int position) {
  AssistTree* tree = window.tree();
  QTreeWidgetItem* item = tree->nodeItem(position);
  QVERIFY(item);
  tree->scrollToItem(item);
  const QPoint at = tree->visualItemRect(item).center();
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
}

/// Plays the end of a drag of node `dragged`: over `target`, then let go.
void dropOn(AssistTree& tree, int dragged, int target) {
  QMimeData* mime = AssistTree::nodeMime(dragged);
  const QPointF at = tree.visualItemRect(tree.nodeItem(target)).center();
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, mime, Qt::LeftButton, {});
  QCoreApplication::sendEvent(tree.viewport(), &enter);
  QDragMoveEvent move(at.toPoint(), Qt::CopyAction, mime, Qt::LeftButton, {});
  QCoreApplication::sendEvent(tree.viewport(), &move);
  QDropEvent drop(at, Qt::CopyAction, mime, Qt::LeftButton, {});
  QCoreApplication::sendEvent(tree.viewport(), &drop);
  delete mime;
}

}  // namespace

class AssistWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void treeHoldsTheCoreNodesUnderTheFourVerbs() {
    AssistHarness h;
    gui::AssistantWindow window(h.session);
    AssistTree* tree = window.tree();
    QCOMPARE(tree->objectName(), QStringLiteral("TreeView1"));
    QStringList roots;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) roots << tree->topLevelItem(i)->text(0);
    QCOMPARE(roots, (QStringList{"Seleziona", "Esplora", "Modifica", "Produci"}));
    QTreeWidgetItem* albero = tree->nodeItem(10);
    QCOMPARE(albero->text(0), QStringLiteral("su Albero"));
    QCOMPARE(albero->childCount(), 4);
    QCOMPARE(albero->child(3)->text(0), QStringLiteral("Radici dell'albero (interattivo)"));
    QCOMPARE(tree->nodeItem(1)->data(0, AssistTree::kKeyRole).toString(), QStringLiteral("a 0"));
    QCOMPARE(tree->nodeItem(37)->parent(), tree->nodeItem(4));
    QCOMPARE(tree->frameShape(), QFrame::Box);
  }

  void pictureComesFromTheDatabaseFolderOrIsDrawn() {
    AssistHarness withIcon;
    gui::AssistantWindow fromFile(withIcon.session);
    fromFile.show();
    const QImage shown = fromFile.tree()->nodeItem(5)->icon(0).pixmap(16, 16).toImage();
    const QImage file = QIcon(QString::fromStdString(withIcon.session.DbFolder + "Fire.ico")).pixmap(16, 16).toImage();
    QVERIFY(!file.isNull());
    QCOMPARE(shown, file);

    AssistHarness without(false);
    gui::AssistantWindow drawn(without.session);
    drawn.show();
    const QImage fallback = drawn.tree()->nodeItem(5)->icon(0).pixmap(16, 16).toImage();
    QVERIFY(!fallback.isNull());
    QCOMPARE(fallback, gui::drawnFlame(16).toImage());
    QVERIFY(without.ui.messages.empty());
  }

  void doubleClickRunsAPhraseOfEachGroup() {
    AssistHarness h;
    QVERIFY(h.loaded);
    gui::AssistantWindow window(h.session);
    window.show();
    h.session.NInd[0] = 40;

    doubleClickPhrase(window, 34);  // Seleziona / Per nome selezione Secondaria
    QVERIFY(h.ui.wasShown(Window::NameSearchWindow));
    QCOMPARE(h.session.Toggle, 1);

    doubleClickPhrase(window, 21);  // Esplora / su TreeListWindow / Rami dell'albero
    QVERIFY(h.ui.wasShown(Window::TreeListWindow));
    QVERIFY(!h.session.treeList.Lista.empty());
    QCOMPARE(h.session.treeList.Lista.front().data, 40);

    doubleClickPhrase(window, 17);  // Produci / ListWindow
    QVERIFY(h.ui.wasShown(Window::ListWindow));
    QVERIFY(h.session.list.Liber.size() > 60);
    QCOMPARE(h.session.NInd[0], 40);

    doubleClickPhrase(window, 14);  // Modifica / Aggiunge persona
    QCOMPARE(h.session.windowState, int(kStateNewRecord));
    QVERIFY(h.ui.wasShown(Window::EditCardWindow));
    QVERIFY(h.ui.messages.empty());

    const std::size_t shownBefore = h.ui.shown.size();
    doubleClickPhrase(window, 20);  // Produci / Rapporti: a group
    QCOMPARE(h.ui.shown.size(), shownBefore);
    QVERIFY(h.ui.messages.empty());
  }

  void droppingAPhraseOnAnotherPrintsBoth() {
    AssistHarness h;
    gui::AssistantWindow window(h.session);
    window.show();
    AssistTree* tree = window.tree();
    dropOn(*tree, 21, 5);
    QCOMPARE(window.surfaceText(), QStringLiteral("Rami dell'albero dropped on Per nome"));
    QCOMPARE(tree->dropTarget(), 0);
    QVERIFY(!tree->nodeItem(5)->data(0, Qt::BackgroundRole).isValid());
    dropOn(*tree, 5, 5);
    QCOMPARE(window.surfaceText(), QStringLiteral("Rami dell'albero dropped on Per nome"));
    QCOMPARE(tree->nodeItem(21)->parent(), tree->nodeItem(10));
    QCOMPARE(tree->nodeItem(5)->childCount(), 0);
  }

  void clickOnTheWindowDescribesTheSelectedPhrase() {
    AssistHarness h;
    gui::AssistantWindow window(h.session);
    window.show();
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(h.ui.messages.empty());
    window.tree()->nodeItem(37)->setSelected(true);
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(h.ui.messages.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(h.ui.messages.front()),
             QStringLiteral("Text: Lista delle foglie\nKey: a 37\nParent: Produci\nFirstSibling: Lista\n"
                            "LastSibling: Lista delle foglie"));
  }

  void screenshots() {
    const QString folder = QString::fromLocal8Bit(qgetenv("KORD_SHOTS"));
    if (folder.isEmpty()) QSKIP("KORD_SHOTS names no folder for the screenshots");
    QVERIFY(QDir().mkpath(folder));
    gui::applyAppStyle(*qApp);
    for (bool withFireIcon : {true, false}) {
      AssistHarness h(withFireIcon);
      gui::AssistantWindow window(h.session);
      window.show();
      window.tree()->setCurrentItem(window.tree()->nodeItem(21));
      dropOn(*window.tree(), 21, 5);
      const QString name = withFireIcon ? QStringLiteral("assist.png") : QStringLiteral("assist_drawn_icon.png");
      QVERIFY(window.grab().save(QDir(folder).filePath(name)));
    }
  }
};

QTEST_MAIN(AssistWindowTest)
#include "assist_window_test.moc"

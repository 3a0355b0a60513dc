// The tree windows offscreen on a copy of the sample database: TreeListWindow shows
// the drawing and the names decoded and lined up, its clicks move the focus
// and redraw, TreeOutlineWindow builds its outline from the indent levels and cycles six
// distinct displays, GenerationLimitWindow stores what is typed.

#include <QAction>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "qt_text.h"
#include "trees/tree_windows.h"
#include "trees_harness.h"

using namespace kord;
using namespace kord::treestest;

namespace {

QListWidget* listaOf(gui::TreeListWindow& albero) { return albero.findChild<QListWidget*>(QStringLiteral("Lista")); }
QTreeWidget* outlineOf(gui::TreeOutlineWindow& nest) { return nest.findChild<QTreeWidget*>(QStringLiteral("Lista")); }

QStringList rows(QListWidget* list) {
  QStringList texts;
  for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
  return texts;
}

QPoint rowCentre(QListWidget* list, int row) {
  list->scrollToItem(list->item(row));
  return list->visualItemRect(list->item(row)).center();
}

void clickRow(QListWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
}

void doubleClickRow(QListWidget* list, int row) {
  const QPoint at = rowCentre(list, row);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

void press(QWidget& window, const char* button) {
  auto* b = window.findChild<QPushButton*>(QString::fromLatin1(button));
  QVERIFY2(b, button);
  QTest::mouseClick(b, Qt::LeftButton);
}

/// The outline in display order: (depth below the top, text, individual).
struct OutlineRow {
  int depth;
  QString text;
  int data;
};

void collect(QTreeWidgetItem* item, int depth, std::vector<OutlineRow>& out) {
  out.push_back({depth, item->text(0), item->data(0, Qt::UserRole).toInt()});
  for (int i = 0; i < item->childCount(); ++i) collect(item->child(i), depth + 1, out);
}

std::vector<OutlineRow> outlineRows(QTreeWidget* tree) {
  std::vector<OutlineRow> out;
  for (int i = 0; i < tree->topLevelItemCount(); ++i) collect(tree->topLevelItem(i), 0, out);
  return out;
}

QTreeWidgetItem* findOutlineItem(QTreeWidget* tree, const QString& text) {
  const QList<QTreeWidgetItem*> found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  return found.isEmpty() ? nullptr : found.first();
}

}  // namespace

class TreeWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void alberoShowsDecodedLinesInALineDrawingFont();
  void alberoDetailLinesKeepTheBarOfTheirLevel();
  void alberoClickMovesTheFocusAndRefreshesTheCard();
  void alberoDoubleClickRedrawsFromThatLine();
  void alberoCommand1ClimbsOneGeneration();
  void alberoMenuClosesAndPrints();
  void alberoEscapeClosesAndTheNextTreeStartsEmpty();
  void nestOutlineFollowsTheIndentLevels();
  void nestClickMovesTheFocus();
  void nestStileCyclesSixDistinctDisplays();
  void nestChiudiAndEscapeEmptyTheOutline();
  void generazioniStoresWhatIsTyped();
};

void TreeWindowsTest::alberoShowsDecodedLinesInALineDrawingFont() {
  TreesHarness h;
  QVERIFY(h.openSample());
  h.session.NInd[0] = 2;
  TreeCommand(h.session, TreeCaller::Albero_rami, TreeView::List);
  QVERIFY(h.albero.isVisible());
  QCOMPARE(h.albero.windowTitle(), QStringLiteral("Albero"));
  QListWidget* lista = listaOf(h.albero);
  QVERIFY(lista);
  const QStringList texts = rows(lista);
  QCOMPARE(texts.size(), static_cast<qsizetype>(h.session.treeList.Lista.size()));
  QCOMPARE(texts.at(0), QStringLiteral("Pavan Giovanni Battista (2)"));
  QCOMPARE(texts.at(1), QString::fromUtf8("  ├─(Da Ros Caterina) Pavan Nicolò"));
  QVERIFY(texts.contains(QString::fromUtf8("  │ │ │ │ ├─(Dal Bò Débora) Pavan Mario")));
  QVERIFY(texts.contains(QString::fromUtf8("  │ │ │ │ │ │ │ └─(Moro Valentina) Pavan Alice")));
  for (int i = 0; i < lista->count(); ++i)
    QCOMPARE(lista->item(i)->data(Qt::UserRole).toInt(), h.session.treeList.Lista[i].data);

  // Connectors line up only when every drawing glyph is as wide as a blank.
  const QFontInfo info(lista->font());
  QVERIFY2(info.fixedPitch(), qPrintable(info.family()));
  const QFontMetrics metrics(lista->font());
  for (char32_t glyph : {U'\u2502', U'\u251C', U'\u2514', U'\u2500'}) {
    QVERIFY(metrics.inFontUcs4(glyph));
    QCOMPARE(metrics.horizontalAdvance(QString::fromUcs4(&glyph, 1)), metrics.horizontalAdvance(QLatin1Char(' ')));
  }
  // The deepest lines are wider than the window: they scroll, not wrap.
  h.albero.resize(300, 300);
  QTest::qWait(20);
  QVERIFY(lista->horizontalScrollBar()->maximum() > 0);
}

void TreeWindowsTest::alberoDetailLinesKeepTheBarOfTheirLevel() {
  TreesHarness h;
  QVERIFY(h.openSample());
  h.session.CardWithTree = true;
  h.session.NInd[0] = 67;
  TreeCommand(h.session, TreeCaller::Albero_Radici, TreeView::List);
  const QStringList texts = rows(listaOf(h.albero));
  QCOMPARE(texts.at(0), QStringLiteral("Pavan Leonardo (67)"));
  QCOMPARE(texts.at(1), QString::fromUtf8("  │   Data Nascita 2008 Milano"));
  QCOMPARE(texts.at(2), QStringLiteral("  ├─Pavan Luca"));
  QVERIFY(texts.contains(QString::fromUtf8("  │ │ │ ├─Pavan Nicolò Giuseppe")));
  QVERIFY(texts.contains(QString::fromUtf8("  │ │ │ │ │   Data Sepoltur. 04/05/1960 Cimitero di Sacile")));
}

void TreeWindowsTest::alberoClickMovesTheFocusAndRefreshesTheCard() {
  TreesHarness h;
  QVERIFY(h.openSample());
  h.session.NInd[0] = 2;
  TreeCommand(h.session, TreeCaller::Albero_rami, TreeView::List);
  QListWidget* lista = listaOf(h.albero);
  const int row = static_cast<int>(rows(lista).indexOf(QString::fromUtf8("  │ │ │ │ ├─(Zanin Elena) Pavan Giovanni")));
  QVERIFY(row > 0);
  const int stateBefore = h.session.windowState;
  clickRow(lista, row);
  QCOMPARE(h.session.NInd[0], 31);
  QCOMPARE(gui::displayText(h.session.focusCard.values[Name]), QStringLiteral("Pavan Giovanni"));
  QCOMPARE(h.session.windowState, stateBefore);

  // Below the last line there is no item: nothing is selected.
  h.session.NInd[0] = 3;
  h.albero.resize(600, 2000);
  QTest::qWait(20);
  const QRect last = lista->visualItemRect(lista->item(lista->count() - 1));
  QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, QPoint(20, last.bottom() + 30));
  QCOMPARE(h.session.NInd[0], 3);
}

void TreeWindowsTest::alberoDoubleClickRedrawsFromThatLine() {
  TreesHarness h;
  QVERIFY(h.openSample());
  h.session.NInd[0] = 2;
  TreeCommand(h.session, TreeCaller::Albero_rami, TreeView::List);
  QListWidget* lista = listaOf(h.albero);
  const qsizetype before = lista->count();
  doubleClickRow(lista, 2);
  const QStringList texts = rows(lista);
  QCOMPARE(texts.at(0), QStringLiteral("Pavan Giuseppe (11)"));
  QCOMPARE(texts.at(1), QStringLiteral("  ├─(Zanette Lucia) Pavan Antonio"));
  QVERIFY(texts.size() < before);
  QCOMPARE(texts.filter(QStringLiteral("(2)")).size(), 0);
  QCOMPARE(texts.size(), static_cast<qsizetype>(h.session.treeList.Lista.size()));
  QCOMPARE(h.session.NInd[0], 11);
}

void TreeWindowsTest::alberoCommand1ClimbsOneGeneration() {
  TreesHarness h;
  QVERIFY(h.openSample());
  h.session.NInd[0] = 11;
  TreeCommand(h.session, TreeCaller::Albero_rami, TreeView::List);
  auto* command1 = h.albero.findChild<QToolButton*>(QStringLiteral("Command1"));
  QVERIFY(command1);
  QVERIFY(!command1->icon().isNull());
  QVERIFY(!command1->toolTip().isEmpty());
  QTest::mouseClick(command1, Qt::LeftButton);
  QStringList texts = rows(listaOf(h.albero));
  QCOMPARE(texts.at(0), QString::fromUtf8("Pavan Nicolò (7)"));
  QCOMPARE(texts.at(1), QStringLiteral("  ├─(Furlan Angela) Pavan Giuseppe"));

  // Pavan Nicolò's first parent starts the family: no parent above him.
  QTest::mouseClick(command1, Qt::LeftButton);
  QCOMPARE(rows(listaOf(h.albero)).at(0), QStringLiteral("Pavan Giovanni Battista (2)"));
  h.ui.messages.clear();
  QTest::mouseClick(command1, Qt::LeftButton);
  QCOMPARE(listaOf(h.albero)->count(), 0);
  QCOMPARE(h.ui.messages, std::vector<std::string>{"Individuo non Definito"});
  // Nothing to climb from now: the button does nothing.
  QTest::mouseClick(command1, Qt::LeftButton);
  QCOMPARE(h.ui.messages.size(), std::size_t{1});
}

void TreeWindowsTest::alberoMenuClosesAndPrints() {
  TreesHarness h;
  QVERIFY(h.openSample());
  h.session.NInd[0] = 2;
  TreeCommand(h.session, TreeCaller::Albero_rami, TreeView::List);
  QListWidget* lista = listaOf(h.albero);
  auto* menu = h.albero.findChild<QMenu*>(QStringLiteral("Menuutente"));
  QVERIFY(menu);
  QTest::mousePress(lista->viewport(), Qt::RightButton, {}, rowCentre(lista, 1));
  QVERIFY(menu->isVisible());
  const QList<QAction*> actions = menu->actions();
  QCOMPARE(actions.size(), 2);
  QCOMPARE(actions.at(0)->text(), QStringLiteral("Chiudi"));
  QCOMPARE(actions.at(1)->text(), QStringLiteral("Stampa Form"));
  menu->hide();
  // The right button does not pick the line.
  QCOMPARE(h.session.NInd[0], 2);

  actions.at(1)->trigger();
  QCOMPARE(h.ui.messages.size(), std::size_t{1});
  const QFileInfo pdf(QString::fromStdString(h.dbFolder()) + QStringLiteral("Albero.pdf"));
  QVERIFY2(pdf.exists() && pdf.size() > 0, qPrintable(QString::fromStdString(h.ui.messages.front())));

  actions.at(0)->trigger();
  QVERIFY(!h.albero.isVisible());
  QVERIFY(h.session.treeList.Lista.empty());
  QCOMPARE(lista->count(), 0);
}

void TreeWindowsTest::alberoEscapeClosesAndTheNextTreeStartsEmpty() {
  TreesHarness h;
  QVERIFY(h.openSample());
  h.session.NInd[0] = 11;
  TreeCommand(h.session, TreeCaller::Albero_rami, TreeView::List);
  const qsizetype one = listaOf(h.albero)->count();
  // A second tree while the window is open goes below the first.
  TreeCommand(h.session, TreeCaller::Albero_rami, TreeView::List);
  QCOMPARE(listaOf(h.albero)->count(), 2 * one);

  QTest::keyClick(listaOf(h.albero), Qt::Key_Escape);
  QVERIFY(!h.albero.isVisible());
  QVERIFY(h.session.treeList.Lista.empty());
  TreeCommand(h.session, TreeCaller::Albero_rami, TreeView::List);
  QCOMPARE(listaOf(h.albero)->count(), one);

  // Closing by the frame empties the list too.
  h.albero.close();
  QVERIFY(h.session.treeList.Lista.empty());
  QVERIFY(!h.session.treeList.visible);
}

void TreeWindowsTest::nestOutlineFollowsTheIndentLevels() {
  for (const bool card : {false, true}) {
    TreesHarness h;
    QVERIFY(h.openSample());
    h.session.CardWithTree = card;
    h.session.NInd[0] = 2;
    TreeCommand(h.session, TreeCaller::Albero_rami, TreeView::Outline);
    QVERIFY(h.nest.isVisible());
    QCOMPARE(h.nest.windowTitle(), QStringLiteral("Interactive Tree"));
    const std::vector<OutlineRow> shown = outlineRows(outlineOf(h.nest));
    const std::vector<NestItem>& model = h.session.treeOutline.Lista;
    QCOMPARE(shown.size(), model.size());
    int deepest = 0;
    for (std::size_t i = 0; i < model.size(); ++i) {
      QCOMPARE(shown[i].depth, model[i].level);
      QCOMPARE(shown[i].text, gui::displayText(model[i].text));
      QCOMPARE(shown[i].data, model[i].data);
      deepest = std::max(deepest, shown[i].depth);
    }
    QCOMPARE(outlineOf(h.nest)->topLevelItemCount(), 1);
    QVERIFY(findOutlineItem(outlineOf(h.nest), QString::fromUtf8("(Dal Bò Débora) Pavan Mario")));
    QCOMPARE(h.nest.findChild<QLineEdit*>(QStringLiteral("Text1"))->text(),
             QString::number(h.session.tables.LastIndex));
    QCOMPARE(h.nest.findChild<QLineEdit*>(QStringLiteral("Text2"))->text(), QString::number(model.size()));
    QCOMPARE(h.nest.findChild<QLineEdit*>(QStringLiteral("Text3"))->text(), QString::number(deepest - 1));
  }
}

void TreeWindowsTest::nestClickMovesTheFocus() {
  TreesHarness h;
  QVERIFY(h.openSample());
  h.session.NInd[0] = 2;
  TreeCommand(h.session, TreeCaller::Albero_rami, TreeView::Outline);
  QTreeWidget* tree = outlineOf(h.nest);
  QTreeWidgetItem* item = findOutlineItem(tree, QString::fromUtf8("(Furlan Gina) Pavan Gioè"));
  QVERIFY(item);
  tree->scrollToItem(item);
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
  QCOMPARE(h.session.NInd[0], item->data(0, Qt::UserRole).toInt());
  QCOMPARE(gui::displayText(h.session.focusCard.values[Name]), QString::fromUtf8("Pavan Gioè"));
}

void TreeWindowsTest::nestStileCyclesSixDistinctDisplays() {
  TreesHarness h;
  QVERIFY(h.openSample());
  h.session.NInd[0] = 11;
  TreeCommand(h.session, TreeCaller::Albero_rami, TreeView::Outline);
  QTreeWidget* tree = outlineOf(h.nest);
  QTreeWidgetItem* antonio = findOutlineItem(tree, QStringLiteral("(Zanette Lucia) Pavan Antonio"));
  QVERIFY(antonio);
  antonio->setExpanded(false);
  // The buttons take the keyboard focus; so must the first picture.
  h.nest.findChild<QPushButton*>(QStringLiteral("Command3D1_2"))->setFocus();
  QTest::qWait(20);
  QList<QImage> looks{tree->viewport()->grab().toImage()};
  for (int press_ = 1; press_ <= 6; ++press_) {
    press(h.nest, "Command3D1_2");
    QCOMPARE(h.session.treeOutline.style, press_ % 6);
    QTest::qWait(20);
    looks << tree->viewport()->grab().toImage();
  }
  // Six different pictures, and the seventh is the first again.
  for (int a = 0; a < 6; ++a)
    for (int b = a + 1; b < 6; ++b) QVERIFY2(looks[a] != looks[b], qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));
  QCOMPARE(looks[6], looks[0]);
  // A change of style keeps what the person closed.
  QVERIFY(!antonio->isExpanded());
  QCOMPARE(outlineRows(tree).size(), h.session.treeOutline.Lista.size());
}

void TreeWindowsTest::nestChiudiAndEscapeEmptyTheOutline() {
  TreesHarness h;
  QVERIFY(h.openSample());
  h.session.NInd[0] = 11;
  TreeCommand(h.session, TreeCaller::Albero_rami, TreeView::Outline);
  QCOMPARE(h.nest.findChild<QPushButton*>(QStringLiteral("Command3D1_0"))->text(), QStringLiteral("Print Form"));
  press(h.nest, "Command3D1_1");
  QVERIFY(!h.nest.isVisible());
  QCOMPARE(outlineOf(h.nest)->topLevelItemCount(), 0);
  QCOMPARE(h.nest.findChild<QLineEdit*>(QStringLiteral("Text2"))->text(), QStringLiteral("0"));

  TreeCommand(h.session, TreeCaller::Albero_rami, TreeView::Outline);
  QVERIFY(h.nest.isVisible());
  QTest::keyClick(outlineOf(h.nest), Qt::Key_Escape);
  QVERIFY(!h.nest.isVisible());
  QVERIFY(h.session.treeOutline.Lista.empty());
}

void TreeWindowsTest::generazioniStoresWhatIsTyped() {
  TreesHarness h;
  QVERIFY(h.openSample());
  ShowGenerationLimit(h.session);
  QVERIFY(h.generazioni.isVisible());
  QCOMPARE(h.generazioni.windowTitle(), QStringLiteral("Generazioni"));
  auto* box = h.generazioni.findChild<QLineEdit*>(QStringLiteral("Gen_Valore"));
  QVERIFY(box);
  QCOMPARE(box->text(), QStringLiteral("30"));

  // Only whole numbers from 0 to 30 get into the box: "abc" once set 0.
  const struct {
    const char* typed;
    const char* shown;
    int limit;
  } cases[] = {{"2", "2", 2}, {"x", "", 2}, {"12", "12", 12}, {"-3", "3", 3}, {"35", "3", 3}, {"1a0", "10", 10}};
  for (const auto& c : cases) {
    box->clear();
    QTest::keyClicks(box, QString::fromLatin1(c.typed));
    QCOMPARE(box->text(), QString::fromLatin1(c.shown));
    QCOMPARE(h.session.MaxGenerations, c.limit);
  }
  // The limit holds at once for the next tree: children and grandchildren.
  box->clear();
  QTest::keyClicks(box, QStringLiteral("2"));
  h.session.NInd[0] = 2;
  TreeCommand(h.session, TreeCaller::Albero_rami, TreeView::Outline);
  int deepest = 0;
  for (const OutlineRow& row : outlineRows(outlineOf(h.nest))) deepest = std::max(deepest, row.depth);
  QCOMPARE(deepest, 2);

  box->clear();
  QTest::keyClick(box, Qt::Key_Escape);
  QVERIFY(!h.generazioni.isVisible());
  QCOMPARE(h.session.MaxGenerations, 2);
  QCOMPARE(box->text(), QStringLiteral("2"));  // an empty box shows the limit in force
}

QTEST_MAIN(TreeWindowsTest)
#include "tree_windows_test.moc"

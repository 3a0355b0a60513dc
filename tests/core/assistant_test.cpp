// The assistant: its tree and keys, the dispatcher, the preconditions and
// window-state guards of its commands, the focus kept across lists, census
// and report, and the texts of the window click and the drop.

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "app/assistant.h"
#include "app/file_dialog.h"
#include "app/open_database.h"
#include "book/book_commands.h"
#include "database_copy.h"
#include "lists/report.h"
#include "lists/standard_lists.h"
#include "records/focus_panel.h"

namespace kord {
namespace {

/// The sample copy with the messages of its opening forgotten.
struct SampleAssist : test::SampleCopy {
  SampleAssist() { forget(); }
  void forget() {
    ui.messages.clear();
    ui.shown.clear();
  }
  void dblClick(int position) { AssistDblClick(session, AssistNodeAt(position)->key); }
  bool wasShown(Window w) const {
    for (const auto& [window, visible] : ui.shown)
      if (window == w && visible) return true;
    return false;
  }
  bool switchesIdle() const {
    return session.NavigatorFocus && !session.WalkAll && !session.OutputToFile && !session.DetailLines;
  }
};

/// Nodes whose command does nothing at all.
const int kGroupNodes[] = {1, 2, 3, 4, 10, 12, 13, 20, 27, 28, 31};
/// Nodes that need a focus (or WalkAll) and stay silent without one.
const int kFocusNodes[] = {6, 7, 8, 9, 11, 17, 18, 25, 26, 29, 30, 36, 37};

TEST(AssistTree, ThirtySevenNodesEachAfterItsParent) {
  const auto& nodes = AssistNodes();
  ASSERT_EQ(nodes.size(), 37u);
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    EXPECT_EQ(nodes[i].position, static_cast<int>(i) + 1);
    EXPECT_LT(nodes[i].parent, nodes[i].position) << nodes[i].caption;
  }
  EXPECT_EQ(AssistNodeAt(36)->caption, "Lista delle radici");
  EXPECT_EQ(AssistNodeAt(36)->parent, 4);
  EXPECT_EQ(AssistNodeAt(0), nullptr);
  EXPECT_EQ(AssistNodeAt(38), nullptr);
}

TEST(AssistTree, KeysFollowTheCounterAndTheDispatcherReadsThemBack) {
  EXPECT_EQ(AssistNodeAt(1)->key, "a 0") << "the first node carries the counter's start";
  for (const AssistNode& node : AssistNodes()) {
    SCOPED_TRACE(node.caption);
    const int number = node.position == 1 ? 0 : node.position;
    EXPECT_EQ(node.key, "a " + std::to_string(number));
    EXPECT_EQ(AssistNodeNumber(node.key), number);
  }
  EXPECT_EQ(AssistKey(5), "a 5");
}

TEST(AssistTree, KeysThatCannotBeReadGiveNoNumber) {
  for (const char* key : {"", "a", "a ", "a x", "a 12x", "a 1 2"}) EXPECT_FALSE(AssistNodeNumber(key)) << key;
  EXPECT_EQ(AssistNodeNumber("ab7"), 7) << "only the part from the third character counts";
}

TEST(AssistTexts, DescriptionSkipsTheRelationsANodeLacks) {
  EXPECT_EQ(AssistDescription(1),
            "Text: Seleziona\nKey: a 0\nFirstSibling: Seleziona\nLastSibling: Produci\nNext: Esplora");
  EXPECT_EQ(
      AssistDescription(37),
      "Text: Lista delle foglie\nKey: a 37\nParent: Produci\nFirstSibling: Lista\nLastSibling: Lista delle foglie");
  EXPECT_EQ(AssistDescription(22),
            "Text: Radici dell'albero\nKey: a 22\nParent: su Albero\nFirstSibling: Rami dell'albero\n"
            "LastSibling: Radici dell'albero (interattivo)\nNext: Rami dell'albero (interattivo)");
  EXPECT_EQ(AssistDescription(0), "") << "no node selected";
}

TEST(AssistTexts, DropNamesBothNodesButNotADropOnItself) {
  EXPECT_EQ(AssistDropText(21, 5), "Rami dell'albero dropped on Per nome");
  EXPECT_EQ(AssistDropText(5, 5), "");
  EXPECT_EQ(AssistDropText(5, 0), "") << "no target highlighted";
}

TEST(AssistCommands, GroupNodesAndUnknownNumbersDoNothing) {
  SampleAssist f;
  ASSERT_TRUE(f.loaded);
  for (int position : kGroupNodes) f.dblClick(position);
  for (int number : {1, 38, -4}) RunAssistCommand(f.session, number);
  AssistDblClick(f.session, "a");
  EXPECT_TRUE(f.ui.messages.empty());
  EXPECT_TRUE(f.ui.shown.empty());
  EXPECT_EQ(f.session.NInd[0], 2);
  EXPECT_EQ(f.session.windowState, kStateIdle);
  EXPECT_TRUE(f.session.list.Liber.empty());
  EXPECT_TRUE(f.session.treeList.Lista.empty());
  EXPECT_TRUE(f.switchesIdle());
}

TEST(AssistCommands, TheFourListNodesGiveTheSameGeneralList) {
  SampleAssist reference;
  ASSERT_TRUE(reference.loaded);
  ListCommand(reference.session, ListMode::General, false);
  ASSERT_GT(reference.session.list.Liber.size(), 60u);
  for (int position : {17, 25, 7, 11}) {
    SampleAssist f;
    f.dblClick(position);
    EXPECT_EQ(f.session.list.Liber, reference.session.list.Liber) << AssistNodeAt(position)->caption;
    EXPECT_TRUE(f.wasShown(Window::ListWindow));
  }
}

TEST(AssistCommands, WithoutAFocusTheFocusNodesDoNothingAndSayNothing) {
  for (int position : kFocusNodes) {
    SampleAssist f;
    f.session.NInd[0] = 0;
    f.dblClick(position);
    SCOPED_TRACE(AssistNodeAt(position)->caption);
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_TRUE(f.ui.shown.empty());
    EXPECT_EQ(f.session.windowState, kStateIdle);
    EXPECT_TRUE(f.switchesIdle());
    EXPECT_TRUE(f.session.list.Liber.empty());
    EXPECT_TRUE(f.session.book.Liber.empty());
    EXPECT_TRUE(f.session.navigate.w1[0].empty());
  }
}

TEST(AssistCommands, CensusAndReportWithASecondaryWindowOpenOnlySaySo) {
  struct Case {
    int position;
    const char* message;
  };
  const Case cases[] = {{18, "Chiudere le finestre secondarie prima di generare il censimento"},
                        {29, "Chiudere le finestre secondarie prima di generare il rapporto"}};
  for (const Case& c : cases)
    for (int state : {kStateNewRecord, kStateCensus, kStateReportChooser}) {
      SampleAssist f;
      f.session.windowState = static_cast<kord::WindowState>(state);
      f.dblClick(c.position);
      EXPECT_EQ(f.ui.messages, std::vector<std::string>{c.message});
      EXPECT_EQ(f.session.windowState, state);
      EXPECT_TRUE(f.switchesIdle());
      EXPECT_TRUE(f.session.book.Liber.empty());
      EXPECT_FALSE(f.wasShown(Window::ReportFieldsDialog));
    }
}

TEST(AssistCommands, ListsCensusAndReportKeepTheFocusChosenBefore) {
  for (int position : {7, 11, 17, 25, 36, 37, 18, 30}) {
    SampleAssist f;
    f.session.NInd[0] = 40;
    f.dblClick(position);
    SCOPED_TRACE(AssistNodeAt(position)->caption);
    EXPECT_EQ(f.session.NInd[0], 40);
    EXPECT_EQ(f.session.windowState, kStateIdle);
    EXPECT_TRUE(f.switchesIdle());
    EXPECT_TRUE(f.ui.messages.empty()) << ::testing::PrintToString(f.ui.messages);
  }
}

TEST(AssistCommands, ReportOpensTheChooserWithTheWalkSwitchesThenKeepsTheFocus) {
  SampleAssist f;
  f.session.NInd[0] = 40;
  f.dblClick(29);
  EXPECT_EQ(f.session.windowState, kStateReportChooser);
  EXPECT_TRUE(f.wasShown(Window::ReportFieldsDialog));
  EXPECT_TRUE(f.session.WalkAll && f.session.OutputToFile && f.session.DetailLines);
  EXPECT_FALSE(f.session.NavigatorFocus);
  EXPECT_EQ(f.session.report.checkCaptions[0], f.session.tables.FieldCaptions[1]);
  f.session.report.Check1[0] = true;
  PressReportFieldsButton(f.session, ReportFieldsButton::Report);
  EXPECT_EQ(f.session.NInd[0], 40);
  EXPECT_EQ(f.session.windowState, kStateIdle);
  EXPECT_TRUE(f.switchesIdle());
  EXPECT_EQ(f.session.report.Grid1.size(), static_cast<std::size_t>(f.session.tables.LastIndex));
}

TEST(AssistCommands, SortedListOpensTheKeyWindowAndItsRunKeepsTheFocus) {
  for (int position : {8, 26}) {
    SampleAssist f;
    f.session.NInd[0] = 40;
    f.dblClick(position);
    EXPECT_TRUE(f.wasShown(Window::SortKeyDialog));
    EXPECT_EQ(f.session.savedFocus, 40);
    EXPECT_TRUE(f.session.WalkAll && f.session.OutputToFile && f.session.DetailLines);
    EXPECT_FALSE(f.session.NavigatorFocus);
    ASSERT_TRUE(SortedBookRun(f.session, 4));
    EXPECT_EQ(f.session.NInd[0], 40);
    EXPECT_TRUE(f.switchesIdle());
    EXPECT_GT(f.session.list.Liber.size(), 60u);
  }
}

TEST(AssistCommands, AddIndividualAndStructureFollowTheWindowState) {
  const std::string editOpen = "La finestra di modifica \xE8 gi\xE0 attiva";
  const std::string closeEdits = " Chiudere le finestre di modifica prima di aggiungere nuovi record";
  struct Case {
    int position, state, focus;
    std::vector<std::string> messages;
    int stateAfter;
  };
  const Case cases[] = {
      {14, kStateIdle, 40, {}, kStateNewRecord},
      {15, kStateIdle, 40, {}, kStateNewRecord},
      {14, kStateIdle, 0, {"Effettuare una selezione"}, kStateIdle},
      {15, kStateIdle, 0, {"Effettuare una selezione"}, kStateIdle},
      {14, kStateNewRecord, 40, {editOpen}, kStateNewRecord},
      {15, kStateNewRecord, 40, {closeEdits}, kStateNewRecord},
      {15, kStateCensus, 40, {}, kStateNewRecord},
  };
  for (const Case& c : cases) {
    SampleAssist f;
    f.session.windowState = static_cast<kord::WindowState>(c.state);
    f.session.NInd[0] = c.focus;
    const int lastIndex = f.session.tables.LastIndex;
    f.dblClick(c.position);
    SCOPED_TRACE(std::to_string(c.position) + " in state " + std::to_string(c.state));
    EXPECT_EQ(f.ui.messages, c.messages);
    EXPECT_EQ(f.session.windowState, c.stateAfter);
    EXPECT_EQ(f.session.RequestedRecordKind, c.position) << "remembered whatever the outcome";
    EXPECT_EQ(f.session.tables.LastIndex, lastIndex) << "a requested kind reserves no index";
    const bool ran = c.messages.empty();
    EXPECT_EQ(f.wasShown(Window::EditCardWindow), ran);
    if (ran) {
      EXPECT_EQ(f.session.editCard.index, 40);
    }
    EXPECT_EQ(f.session.NewRecordMode, !ran) << "the add clears NewRecordMode";
  }
}

TEST(AssistCommands, NameSearchNodesSetTheSlotAndTheCaption) {
  SampleAssist f;
  f.dblClick(34);
  EXPECT_EQ(f.session.Toggle, 1);
  EXPECT_EQ(f.session.nameSearch.caption, "Seleziona parente da localizzare");
  EXPECT_TRUE(f.wasShown(Window::NameSearchWindow));
  f.dblClick(5);
  EXPECT_EQ(f.session.Toggle, 0);
  EXPECT_EQ(f.session.nameSearch.caption, "Lista Nomi Individui");
}

TEST(AssistCommands, PassaggiShowsTheNameSearchWithItsSelectionEmptied) {
  SampleAssist f;
  f.session.nameSearch.Individuo = "Pavan Mario";
  f.session.nameSearch.InputNome = "Pav";
  f.dblClick(16);
  EXPECT_EQ(f.session.nameSearch.Individuo, "");
  EXPECT_EQ(f.session.nameSearch.InputNome, "Pav") << "only the selection boxes are emptied";
  EXPECT_TRUE(f.wasShown(Window::NameSearchWindow));
}

TEST(AssistCommands, ExploreNodesFillTheirWindows) {
  SampleAssist f;
  f.dblClick(21);
  ASSERT_FALSE(f.session.treeList.Lista.empty());
  EXPECT_EQ(f.session.treeList.Lista.front().text, "Pavan Giovanni Battista (2)");
  f.dblClick(24);
  EXPECT_FALSE(f.session.treeOutline.Lista.empty());
  f.dblClick(9);
  EXPECT_FALSE(f.session.navigate.w1[0].empty());
  EXPECT_TRUE(f.switchesIdle());

  SampleAssist kin;
  kin.session.NInd = {67, 2};
  ShowFocusPanel(kin.session);  // the kinship search starts from the card's individual
  kin.dblClick(33);
  EXPECT_EQ(kin.session.FirstCommon, 2) << "the first common ancestor";
  kin.dblClick(35);
  EXPECT_EQ(kin.session.NInd[0], 2);
  EXPECT_EQ(kin.session.NInd[1], 67);
}

/// A person whose windows fail to open.
class FailingUi : public test::FakeUi {
 public:
  void showWindow(Window, bool) override { throw std::runtime_error("window failed"); }
};

TEST(AssistCommands, AFailingCommandEndsQuietlyAndTheTreeStaysUsable) {
  FailingUi ui;
  test::FixedClock clock;
  test::FakePrinter printer;
  Session s(ui, clock, printer);
  s.NInd = {2, 3};
  s.tables.LastIndex = 3;
  EXPECT_NO_THROW(AssistDblClick(s, AssistNodeAt(17)->key));
  EXPECT_NO_THROW(AssistDblClick(s, AssistNodeAt(35)->key));
  EXPECT_EQ(s.NInd[0], 3) << "the next command still ran";
  EXPECT_EQ(s.NInd[1], 2);
}

}  // namespace
}  // namespace kord

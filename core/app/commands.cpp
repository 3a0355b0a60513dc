#include "app/commands.h"

#include <algorithm>
#include <optional>

#include "app/command_handlers.h"
#include "app/create_database.h"
#include "app/exchange_flow.h"
#include "app/main_menu.h"
#include "app/open_database.h"
#include "book/book_commands.h"
#include "lists/name_search.h"
#include "lists/report.h"
#include "records/focus_panel.h"
#include "records/record_card.h"
#include "stats/statistics_command.h"
#include "trees/tree_windows.h"

namespace kord {
namespace {

using P = Precondition;

const std::vector<Command>& table() {
  static const std::vector<Command> rows = {
      // The menu bar, menu by menu.
      {.id = "openDatabase", .controls = {"Legge_genealogia"}, .handler = [](Session& s) { OpenDatabaseAsked(s); }},
      {.id = "createDatabase", .controls = {"CreaDB"}, .handler = CreateDatabaseFromMenu},
      {.id = "importGedcom", .controls = {"Importa_GEDCOM"}},
      {.id = "goToNumber", .controls = {"Num_individuo"}, .precondition = P::DatabaseLoaded, .shows = Shows::Cards},
      {.id = "listEveryoneFromMenu",
       .controls = {"Lettura_individui", "Lista_Alfabetica"},
       .precondition = P::DatabaseLoaded,
       .handler = ListEveryoneFromMenu,
       .shows = Shows::Lista},
      {.id = "showFocusCard",
       .controls = {"Visualizza_dati"},
       .precondition = P::DatabaseLoaded,
       .handler = ShowFocusCardAgain,
       .shows = Shows::Cards},
      {.id = "addIndividual",
       .controls = {"Dati_personali", "EditSkeda(1)"},
       .precondition = P::DatabaseLoaded,
       .handler = StartNewIndividual,
       .shows = Shows::EditCard,
       .helpLabel = 18},
      {.id = "readCard", .controls = {"legge_scheda"}, .precondition = P::DatabaseLoaded, .handler = ReadCardShown},
      {.id = "exit", .controls = {"Exit"}, .handler = ExitProgram},
      {.id = "rootsTreeFromMenu",
       .controls = {"Albero_Radici(0)"},
       .precondition = P::DatabaseLoaded,
       .handler = RootsTreeFromMenu,
       .shows = Shows::Albero},
      {.id = "branchesTreeFromMenu",
       .controls = {"Albero_rami(0)"},
       .precondition = P::DatabaseLoaded,
       .handler = BranchesTreeFromMenu,
       .shows = Shows::Albero},
      {.id = "rootsOutlineFromMenu",
       .controls = {"Albero_Radici(1)"},
       .precondition = P::DatabaseLoaded,
       .handler = RootsOutlineFromMenu,
       .shows = Shows::Nest},
      {.id = "branchesOutlineFromMenu",
       .controls = {"Albero_rami(1)"},
       .precondition = P::DatabaseLoaded,
       .handler = BranchesOutlineFromMenu,
       .shows = Shows::Nest},
      // The generation limit can be set before any database is open.
      {.id = "generationLimit", .controls = {"Profondita_albero"}, .handler = ShowGenerationLimit},
      {.id = "navigatorFromMenu",
       .controls = {"Navigatore"},
       .precondition = P::DatabaseLoaded,
       .handler = NavigatorFromMenu,
       .shows = Shows::Navigate},
      {.id = "listRootsFromMenu",
       .controls = {"Lista_Capifamiglia"},
       .precondition = P::DatabaseLoaded,
       .handler = ListRootsFromMenu,
       .shows = Shows::Lista},
      {.id = "listLeavesFromMenu",
       .controls = {"Lista_Ultimi_Discendenti"},
       .precondition = P::DatabaseLoaded,
       .handler = ListLeavesFromMenu,
       .shows = Shows::Lista},
      {.id = "showNames",
       .controls = {"Visualizza_nomi"},
       .precondition = P::DatabaseLoaded,
       .handler = ShowNameSearchForFocus,
       .shows = Shows::NameSearch},
      {.id = "familyBookWithSite",
       .controls = {"Libro_Famiglia"},
       .precondition = P::DatabaseLoaded,
       .handler = WholeFamilyBook,
       .shows = Shows::Book},
      {.id = "toggleOutputToFile", .controls = {"stampa_su_file"}, .handler = ToggleOutputToFile},
      {.id = "toggleCardWithTree", .controls = {"scheda_anagrafica"}, .handler = ToggleCardWithTree},
      {.id = "togglePrintImmediately", .controls = {"Stampa_Immediata_Albero"}, .handler = TogglePrintImmediately},
      {.id = "checkDatabase", .controls = {"Controlla_archivio"}, .precondition = P::DatabaseLoaded},
      {.id = "checkDates",
       .controls = {"Verifica_dati"},
       .precondition = P::DatabaseLoaded,
       .caption = {"Verifica dati", "Check dates"},
       .menuAfter = "Controlla_archivio"},
      {.id = "exportGedcom", .controls = {"Export_DB"}, .precondition = P::DatabaseLoaded},
      {.id = "exportDocument", .controls = {"Export_doc"}, .handler = ExportDocumentFlow},
      {.id = "generateDemoDatabase", .controls = {"Genera_Random_DB"}},
      {.id = "spouseSearchOn", .controls = {"On_Ricerca_Coniugi"}, .precondition = P::DatabaseLoaded},
      {.id = "spouseSearchOff", .controls = {"Off_Ricerca_Coniugi"}, .precondition = P::DatabaseLoaded},
      {.id = "showFolders", .controls = {"Directory_attuali"}, .precondition = P::DatabaseLoaded},
      {.id = "monochromeColours", .controls = {"Schema_Monocromatico"}},
      {.id = "useEnglish", .controls = {"Inglese"}},
      {.id = "useItalian", .controls = {"Italiano"}},
      {.id = "showManual", .controls = {"Aiuto_uso"}},
      {.id = "about", .controls = {"INFO_Kord"}, .precondition = P::DatabaseLoaded},

      // The buttons, group by group ("EditSkeda(1)" is "Dati personali" above).
      {.id = "selectFocus",
       .controls = {"Seleziona"},
       .precondition = P::DatabaseLoaded,
       .handler = SelectFocusByName,
       .shows = Shows::NameSearch,
       .helpLabel = 6},
      {.id = "selectSecond",
       .controls = {"Parentela"},
       .precondition = P::DatabaseLoaded,
       .handler = SelectSecondByName,
       .shows = Shows::NameSearch,
       .helpLabel = 19},
      {.id = "swapSelections",
       .controls = {"Scambia"},
       .precondition = P::DatabaseLoaded,
       .handler = SwapSelections,
       .shows = Shows::Cards,
       .helpLabel = 9},
      {.id = "navigator",
       .controls = {"Naviga"},
       .precondition = P::DatabaseLoaded,
       .handler = FamilyNavigatorCommand,
       .shows = Shows::Navigate,
       .helpLabel = 1},
      {.id = "navigatorWithPictures",
       .controls = {"Thumb"},
       .precondition = P::DatabaseLoaded,
       .handler = PictureNavigatorCommand,
       .helpLabel = 1},
      {.id = "showAssistant", .controls = {"Command1"}, .handler = ShowAssistant, .helpLabel = 7},
      {.id = "rootsTreeFromButton",
       .controls = {"BtnAlberoRadici(0)"},
       .precondition = P::DatabaseLoaded,
       .handler = RootsTreeFromButton,
       .shows = Shows::Albero,
       .helpLabel = 3},
      {.id = "rootsOutlineFromButton",
       .controls = {"BtnAlberoRadici(1)"},
       .precondition = P::DatabaseLoaded,
       .handler = RootsOutlineFromButton,
       .shows = Shows::Nest,
       .helpLabel = 5},
      {.id = "branchesTreeFromButton",
       .controls = {"AlberoRami(0)"},
       .precondition = P::DatabaseLoaded,
       .handler = BranchesTreeFromButton,
       .shows = Shows::Albero,
       .helpLabel = 2},
      {.id = "branchesOutlineFromButton",
       .controls = {"AlberoRami(1)"},
       .precondition = P::DatabaseLoaded,
       .handler = BranchesOutlineFromButton,
       .shows = Shows::Nest,
       .helpLabel = 4},
      {.id = "commonAncestors",
       .controls = {"Parentele(0)"},
       .precondition = P::DatabaseLoaded,
       .handler = CommonAncestors,
       .shows = Shows::Kinship,
       .helpLabel = kCommonAncestorsHelp},
      {.id = "commonDescendants",
       .controls = {"Parentele(1)"},
       .precondition = P::DatabaseLoaded,
       .handler = CommonDescendants,
       .shows = Shows::Kinship,
       .helpLabel = 7},
      {.id = "listEveryone",
       .controls = {"ListaTutti"},
       .precondition = P::DatabaseLoaded,
       .handler = ListEveryone,
       .shows = Shows::Lista,
       .helpLabel = 8},
      {.id = "listRoots",
       .controls = {"Capostipiti"},
       .precondition = P::DatabaseLoaded,
       .handler = ListRoots,
       .shows = Shows::Lista,
       .helpLabel = 20},
      {.id = "listLeaves",
       .controls = {"Discendenti"},
       .precondition = P::DatabaseLoaded,
       .handler = ListLeaves,
       .shows = Shows::Lista,
       .helpLabel = 11},
      {.id = "addStructure",
       .controls = {"EditSkeda(0)"},
       .helpLabel = 21,
       .inactiveReason = {"Le schede delle strutture Scout non hanno ancora un formato: nulla da aggiungere",
                          "Scout structure records have no layout yet: nothing to add"}},
      {.id = "editFocusCard",
       .controls = {"EditSkeda(2)"},
       .precondition = P::DatabaseLoaded,
       .handler = EditFocusCard,
       .shows = Shows::EditCard,
       .helpLabel = 17},
      {.id = "sortedBook",
       .controls = {"Libro(0)"},
       .precondition = P::DatabaseLoaded,
       .handler = SortedBookStart,
       .helpLabel = 13},
      {.id = "familyBook",
       .controls = {"Libro(1)"},
       .precondition = P::DatabaseLoaded,
       .handler = FamilyBookCommand,
       .shows = Shows::Book,
       .helpLabel = 12},
      {.id = "shortReport",
       .controls = {"Libro(2)"},
       .precondition = P::DatabaseLoaded,
       .handler = ShortReportCommand,
       .shows = Shows::Book,
       .helpLabel = 14},
      {.id = "customReport",
       .controls = {"Libro(3)"},
       .precondition = P::DatabaseLoaded,
       .handler = CustomReportCommand,
       .shows = Shows::Report,
       .helpLabel = 15},
      {.id = "statistics",
       .controls = {"Libro(4)"},
       .precondition = P::DatabaseLoaded,
       .handler = StatisticsCommand,
       .shows = Shows::Statistic,
       .helpLabel = 25},
      {.id = "importCsv", .controls = {"Add"}, .precondition = P::DatabaseLoaded, .helpLabel = 16},
      {.id = "sortedCopy", .controls = {"Update"}, .precondition = P::DatabaseLoaded, .helpLabel = 26},

      // The assistant's phrases, by the number their key carries (the first
      // node, "Seleziona", carries 0).
      {.id = "assistantHeadings",
       .assistNodes = {0, 2, 3, 4, 10, 20, 31},
       .inactiveReason = {"Titolo di un gruppo di frasi", "Heading of a group of phrases"}},
      {.id = "assistantPhrasesWithoutCommand",
       .assistNodes = {12, 13, 27, 28},
       .inactiveReason = {"Frase senza comando", "Phrase without a command"}},
      {.id = "selectFocusFromAssistant", .assistNodes = {5}, .handler = SelectFocusByName, .shows = Shows::NameSearch},
      {.id = "selectSecondFromAssistant",
       .assistNodes = {34},
       .handler = SelectSecondByName,
       .shows = Shows::NameSearch},
      {.id = "navigatorFromAssistant",
       .assistNodes = {6, 9},
       .precondition = P::FocusOrWholeWalk,
       .handler = FamilyNavigatorCommand,
       .shows = Shows::Navigate},
      {.id = "listEveryoneKeepingFocus",
       .assistNodes = {7, 11, 17, 25},
       .precondition = P::FocusOrWholeWalk,
       .keepsFocus = true,
       .handler = ListEveryone,
       .shows = Shows::Lista},
      {.id = "listRootsKeepingFocus",
       .assistNodes = {36},
       .precondition = P::FocusOrWholeWalk,
       .keepsFocus = true,
       .handler = ListRoots,
       .shows = Shows::Lista},
      {.id = "listLeavesKeepingFocus",
       .assistNodes = {37},
       .precondition = P::FocusOrWholeWalk,
       .keepsFocus = true,
       .handler = ListLeaves,
       .shows = Shows::Lista},
      {.id = "sortedListFromAssistant",
       .assistNodes = {8, 26},
       .precondition = P::FocusOrWholeWalk,
       .handler = OpenSortKeyWindow,
       .shows = Shows::Lista},
      {.id = "addIndividualFromAssistant",
       .assistNodes = {14},
       .handler = AddIndividualFromAssistant,
       .shows = Shows::EditCard},
      {.id = "addStructureFromAssistant",
       .assistNodes = {15},
       .handler = AddStructureFromAssistant,
       .shows = Shows::EditCard},
      {.id = "transfers", .assistNodes = {16}, .handler = ShowNameSearchEmptied, .shows = Shows::NameSearch},
      {.id = "census",
       .assistNodes = {18},
       .precondition = P::FocusOrWholeWalk,
       .keepsFocus = true,
       .handler = CensusCommand,
       .shows = Shows::Book},
      {.id = "membersBook",
       .assistNodes = {30},
       .precondition = P::FocusOrWholeWalk,
       .keepsFocus = true,
       .handler = WholeFamilyBook,
       .shows = Shows::Book},
      {.id = "statisticsFromAssistant", .assistNodes = {19}, .handler = StatisticsCommand, .shows = Shows::Statistic},
      {.id = "branchesTreeFromAssistant", .assistNodes = {21}, .handler = BranchesTreeFromMenu, .shows = Shows::Albero},
      {.id = "rootsTreeFromAssistant", .assistNodes = {22}, .handler = RootsTreeFromMenu, .shows = Shows::Albero},
      {.id = "branchesOutlineFromAssistant",
       .assistNodes = {23},
       .handler = BranchesOutlineFromMenu,
       .shows = Shows::Nest},
      {.id = "rootsOutlineFromAssistant", .assistNodes = {24}, .handler = RootsOutlineFromMenu, .shows = Shows::Nest},
      {.id = "customReportFromAssistant",
       .assistNodes = {29},
       .precondition = P::FocusOrWholeWalk,
       .keepsFocus = true,
       .handler = CustomReportWithWholeWalk,
       .shows = Shows::Report},
      {.id = "commonDescendantsFromAssistant",
       .assistNodes = {32},
       .handler = CommonDescendants,
       .shows = Shows::Kinship},
      {.id = "commonAncestorsFromAssistant", .assistNodes = {33}, .handler = CommonAncestors, .shows = Shows::Kinship},
      {.id = "swapSelectionsFromAssistant", .assistNodes = {35}, .handler = SwapSelections, .shows = Shows::Cards},
  };
  return rows;
}

template <typename Matches>
const Command* findCommand(Matches matches) {
  const auto& rows = table();
  const auto found = std::find_if(rows.begin(), rows.end(), matches);
  return found == rows.end() ? nullptr : &*found;
}

template <typename T>
bool holds(const std::vector<T>& values, const T& value) {
  return std::find(values.begin(), values.end(), value) != values.end();
}

}  // namespace

const std::vector<Command>& Commands() { return table(); }

const Command* CommandForControl(const std::string& control) {
  return findCommand([&](const Command& c) { return holds(c.controls, control); });
}

const Command* CommandForAssistNode(int number) {
  return findCommand([&](const Command& c) { return holds(c.assistNodes, number); });
}

const Command* CommandById(const std::string& id) {
  return findCommand([&](const Command& c) { return id == c.id; });
}

bool PreconditionHolds(Session& s, const Command& command) {
  switch (command.precondition) {
    case Precondition::None: return true;
    case Precondition::DatabaseLoaded:
      // Without a database the commands would read and write files of no database.
      if (!s.DbLoaded) s.ui.message(s.text("Nessun database aperto", "No database open"));
      return s.DbLoaded;
    case Precondition::FocusOrWholeWalk: break;
  }
  return s.NInd[0] > 0 || s.WalkAll;
}

bool RunCommand(Session& s, const Command& command, const std::function<void()>& carryOut) {
  if (command.inactive() || (!command.handler && !carryOut)) return false;
  if (!PreconditionHolds(s, command)) return false;
  std::optional<KeptFocus> kept;
  if (command.keepsFocus) kept.emplace(s);
  if (command.handler)
    command.handler(s);
  else
    carryOut();
  return true;
}

}  // namespace kord

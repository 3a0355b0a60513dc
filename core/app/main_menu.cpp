#include "app/main_menu.h"

#include <map>

#include "app/commands.h"
#include "session/history.h"

namespace kord {
namespace {

const std::string kNoText;

MenuDef entry(const char* name, const char* italian, const char* english = "") { return {name, italian, english, {}}; }

/// Captions a switch's menu entry shows once the switch has been used.
struct SwitchCaptions {
  const char* on;
  const char* offByOption;
  const char* offByMenu;
};

const SwitchCaptions& captionsOf(SwitchId id) {
  static const SwitchCaptions table[] = {
      {"Disabil. Stampa su File", "Abilita Stampa su File", "Stampa su File"},
      {"No scheda anagr. Albero", "Scheda anagr. Albero", "Scheda anagrafica Albero"},
      {"Disabil. Stampa direttta", "Stampa Immediata Albero", "Stampa Immediata Albero"},
  };
  return table[static_cast<int>(id)];
}

bool& switchRef(Session& s, SwitchId id) {
  switch (id) {
    case SwitchId::OutputToFile: return s.OutputToFile;
    case SwitchId::CardWithTree: return s.CardWithTree;
    case SwitchId::PrintImmediately: break;
  }
  return s.PrintImmediately;
}

/// Puts `placed` right after the entry named `after`; false when no menu has it.
bool insertAfter(std::vector<MenuDef>& menus, const std::string& after, const MenuDef& placed) {
  for (auto it = menus.begin(); it != menus.end(); ++it) {
    if (it->name == after) {
      menus.insert(it + 1, placed);
      return true;
    }
    if (insertAfter(it->entries, after, placed)) return true;
  }
  return false;
}

/// The menu bar below with the entries the command table places.
std::vector<MenuDef> withPlacedEntries(std::vector<MenuDef> bar) {
  for (const Command& command : Commands())
    if (command.menuAfter)
      insertAfter(bar, command.menuAfter,
                  entry(command.controls.front().c_str(), command.caption.italian, command.caption.english));
  return bar;
}

/// Where a button sits; its hover help is its command's.
struct ButtonPlace {
  const char* name;
  const char* caption;
  ButtonGroup group;
};

int helpLabelOf(const std::string& button) {
  const Command* command = CommandForControl(button);
  return command ? command->helpLabel : kNoHelpLabel;
}

const MenuDef* findEntry(const std::vector<MenuDef>& menus, const std::string& name) {
  for (const auto& m : menus) {
    if (m.name == name) return &m;
    if (const MenuDef* found = findEntry(m.entries, name)) return found;
  }
  return nullptr;
}

}  // namespace

const std::vector<MenuDef>& MainMenuBar() {
  static const std::vector<MenuDef> bar = withPlacedEntries({
      {"File",
       "File",
       "",
       {
           entry("Legge_genealogia", "Legge Genealogia"),
           entry("CreaDB", "Crea nuovo Database", "Create new DB"),
           entry("Importa_GEDCOM", "Importa GEDCOM", "Import GEDCOM"),
           entry("Num_individuo", "Num. individuo"),
           entry("Lettura_individui", "Lettura individui"),
           entry("Visualizza_dati", "Visualizza dati"),
           entry("Dati_personali", "Dati personali", "Personal Data"),
           entry("legge_scheda", "legge scheda"),
           entry("Exit", "Exit"),
       }},
      {"Alberi",
       "Alberi",
       "Tree",
       {
           entry("Albero_Radici(0)", "Albero delle radici ", "Root's tree"),
           entry("Albero_rami(0)", "Albero dei rami", "Branch's tree"),
           entry("Albero_Radici(1)", "Radici espandibile ", "Interact. Root's tree"),
           entry("Albero_rami(1)", "Rami espandibile", "Interact. Branch's tree"),
           entry("Profondita_albero", "Profondita' albero ", "Tree deep"),
           entry("Navigatore", "Navigatore", "Navigation"),
       }},
      {"Liste",
       "Liste",
       "List",
       {
           entry("Lista_Alfabetica", "Lista Alfabetica", "Alphab. List"),
           entry("Lista_Capifamiglia", "Lista Capifamiglia ", "Root's list"),
           entry("Lista_Ultimi_Discendenti", "Lista Ultimi Discendenti", "Branch's List"),
           entry("Visualizza_nomi", "Visualizza nomi", "List all"),
           entry("Libro_Famiglia", "Libro di Famiglia", "Full book"),
       }},
      {"Stampa",
       "Stampa",
       "Print",
       {
           entry("stampa_su_file", "stampa su file", "Print on File"),
           entry("scheda_anagrafica", "scheda anagrafica Albero", "Full data on tree"),
           entry("Stampa_Immediata_Albero", "Stampa Immediata Albero", "Immediate printing"),
       }},
      {"Varie",
       "Varie",
       "Extra",
       {
           entry("Controlla_archivio", "Controlla archivio", "Check database"),
           entry("Export_DB", "Export DB file", "Export DB"),
           entry("Export_doc", "Export doc file", "Export document"),
           entry("Genera_Random_DB", "Genera Random DB", "DB Conversion"),
           {"Ricerca_Coniugi",
            "Ricerca Coniugi ",
            "Search collaborators",
            {
                entry("On_Ricerca_Coniugi", "On"),
                entry("Off_Ricerca_Coniugi", "Off"),
            }},
           entry("Directory_attuali", "Directory files attuali ", "Folders"),
           {"Colori", "Colori", "", {entry("Schema_Monocromatico", "Schema Monocromatico")}},
           {"Lingua_Menu",
            "Lingua Menu",
            "Language",
            {
                entry("Inglese", "Inglese"),
                entry("Italiano", "Italiano"),
            }},
           entry("Aiuto_uso", "Aiuto per l'uso", "Help: how to.."),
           entry("INFO_Kord", "INFO riguardo a Kord ", "About Vesk"),
       }},
  });
  return bar;
}

const std::vector<ButtonDef>& MainButtons() {
  using G = ButtonGroup;
  static const ButtonPlace places[] = {
      {"Seleziona", "Seleziona", G::Select},
      {"Parentela", "Parentela", G::Select},
      {"Scambia", "Scambia", G::Select},
      {"Naviga", "Naviga", G::Select},
      {"Thumb", "Thumb", G::Select},
      {"Command1", "Ass.", G::Select},
      {"BtnAlberoRadici(0)", "Ancestors Tree", G::Explore},
      {"BtnAlberoRadici(1)", "Ancestors expandable tree", G::Explore},
      {"AlberoRami(0)", "Family Tree", G::Explore},
      {"AlberoRami(1)", "Expandable tree", G::Explore},
      {"Parentele(0)", "Common ancestors", G::Explore},
      {"Parentele(1)", "Common descendents", G::Explore},
      {"ListaTutti", "Full list", G::Explore},
      {"Capostipiti", "Roots", G::Explore},
      {"Discendenti", "Leafs", G::Explore},
      {"EditSkeda(0)", "Edit", G::Produce},
      {"EditSkeda(1)", "Add Data", G::Produce},
      {"EditSkeda(2)", "Edit data", G::Produce},
      {"Libro(0)", "Sorted Book", G::Produce},
      {"Libro(1)", "Family book", G::Produce},
      {"Libro(2)", "Short Report", G::Produce},
      {"Libro(3)", "Custom Report", G::Produce},
      {"Libro(4)", "Statistics", G::Produce},
      {"Add", "Add", G::Produce},
      {"Update", "Update DB", G::Produce},
  };
  static const std::vector<ButtonDef> buttons = [] {
    std::vector<ButtonDef> all;
    for (const ButtonPlace& place : places)
      all.push_back({place.name, place.caption, helpLabelOf(place.name), place.group});
    return all;
  }();
  return buttons;
}

const std::string& HelpLabelText(int k, bool english) {
  // The one label with a text of each language; the others are Italian only.
  static const std::map<int, std::string> englishLabels = {
      {kCommonAncestorsHelp, "Finds the first common ancestors of the Focus individual and the second selection."},
  };
  if (english)
    if (auto it = englishLabels.find(k); it != englishLabels.end()) return it->second;
  static const std::map<int, std::string> labels = {
      {0,
       "Selezione individuo Focus, permette di \r\nselezionare tramite le iniziali l'individuo o la \r\n"
       "struttura su cui operare\r\n"},
      {1, "Navigazione all'interno dell'albero della \r\nstruttura, permette la selezione del Focus.\r\n"},
      {2, "Albero dei rami, permette la selezione del \r\nFocus.\r\n"},
      {3, "Albero delle appartenenze a partire \r\ndall'Individuo Focus.\r\n"},
      {4, "Creazione dell'Albero Interattivo della \r\nstruttura a partire dall'Individuo Focus.\r\n"},
      {5, "Creazione dell'Albero Interattivo delle \r\nappartenenze a partire dall'Individuo Focus.\r\n"},
      {6,
       "Selezione individuo Focus, permette di selezionare tramite le iniziali l'individuo o la "
       "struttura su cui operare"},
      {7, "Ricerca delle appartenenze comuni alle due selezioni."},
      {8, "Genera la Lista completa, la lista permette la \r\nselezione dell'Individuo Focus.\r\n"},
      {9, "Scambia tra loro l'Individuo Focus e seconda selezione."},
      {11, "Lista degli Individui e Strutture senza rami, permette la selezione del Focus."},
      {12, "Lista con dati individuali completi.\r\n"},
      {13, "Lista ordinata in base al dato prescelto.\r\n"},
      {14, "Genera il File e la Lista del Censimento \r\nUfficiale.\r\n"},
      {15, "Rapporto configurabile."},
      {16, "Aggiunge record da file CSV\r\n"},
      {17, "Modifica la scheda dell'Individuo o struttura Focus."},
      {18, "Aggiunge una scheda di un nuovo Individuo al database"},
      {19,
       "Selezione 2. individuo, permette di selezionare tramite le iniziali l'individuo o la "
       "struttura secondari."},
      {20, "Lista dei Ceppi, Individui e Strutture senza appartenenze, selezione del Focus."},
      {21, "Aggiunge una scheda di una nuova struttura al database"},
      {22, "Attiva il salvataggio su File delle liste e dei rapporti generati."},
      {23, "Attiva la visualizzazione dei dati Anagrafici nelle Liste."},
      {24, "Attiva la stampa immediata di liste e report sulla stampante di default"},
      {25, "Genera Grafici statistici del Gruppo"},
      {26, "Crea nuovo Database ordinato in ordine alfabetico.\r\n"},
      {kCommonAncestorsHelp, "Ricerca dei primi antenati comuni all'Individuo Focus e alla seconda selezione."},
  };
  auto it = labels.find(k);
  return it == labels.end() ? kNoText : it->second;
}

const std::vector<SwitchDef>& Switches() {
  static const std::vector<SwitchDef> switches = {
      {SwitchId::OutputToFile, "stampa_su_file", "Option3D2", "Out su File ON", "Option3D3", "Out su File Off", 22},
      {SwitchId::CardWithTree, "scheda_anagrafica", "Option3D4", "Anagrafica ON", "Option3D5", "Anagrafica OFF", 23},
      {SwitchId::PrintImmediately, "Stampa_Immediata_Albero", "Option3D6", "Print ON", "Option3D7", "Print OFF", 24},
  };
  return switches;
}

bool SwitchValue(const Session& s, SwitchId id) { return switchRef(const_cast<Session&>(s), id); }

void SetSwitchByOption(Session& s, SwitchId id, bool on) {
  switchRef(s, id) = on;
  s.switchCaptions[static_cast<int>(id)] = on ? SwitchCaption::On : SwitchCaption::OffByOption;
}

void ToggleSwitchByMenu(Session& s, SwitchId id) {
  bool on = !switchRef(s, id);
  switchRef(s, id) = on;
  s.switchCaptions[static_cast<int>(id)] = on ? SwitchCaption::On : SwitchCaption::OffByMenu;
}

std::string MenuCaption(const Session& s, const std::string& name) {
  for (const auto& sw : Switches()) {
    if (sw.menuName != name) continue;
    const auto& c = captionsOf(sw.id);
    switch (s.switchCaptions[static_cast<int>(sw.id)]) {
      case SwitchCaption::On: return c.on;
      case SwitchCaption::OffByOption: return c.offByOption;
      case SwitchCaption::OffByMenu: return c.offByMenu;
      case SwitchCaption::Design: break;
    }
  }
  const MenuDef* def = findEntry(MainMenuBar(), name);
  if (!def) return {};
  return s.English && !def->english.empty() ? def->english : def->italian;
}

void SetLanguage(Session& s, bool english) { s.English = english; }

void RecordModePanelClick(Session& s, int element) {
  if (element == 2) s.tables.RecordMode = "Kord";
}

void ExitProgram(Session& s) {
  LogHistory(s, "Fine sessione\r\n");
  s.exitRequested = true;
  s.ui.quit();
}

}  // namespace kord

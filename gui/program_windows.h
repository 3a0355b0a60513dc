#pragma once
/// Every window of one program run, built on one session, with the places
/// where they first appear.

#include "apre_db_window.h"
#include "edit_card_window.h"
#include "frm_apre_file_window.h"
#include "history_window.h"
#include "legge_genealog_window.h"
#include "lista_nomi_window.h"
#include "main_menu_window.h"
#include "qt_printer.h"
#include "skeda2_window.h"
#include "skeda_window.h"
#include "window_set.h"
#include "assist/assist_window.h"
#include "book/book_window.h"
#include "book/navigate_window.h"
#include "book/scheda_sort_window.h"
#include "book/thumb_window.h"
#include "lists/campi_report_window.h"
#include "lists/lista_window.h"
#include "lists/rapporto_window.h"
#include "stats/grafici_window.h"
#include "stats/graph_eta_window.h"
#include "stats/sel_graf_window.h"
#include "trees/albero_window.h"
#include "trees/generazioni_window.h"
#include "trees/nest_window.h"

namespace kord::gui {

class WindowKeeper;

struct ProgramWindows {
  ProgramWindows(kord::Session& session, QtPrinter& printer);

  /// The set the Ui reaches the windows through.
  WindowSet set();
  /// The main window at the top left, the record card on its right, the
  /// second card, the assistant and the history under the card; the rest
  /// cascade beside the main window.
  void arrange(WindowKeeper& keeper);

  ApreDB apreDB;
  FrmApreFile frmApreFile;
  LeggeGenealog leggeGenealog;
  MainMenu mainMenu;
  History history;
  Skeda skeda;
  Skeda2 skeda2;
  ListaNomi listaNomi;
  EditCard editCard;
  Lista lista;
  CampiReport campiReport;
  Rapporto rapporto;
  SelGraf selGraf;
  Grafici grafici;
  GraphEta graphEta;
  Navigate navigate;
  Thumb thumb;
  Book book;
  SchedaSort1 schedaSort1;
  Albero albero;
  Nest nest;
  Generazioni generazioni;
  Assist assist;

 private:
  /// Tab follows the editing card's rows; Enter in a field saves.
  void arrangeEditCardKeys();
};

}  // namespace kord::gui

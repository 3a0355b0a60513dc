#pragma once
/// Every window of one program run, built on one session, with the places
/// where they first appear.

#include "start_window.h"
#include "edit_card_window.h"
#include "database_file_dialog.h"
#include "history_window.h"
#include "load_progress_window.h"
#include "name_search_window.h"
#include "main_window.h"
#include "qt_printer.h"
#include "skeda2_window.h"
#include "skeda_window.h"
#include "window_set.h"
#include "assist/assistant_window.h"
#include "book/book_window.h"
#include "book/navigate_window.h"
#include "book/sort_key_dialog.h"
#include "book/thumb_window.h"
#include "lists/report_fields_dialog.h"
#include "lists/list_window.h"
#include "lists/report_grid_window.h"
#include "stats/century_chart_window.h"
#include "stats/age_chart_window.h"
#include "stats/chart_chooser.h"
#include "trees/tree_list_window.h"
#include "trees/generation_limit_window.h"
#include "trees/tree_outline_window.h"

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

  StartWindow apreDB;
  DatabaseFileDialog frmApreFile;
  LoadProgressWindow leggeGenealog;
  MainWindow mainMenu;
  HistoryWindow history;
  Skeda skeda;
  Skeda2 skeda2;
  NameSearchWindow listaNomi;
  EditCard editCard;
  ListWindow lista;
  ReportFieldsDialog campiReport;
  ReportGridWindow rapporto;
  ChartChooser selGraf;
  CenturyChartWindow grafici;
  AgeChartWindow graphEta;
  Navigate navigate;
  Thumb thumb;
  BookWindow book;
  SortKeyDialog schedaSort1;
  TreeListWindow albero;
  TreeOutlineWindow nest;
  GenerationLimitWindow generazioni;
  AssistantWindow assist;

 private:
  /// Tab follows the editing card's rows; Enter in a field saves.
  void arrangeEditCardKeys();
};

}  // namespace kord::gui

#pragma once
/// The windows of one program run, as the Qt Ui reaches them. main() builds
/// the windows and fills the set; windows not built yet stay null and the Ui
/// ignores them.

namespace kord::gui {

/// A window that shows part of the session: render() rereads its model.
class ModelWindow {
 public:
  virtual ~ModelWindow() = default;
  virtual void render() = 0;
};

class StartWindow;
class DatabaseFileDialog;
class LoadProgressWindow;
class MainWindow;
class HistoryWindow;
class Skeda;
class Skeda2;
class NameSearchWindow;
class EditCard;
class ListWindow;
class ReportFieldsDialog;
class ReportGridWindow;
class ChartChooser;
class CenturyChartWindow;
class AgeChartWindow;
class Navigate;
class Thumb;
class BookWindow;
class SortKeyDialog;
class TreeListWindow;
class TreeOutlineWindow;
class GenerationLimitWindow;
class AssistantWindow;

struct WindowSet {
  StartWindow* apreDB = nullptr;
  DatabaseFileDialog* frmApreFile = nullptr;
  LoadProgressWindow* leggeGenealog = nullptr;
  MainWindow* mainMenu = nullptr;
  HistoryWindow* history = nullptr;
  Skeda* skeda = nullptr;
  Skeda2* skeda2 = nullptr;
  NameSearchWindow* listaNomi = nullptr;
  EditCard* editCard = nullptr;
  ListWindow* lista = nullptr;
  ReportFieldsDialog* campiReport = nullptr;
  ReportGridWindow* rapporto = nullptr;
  ChartChooser* selGraf = nullptr;
  CenturyChartWindow* grafici = nullptr;
  AgeChartWindow* graphEta = nullptr;
  Navigate* navigate = nullptr;
  Thumb* thumb = nullptr;
  BookWindow* book = nullptr;
  SortKeyDialog* schedaSort1 = nullptr;
  TreeListWindow* albero = nullptr;
  TreeOutlineWindow* nest = nullptr;
  GenerationLimitWindow* generazioni = nullptr;
  AssistantWindow* assist = nullptr;
};

}  // namespace kord::gui

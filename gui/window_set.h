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

class ApreDB;
class FrmApreFile;
class LeggeGenealog;
class MainMenu;
class History;
class Skeda;
class Skeda2;
class ListaNomi;
class EditCard;
class Lista;
class CampiReport;
class Rapporto;
class SelGraf;
class Grafici;
class GraphEta;
class Navigate;
class Thumb;
class Book;
class SchedaSort1;
class Albero;
class Nest;
class Generazioni;
class Assist;

struct WindowSet {
  ApreDB* apreDB = nullptr;
  FrmApreFile* frmApreFile = nullptr;
  LeggeGenealog* leggeGenealog = nullptr;
  MainMenu* mainMenu = nullptr;
  History* history = nullptr;
  Skeda* skeda = nullptr;
  Skeda2* skeda2 = nullptr;
  ListaNomi* listaNomi = nullptr;
  EditCard* editCard = nullptr;
  Lista* lista = nullptr;
  CampiReport* campiReport = nullptr;
  Rapporto* rapporto = nullptr;
  SelGraf* selGraf = nullptr;
  Grafici* grafici = nullptr;
  GraphEta* graphEta = nullptr;
  Navigate* navigate = nullptr;
  Thumb* thumb = nullptr;
  Book* book = nullptr;
  SchedaSort1* schedaSort1 = nullptr;
  Albero* albero = nullptr;
  Nest* nest = nullptr;
  Generazioni* generazioni = nullptr;
  Assist* assist = nullptr;
};

}  // namespace kord::gui

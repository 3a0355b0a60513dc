#include "program_windows.h"

#include <QPushButton>
#include <optional>
#include <type_traits>

#include "assist/assistant_window.h"
#include "book/book_window.h"
#include "book/family_navigator_window.h"
#include "book/picture_navigator_window.h"
#include "book/sort_key_dialog.h"
#include "database_file_dialog.h"
#include "edit_card_window.h"
#include "history_window.h"
#include "keyboard.h"
#include "lists/list_window.h"
#include "lists/report_fields_dialog.h"
#include "lists/report_grid_window.h"
#include "load_progress_window.h"
#include "main_window.h"
#include "name_search_window.h"
#include "record_card_window.h"
#include "start_window.h"
#include "stats/age_chart_window.h"
#include "stats/century_chart_window.h"
#include "stats/chart_chooser.h"
#include "trees/generation_limit_window.h"
#include "trees/tree_list_window.h"
#include "trees/tree_outline_window.h"
#include "window_keeper.h"

namespace kord::gui {
namespace {

using kord::Window;
using Built = std::unique_ptr<QWidget>;

template <class W>
Built build(kord::Session& session, QtPrinter& printer) {
  if constexpr (std::is_constructible_v<W, kord::Session&, QtPrinter&>)
    return std::make_unique<W>(session, printer);
  else
    return std::make_unique<W>(session);
}

template <kord::Selection selection>
Built buildCard(kord::Session& session, QtPrinter& printer) {
  return std::make_unique<RecordCardWindow>(session, printer, selection);
}

struct Place {
  Window anchor;
  Beside side;
};

struct Row {
  Window window;
  Built (*build)(kord::Session&, QtPrinter&);
  /// Where the window first appears when not cascading beside the main window.
  std::optional<Place> beside = std::nullopt;
  /// The settings key of its place where the class name would not tell it
  /// apart or was renamed after places were remembered under the old one.
  const char* placeName = nullptr;
};

/// The windows in the order of their building.
const Row kRows[] = {
    {Window::StartWindow, build<StartWindow>},
    {Window::DatabaseFileDialog, build<DatabaseFileDialog>},
    {Window::LoadProgressWindow, build<LoadProgressWindow>},
    {Window::MainWindow, build<MainWindow>},
    // Under the card: on a laptop screen the main window leaves no room below.
    {Window::HistoryWindow, build<HistoryWindow>, Place{Window::FocusCard, Beside::Below}},
    {Window::FocusCard, buildCard<kord::Selection::Focus>, Place{Window::MainWindow, Beside::Right}, "Skeda"},
    {Window::SecondCard, buildCard<kord::Selection::Second>, Place{Window::FocusCard, Beside::Below}, "Skeda2"},
    {Window::NameSearchWindow, build<NameSearchWindow>},
    {Window::EditCardWindow, build<EditCardWindow>, Place{Window::MainWindow, Beside::Right}, "EditCard"},
    {Window::ListWindow, build<ListWindow>},
    {Window::ReportFieldsDialog, build<ReportFieldsDialog>},
    {Window::ReportGridWindow, build<ReportGridWindow>},
    {Window::ChartChooser, build<ChartChooser>},
    {Window::CenturyChartWindow, build<CenturyChartWindow>},
    {Window::AgeChartWindow, build<AgeChartWindow>},
    {Window::FamilyNavigatorWindow, build<FamilyNavigatorWindow>, std::nullopt, "Navigate"},
    {Window::PictureNavigatorWindow, build<PictureNavigatorWindow>, std::nullopt, "Thumb"},
    {Window::BookWindow, build<BookWindow>},
    {Window::SortKeyDialog, build<SortKeyDialog>},
    {Window::TreeListWindow, build<TreeListWindow>},
    {Window::TreeOutlineWindow, build<TreeOutlineWindow>},
    {Window::GenerationLimitWindow, build<GenerationLimitWindow>},
    {Window::AssistantWindow, build<AssistantWindow>, Place{Window::FocusCard, Beside::Below}},
};

static_assert(std::size(kRows) == kord::kWindowCount, "every window has its row");

}  // namespace

ProgramWindows::ProgramWindows(kord::Session& session, QtPrinter& printer) {
  for (const Row& row : kRows) {
    owned_.push_back(row.build(session, printer));
    set_.put(row.window, owned_.back().get());
  }
  arrangeEditCardKeys();
}

ProgramWindows::~ProgramWindows() {
  while (!owned_.empty()) owned_.pop_back();
}

std::vector<QWidget*> ProgramWindows::all() const {
  std::vector<QWidget*> windows;
  for (const auto& window : owned_) windows.push_back(window.get());
  return windows;
}

void ProgramWindows::arrangeEditCardKeys() {
  // Row by row as the card shows the fields, then the links, then the buttons.
  QStringList order{QStringLiteral("Text1_0"), QStringLiteral("Text1_13")};
  for (int field = 1; field <= 12; ++field) order << QStringLiteral("Text1_%1").arg(field);
  order << QStringLiteral("Genitore1") << QStringLiteral("Genitore2") << QStringLiteral("Coniuge")
        << QStringLiteral("ConiugeReciproco") << QStringLiteral("Annulla") << QStringLiteral("Salva");
  auto& card = get<EditCardWindow>(Window::EditCardWindow);
  chainTabOrder(card, order);
  if (auto* save = card.findChild<QPushButton*>(QStringLiteral("Salva"))) enterPresses(card, save);
}

void ProgramWindows::arrange(WindowKeeper& keeper) const {
  keeper.setMainWindow(set_.widget(Window::MainWindow));
  for (const Row& row : kRows) {
    QWidget* window = set_.widget(row.window);
    if (row.beside) keeper.placeBeside(window, set_.widget(row.beside->anchor), row.beside->side);
    if (row.placeName) keeper.namePlace(window, QString::fromLatin1(row.placeName));
  }
}

}  // namespace kord::gui

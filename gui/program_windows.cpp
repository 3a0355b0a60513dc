#include "program_windows.h"

#include <QPushButton>

#include "keyboard.h"
#include "window_keeper.h"

namespace kord::gui {

ProgramWindows::ProgramWindows(kord::Session& session, QtPrinter& printer)
    : apreDB(session),
      frmApreFile(session),
      leggeGenealog(session),
      mainMenu(session),
      history(session),
      skeda(session, printer),
      skeda2(session, printer),
      listaNomi(session, printer),
      editCard(session),
      lista(session),
      campiReport(session),
      rapporto(session),
      selGraf(session),
      grafici(session, printer),
      graphEta(session),
      navigate(session, printer),
      thumb(session, printer),
      book(session),
      schedaSort1(session),
      albero(session, printer),
      nest(session, printer),
      generazioni(session),
      assist(session) {
  arrangeEditCardKeys();
}

void ProgramWindows::arrangeEditCardKeys() {
  // Row by row as the card shows the fields, then the links, then the buttons.
  QStringList order{QStringLiteral("Text1_0"), QStringLiteral("Text1_13")};
  for (int field = 1; field <= 12; ++field) order << QStringLiteral("Text1_%1").arg(field);
  order << QStringLiteral("Genitore1") << QStringLiteral("Genitore2") << QStringLiteral("Coniuge")
        << QStringLiteral("ConiugeReciproco") << QStringLiteral("Annulla") << QStringLiteral("Salva");
  chainTabOrder(editCard, order);
  if (auto* save = editCard.findChild<QPushButton*>(QStringLiteral("Salva"))) enterPresses(editCard, save);
}

WindowSet ProgramWindows::set() {
  return {&apreDB,    &frmApreFile, &leggeGenealog, &mainMenu, &history,  &skeda,    &skeda2,      &listaNomi,
          &editCard,  &lista,       &campiReport,   &rapporto, &selGraf,  &grafici,  &graphEta,    &navigate,
          &thumb,     &book,        &schedaSort1,   &albero,   &nest,     &generazioni, &assist};
}

void ProgramWindows::arrange(WindowKeeper& keeper) {
  keeper.setMainWindow(&mainMenu);
  keeper.keepOnEscape(&apreDB);
  keeper.keepOnEscape(&leggeGenealog);
  keeper.placeBeside(&skeda, &mainMenu, Beside::Right);
  keeper.placeBeside(&skeda2, &skeda, Beside::Below);
  keeper.placeBeside(&editCard, &mainMenu, Beside::Right);
  // Under the card: on a laptop screen the main window leaves no room below.
  keeper.placeBeside(&assist, &skeda, Beside::Below);
  keeper.placeBeside(&history, &skeda, Beside::Below);
}

}  // namespace kord::gui

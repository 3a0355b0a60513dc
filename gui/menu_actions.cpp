#include "menu_actions.h"

#include <QDateTime>
#include <QFileInfo>
#include <QtGlobal>
#include <algorithm>
#include <cctype>

#include "db/codepage.h"
#include "db/demo_family.h"
#include "db/file_set.h"
#include "desktop_open.h"
#include "lists/sorted_copy.h"
#include "qt_text.h"
#include "records/focus_panel.h"

#ifndef KORD_VERSION
#define KORD_VERSION "?"
#endif

namespace kord::gui {
namespace {

constexpr int kSmallestDemo = 10;

/// A whole number typed in a box; -1 for anything else.
int typedNumber(const std::string& typed) {
  const std::string text = kord::Trim(typed);
  if (text.empty() || text.size() > 6 ||
      !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
    return -1;
  return std::stoi(text);
}

std::string shownPath(const std::string& utf8) { return kord::Utf8ToCp1252(utf8); }

/// `folder` + "demo_" + size, with "_2", "_3"... until no file of the set
/// exists: a demonstration never replaces anything.
std::string freeDemoBase(const std::string& folder, int size) {
  const std::string stem = folder + "demo_" + std::to_string(size);
  std::string base = stem;
  for (int n = 2; QFileInfo::exists(pathText(base + ".rni")) || QFileInfo::exists(pathText(base + ".rnc")); ++n)
    base = stem + "_" + std::to_string(n);
  return base;
}

}  // namespace

std::string aboutText(const kord::Session& s) {
  std::string text =
      "Kord " KORD_VERSION "\r\n" +
      s.text("Database genealogico per chi ricostruisce la storia della famiglia.",
             "Genealogy database for family historians.") +
      "\r\n\r\n" + s.text("Licenza: non ancora dichiarata dal progetto.", "Licence: not yet declared by the project.") +
      "\r\nQt " + qVersion() + "\r\n\r\n";
  if (!s.DbLoaded) return text + s.text("Nessun database aperto", "No database open");
  return text + "Database: " + shownPath(s.DbName) + "\r\n" + s.text("Individui: ", "Individuals: ") +
         std::to_string(s.tables.individualCount()) + "\r\n" + s.text("Legami genitore: ", "Parent links: ") +
         std::to_string(s.tables.ChildLinkCount) + "\r\n" + s.text("Legami coniuge: ", "Spouse links: ") +
         std::to_string(s.tables.SpouseLinkCount);
}

void showAbout(kord::Session& s) { s.ui.message(aboutText(s), s.text("INFO riguardo a Kord", "About Kord")); }

void goToNumber(kord::Session& s) {
  const int count = s.tables.individualCount();
  const std::string prompt =
      s.text("Numero della scheda (N.) da 1 a ", "Record number (N.) from 1 to ") + std::to_string(count);
  const std::string typed = s.ui.inputBox(prompt, "Num. individuo", std::to_string(std::max(1, s.NInd[0] - 1)));
  if (kord::Trim(typed).empty()) return;
  const int number = typedNumber(typed);
  if (number < 1 || number > count) {
    s.ui.message(s.text("Nessun individuo ha il numero ", "No individual has the number ") + kord::Trim(typed) +
                 " (1-" + std::to_string(count) + ")");
    return;
  }
  s.NInd[0] = number + 1;
  kord::ShowFocusPanel(s);
}

void generateDemoDatabase(kord::Session& s, QWidget* parent) {
  const std::string typed =
      s.ui.inputBox(s.text("Quanti individui deve avere il database dimostrativo? (da 10 a 998)",
                           "How many individuals should the demonstration database hold? (10 to 998)"),
                    "Genera Random DB", "200");
  if (kord::Trim(typed).empty()) return;
  const int size = typedNumber(typed);
  if (size < kSmallestDemo || size > kord::kMaxIndividuals) {
    s.ui.message(s.text("Scrivere un numero da 10 a 998", "Type a number from 10 to 998"));
    return;
  }
  const QString folder = chooseFolder(
      parent, displayText(s.text("Cartella del nuovo database", "Folder of the new database")), pathText(s.DbFolder));
  if (folder.isEmpty()) return;
  const std::string base =
      freeDemoBase(corePath(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/')), size);
  const auto seed = static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch());
  const kord::GeneratedDatabase made = kord::GenerateFamilyDatabase(base, size, seed, s.English);
  if (!made.error.empty()) {
    s.ui.message(made.error);
    return;
  }
  const std::string question = s.text("Creato il database dimostrativo ", "Created the demonstration database ") +
                               shownPath(base) + ".rni (" + std::to_string(made.individuals) +
                               s.text(" individui). Aprirlo ora in una nuova finestra di Kord?",
                                      " individuals). Open it now in a new Kord window?");
  if (s.ui.askYesNo(question, "Genera Random DB", kord::Icon::Question, true)) startProgram({pathText(base + ".rni")});
}

QDateTime siteWrittenAt(const kord::Session& s) {
  if (s.DbFolder.empty()) return {};
  return QFileInfo(pathText(s.DbFolder + "index.html")).lastModified();
}

void offerSiteIfWritten(const kord::Session& s, const QDateTime& before) {
  const QDateTime now = siteWrittenAt(s);
  if (!now.isValid() || (before.isValid() && now <= before)) return;
  const std::string text = s.text("Libro di famiglia e sito HTML scritti nella cartella ",
                                  "Family book and HTML site written in the folder ") +
                           shownPath(s.DbFolder) +
                           s.text("\r\nPagina iniziale: index.html", "\r\nStart page: index.html");
  offerToOpen(displayText(text), displayText(s.text("Apri nel browser", "Open in browser")),
              pathText(s.DbFolder + "index.html"));
}

void writeSortedCopyOfOpenDatabase(kord::Session& s) {
  const std::string stem = s.DbBaseName.substr(0, s.DbBaseName.size() - std::min<std::size_t>(4, s.DbBaseName.size()));
  const std::string typed =
      s.ui.inputBox(s.text("Nome del nuovo database in ordine alfabetico (nella stessa cartella):",
                           "Name of the new database in alphabetical order (in the same folder):"),
                    "Update DB", shownPath(stem) + "_alfa.rni");
  std::string name = kord::Cp1252ToUtf8(kord::Trim(typed));
  if (name.empty()) return;
  if (!kord::IsDatabaseFileName(name)) name += ".rni";
  if (!kord::IsPlainFileName(name)) {
    s.ui.message(s.text("Il nome non puo' contenere cartelle: ", "The name cannot hold folders: ") + kord::Trim(typed));
    return;
  }
  const kord::SortedCopy copy = kord::WriteSortedCopy(s.DbName, s.DbFolder + name, s.English);
  if (!copy.error.empty()) {
    s.ui.message(copy.error);
    return;
  }
  std::string done =
      s.text("Nuovo database in ordine alfabetico: ", "New database in alphabetical order: ") +
      shownPath(s.DbFolder + name) + "\r\n" + std::to_string(copy.individuals) +
      s.text(" individui; il database aperto non e' cambiato.", " individuals; the open database is unchanged.");
  if (copy.droppedLinks > 0)
    done += "\r\n" + std::to_string(copy.droppedLinks) +
            s.text(" righe di legame che non nominano una scheda sono state tralasciate.",
                   " link lines naming no record were left out.");
  s.ui.message(done, "Update DB");
}

}  // namespace kord::gui

#include "gui_harness.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "db/person_record.h"
#include "qt_language.h"

namespace kord::guitest {
namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

QByteArray recordBytes(int number, const std::string& name) {
  PersonRecord record;
  record.set(Num, std::to_string(number));
  record.set(Name, name);
  return QByteArray(record.bytes().data(), static_cast<qsizetype>(record.bytes().size()));
}

}  // namespace

void ScriptedUi::message(const std::string& text, const std::string&) { messages.push_back(text); }

bool ScriptedUi::askYesNo(const std::string& text, const std::string&, Icon, bool defaultYes) {
  questions.push_back(text);
  if (answers.empty()) return defaultYes;
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

std::string ScriptedUi::inputBox(const std::string&, const std::string&, const std::string&) {
  if (inputs.empty()) return {};
  std::string answer = inputs.front();
  inputs.pop_front();
  return answer;
}

void ScriptedUi::runFileDialog() {
  auto* dialog = windows_.as<gui::DatabaseFileDialog>(Window::DatabaseFileDialog);
  const int run = ++dialogRuns;
  if (onDialog) QTimer::singleShot(0, dialog, [this, dialog] { onDialog(*dialog); });
  // A script that misses its button must fail the test, not hang it.
  QTimer::singleShot(5000, dialog, [this, dialog, run] {
    if (dialogRuns != run || !dialog->isVisible()) return;
    dialogTimedOut = true;
    dialog->reject();
  });
  QtUi::runFileDialog();
}

void ScriptedUi::refresh(Window window) {
  QtUi::refresh(window);
  QWidget* progress = windows_.widget(Window::LoadProgressWindow);
  if (window != Window::LoadProgressWindow || !progress) return;
  auto* fileI = progress->findChild<QLineEdit*>(QStringLiteral("FileI"));
  progressSeen.emplace_back(fileI ? fileI->text() : QString(), progress->isVisible());
}

Harness::Harness() {
  // A new session starts in Italian, and so do Qt's texts, as at the start of kordwin.
  gui::useQtLanguage(false);
  const std::pair<Window, QWidget*> built[] = {{Window::StartWindow, &apreDB},
                                               {Window::DatabaseFileDialog, &frmApreFile},
                                               {Window::LoadProgressWindow, &leggeGenealog},
                                               {Window::MainWindow, &mainMenu},
                                               {Window::HistoryWindow, &history},
                                               {Window::FocusCard, &skeda},
                                               {Window::SecondCard, &skeda2},
                                               {Window::NameSearchWindow, &listaNomi},
                                               {Window::EditCardWindow, &editCard},
                                               {Window::ListWindow, &lista},
                                               {Window::ReportFieldsDialog, &campiReport},
                                               {Window::ReportGridWindow, &rapporto}};
  for (const auto& [window, widget] : built) windows.put(window, widget);
  session.dialog.folder = folder();
}

std::string Harness::folder() const { return dir.path().toStdString() + "/"; }

void Harness::writeFamily(const QString& base) const {
  const QString stem = dir.filePath(base);
  writeBytes(stem + ".rni",
             recordBytes(1, "Rossi Niccol\xF2") + recordBytes(2, "Bianchi Anna") + recordBytes(3, "Rossi Luigi"));
  writeBytes(stem + ".rnc", "3,1\r\n3,2\r\n");
  writeBytes(stem + ".rns", "1,2\r\n2,1\r\n");
  writeBytes(stem + ".rnt", "0\r\n");
}

bool Harness::copySample() const {
  const QDir sample(QStringLiteral(KORD_SAMPLE_DIR));
  const QStringList files = sample.entryList({QStringLiteral("famiglia.*"), QStringLiteral("*.jpg")}, QDir::Files);
  if (!files.contains(QStringLiteral("famiglia.rni"))) return false;
  for (const QString& name : files)
    if (!QFile::copy(sample.filePath(name), dir.filePath(name))) return false;
  return true;
}

void Harness::openThroughStartWindow(const QString& file) {
  ui.onDialog = [file](gui::DatabaseFileDialog& dialog) {
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("FilList"));
    if (!list || !clickListItem(*list, file)) return;
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnApreGenealogia")), Qt::LeftButton);
  };
  apreDB.show();
  QTest::mouseClick(apreDB.findChild<QPushButton*>(QStringLiteral("Command1_0")), Qt::LeftButton);
}

bool Harness::openSample() {
  if (!copySample()) return false;
  openThroughStartWindow(QStringLiteral("famiglia.rni"));
  ui.messages.clear();
  return session.DbLoaded;
}

bool clickListItem(QListWidget& list, const QString& text, bool doubleClick) {
  const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
  if (found.isEmpty()) return false;
  list.scrollToItem(found.first());
  const QPoint at = list.visualItemRect(found.first()).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
  if (doubleClick) {
    // A widget gets a double click as press, release, double click, release.
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, at);
  }
  return true;
}

void typeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 0x80)
      QTest::keyClick(widget, c.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

QStringList listTexts(const QListWidget& list) {
  QStringList texts;
  for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
  return texts;
}

}  // namespace kord::guitest

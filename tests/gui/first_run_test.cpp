// The first start of an installed kordwin without a folder: the sample is
// offered once as a copy in the home folder, and the answer is kept.

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

#include "first_run.h"
#include "gui_harness.h"

namespace kord::guitest {

class FirstRunTest : public QObject {
  Q_OBJECT

 private slots:
  void theSampleIsOfferedOnceAndTheAnswerKept();
};

namespace {

/// An installed data folder holding the sample, and an empty home.
struct FirstRunFixture : Harness {
  QString data = dir.filePath(QStringLiteral("share/kord"));
  QString home = dir.filePath(QStringLiteral("home"));
  QSettings settings{dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
  FirstRunFixture() {
    QDir().mkpath(data + QStringLiteral("/sample"));
    QDir().mkpath(home);
    QFile::copy(QStringLiteral(KORD_SAMPLE_DIR "/famiglia.rni"), data + QStringLiteral("/sample/famiglia.rni"));
  }
  std::string start() { return gui::sampleStartFolder(session, data.toStdString() + "/", home, settings); }
};

}  // namespace

void FirstRunTest::theSampleIsOfferedOnceAndTheAnswerKept() {
  const std::string copy = "/home/Kord/sample/";
  {
    FirstRunFixture yes;
    QCOMPARE(yes.start(), yes.dir.path().toStdString() + copy);
    QVERIFY(QFile::exists(yes.home + QStringLiteral("/Kord/sample/famiglia.rni")));
    QCOMPARE(yes.start(), yes.dir.path().toStdString() + copy);
    QCOMPARE(yes.ui.questions.size(), std::size_t(1));
  }
  {
    FirstRunFixture no;
    no.ui.answers = {false};
    QCOMPARE(no.start(), no.dir.path().toStdString() + "/home/");
    QCOMPARE(no.start(), no.dir.path().toStdString() + "/home/");
    QCOMPARE(no.ui.questions.size(), std::size_t(1));
    QVERIFY(!QDir(no.home + QStringLiteral("/Kord")).exists());
  }
  {
    FirstRunFixture notInstalled;
    QFile::remove(notInstalled.data + QStringLiteral("/sample/famiglia.rni"));
    QCOMPARE(notInstalled.start(), std::string());
    QVERIFY(notInstalled.ui.questions.empty());
  }
}

}  // namespace kord::guitest

int runFirstRunTests(int argc, char** argv) {
  kord::guitest::FirstRunTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "first_run_test.moc"

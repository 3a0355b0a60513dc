// Runs every window test class in one offscreen application.

#include <QApplication>
#include <QTest>

int runOpenFlowTests(int argc, char** argv);
int runFileDialogTests(int argc, char** argv);
int runMainMenuTests(int argc, char** argv);
int runDisplayEdgeTests(int argc, char** argv);
int runCardsTests(int argc, char** argv);
int runNameSearchTests(int argc, char** argv);
int runEditCardTests(int argc, char** argv);
int runListsTests(int argc, char** argv);
int runCheckWindowTests(int argc, char** argv);
int runHelpTests(int argc, char** argv);
int runFirstRunTests(int argc, char** argv);
int runMenuEntriesTests(int argc, char** argv);
int runNamesakesTests(int argc, char** argv);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failed = 0;
  for (auto run : {runOpenFlowTests, runFileDialogTests, runMainMenuTests, runDisplayEdgeTests, runCardsTests,
                   runNameSearchTests, runEditCardTests, runListsTests, runCheckWindowTests, runHelpTests,
                   runFirstRunTests, runMenuEntriesTests, runNamesakesTests})
    failed += run(argc, argv);
  return failed == 0 ? 0 : 1;
}

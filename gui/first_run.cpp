#include "first_run.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "db/codepage.h"
#include "qt_text.h"
#include "session/installed_data.h"

namespace kord::gui {
namespace {

const QString kAskedKey = QStringLiteral("firstRun/sampleOffered");
const QString kDatabase = QStringLiteral("famiglia.rni");

bool offerCopy(kord::Session& s, const QString& target) {
  const std::string where = kord::Utf8ToCp1252(corePath(QDir::toNativeSeparators(target)));
  return s.ui.askYesNo(s.text("Kord ha un archivio di esempio, una famiglia inventata su cui provare ogni comando. "
                              "Copiarlo in " +
                                  where + " per lavorarci?",
                              "Kord comes with a sample database, an invented family to try every command on. "
                              "Copy it to " +
                                  where + " to work on it?"),
                       "Kord", kord::Icon::Question, true);
}

}  // namespace

std::string sampleStartFolder(kord::Session& s, const std::string& dataFolder, const QString& home,
                              QSettings& settings) {
  const QString kordHome = home + QStringLiteral("/Kord");
  const QString sample = kordHome + QStringLiteral("/sample/");
  if (QFileInfo::exists(sample + kDatabase)) return corePath(sample);
  if (dataFolder.empty() || !QFileInfo::exists(pathText(dataFolder) + QStringLiteral("sample/") + kDatabase)) return {};
  const std::string homeFolder = corePath(home + QLatin1Char('/'));
  if (settings.value(kAskedKey).toBool()) return homeFolder;
  settings.setValue(kAskedKey, true);
  if (!offerCopy(s, kordHome)) return homeFolder;
  const std::string error = kord::CopySample(dataFolder, corePath(kordHome));
  if (!error.empty()) {
    s.ui.message(s.text("Impossibile copiare l'archivio di esempio: ", "Cannot copy the sample database: ") +
                 kord::Utf8ToCp1252(error));
    return homeFolder;
  }
  return corePath(sample);
}

}  // namespace kord::gui

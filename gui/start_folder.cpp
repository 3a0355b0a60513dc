#include "start_folder.h"

#include <QDir>
#include <QFileInfo>

#include "qt_text.h"

namespace kord::gui {

StartFolder startFolderFor(const QString& argument) {
  QFileInfo info(argument);
  if (!info.exists())
    return {{}, QStringLiteral("La cartella o il file indicato non esiste: ") + QDir::toNativeSeparators(argument)};
  QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
  folder = QDir::cleanPath(folder);
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return {corePath(folder), {}};
}

}  // namespace kord::gui

#include "qt_text.h"

#include <QTextDocument>

#include "db/codepage.h"

namespace kord::gui {

QString displayText(const std::string& cp1252) {
  QString text = QString::fromStdString(Cp1252ToUtf8(cp1252));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

std::string coreText(const QString& typed) { return Utf8ToCp1252(utf8Of(typed)); }

QString utf8Text(const std::string& utf8) { return QString::fromStdString(utf8); }

std::string utf8Of(const QString& text) { return text.toStdString(); }

QString pathText(const std::string& utf8) { return QString::fromStdString(utf8); }

std::string corePath(const QString& path) { return utf8Of(path); }

QString plainToolTip(const QString& text) {
  return text.isEmpty() ? text : Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}

QString controlObjectName(const std::string& controlName) {
  QString name = QString::fromStdString(controlName);
  if (!name.endsWith(QLatin1Char(')'))) return name;
  name.chop(1);
  name.replace(QLatin1Char('('), QLatin1Char('_'));
  return name;
}

}  // namespace kord::gui

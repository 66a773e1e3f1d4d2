#include "TsCatalogue.h"

#include <QFile>
#include <QXmlStreamReader>

QString TsMessage::describe() const {
  QString text = QStringLiteral("%1 / \"%2\"").arg(context, source);
  if (!comment.isEmpty()) text += QStringLiteral(" (%1)").arg(comment);
  return text;
}

namespace {

// <translation> holds either the text or one <numerusform> per plural form;
// every form must be filled for the message to count as finished.
bool readTranslation(QXmlStreamReader& xml) {
  const QString type = xml.attributes().value(QLatin1String("type")).toString();
  bool filled = true;
  bool sawForm = false;
  QString text;
  while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != QLatin1String("translation")) {
    if (xml.atEnd()) return false;
    if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
      sawForm = true;
      if (xml.readElementText().isEmpty()) filled = false;
    } else if (xml.isCharacters()) {
      text += xml.text();
    }
  }
  if (!sawForm) filled = !text.isEmpty();
  return filled && type.isEmpty();
}

}  // namespace

QVector<TsMessage> readTsFile(const QString& path, QString* error) {
  QVector<TsMessage> messages;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = file.errorString();
    return messages;
  }
  QXmlStreamReader xml(&file);
  QString context;
  TsMessage current;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      const auto name = xml.name();
      if (name == QLatin1String("name")) {
        context = xml.readElementText();
      } else if (name == QLatin1String("message")) {
        current = TsMessage{};
        current.context = context;
        current.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
      } else if (name == QLatin1String("source")) {
        current.source = xml.readElementText();
      } else if (name == QLatin1String("comment")) {
        current.comment = xml.readElementText();
      } else if (name == QLatin1String("translation")) {
        current.finished = readTranslation(xml);
      }
    } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
      messages.append(current);
    }
  }
  if (xml.hasError() && error) *error = QStringLiteral("%1: %2").arg(path, xml.errorString());
  return messages;
}

#include "platform/display/linux/SwayDisplayOutputs.h"

#include "platform/desktop/linux/SwayIpc.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QRegularExpression>

Q_LOGGING_CATEGORY(lcSwayOutputs, "varnex.display.sway")

namespace platform {

namespace {

const char* const kTransforms[] = {"normal", "90", "180", "270"};

bool isPortrait(int orientation) { return orientation == 1 || orientation == 3; }

// "normal", "90", … "flipped-270": the turn, flipped or not.
int orientationOf(const QString& transform) {
  for (int orientation = 0; orientation < 4; ++orientation) {
    const QString turn = QLatin1String(kTransforms[orientation]);
    if (transform == turn || transform == QLatin1String("flipped-") + turn) return orientation;
  }
  return 0;
}

QSize sizeOf(const QJsonObject& mode) { return QSize(mode.value("width").toInt(), mode.value("height").toInt()); }

QJsonArray activeOutputs(const SwayIpc& ipc) {
  QJsonArray active;
  for (const QJsonValue& value : ipc.request(SwayIpc::GetOutputs).array()) {
    if (value.toObject().value("active").toBool()) active.append(value);
  }
  return active;
}

}  // namespace

SwayDisplayOutputs::SwayDisplayOutputs(QString socketPath) : m_socketPath(std::move(socketPath)) {}

QVector<DisplayOutput> SwayDisplayOutputs::outputs() {
  QVector<DisplayOutput> result;
  for (const QJsonValue& value : activeOutputs(SwayIpc(m_socketPath))) {
    const QJsonObject object = value.toObject();
    const QJsonObject rect = object.value("rect").toObject();
    DisplayOutput output;
    output.name = object.value("name").toString();
    output.rect = QRect(rect.value("x").toInt(), rect.value("y").toInt(), rect.value("width").toInt(),
                        rect.value("height").toInt());
    output.orientation = orientationOf(object.value("transform").toString());
    const QSize mode = sizeOf(object.value("current_mode").toObject());
    output.modeSize = isPortrait(output.orientation) ? mode.transposed() : mode;
    output.monitorName = object.value("model").toString();
    result.push_back(output);
  }
  return result;
}

int SwayDisplayOutputs::setMode(const QString& outputName, int orientation, QSize size) {
  if (orientation < 0 || orientation > 3) return DisplayChangeBadMode;
  // The name goes into a sway command: only the characters output names use.
  static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9_.:-]+$"));
  if (!plainName.match(outputName).hasMatch()) return DisplayChangeBadParam;
  const SwayIpc ipc(m_socketPath);
  QJsonObject target;
  for (const QJsonValue& value : activeOutputs(ipc)) {
    if (value.toObject().value("name").toString() == outputName) target = value.toObject();
  }
  if (target.isEmpty()) return DisplayChangeBadParam;
  const QSize unturned = isPortrait(orientation) ? size.transposed() : size;
  bool offered = false;
  for (const QJsonValue& mode : target.value("modes").toArray()) offered = offered || sizeOf(mode.toObject()) == unturned;
  if (!offered && sizeOf(target.value("current_mode").toObject()) != unturned) {
    qCInfo(lcSwayOutputs) << outputName << "has no mode showing" << size << "at orientation" << orientation;
    return DisplayChangeBadMode;
  }
  const QByteArray command = QStringLiteral("output %1 mode %2x%3 transform %4")
                                 .arg(outputName)
                                 .arg(unturned.width())
                                 .arg(unturned.height())
                                 .arg(QLatin1String(kTransforms[orientation]))
                                 .toUtf8();
  const QJsonArray answers = ipc.request(SwayIpc::RunCommand, command).array();
  if (answers.isEmpty() || !answers.first().toObject().value("success").toBool()) {
    qCWarning(lcSwayOutputs) << "sway refused" << command << answers;
    return DisplayChangeFailed;
  }
  return DisplayChangeSuccessful;
}

}  // namespace platform

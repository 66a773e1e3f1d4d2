#include "platform/display/linux/KWinDisplayOutputs.h"

#include "platform/display/linux/KWinOutputDevices.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcKWinOutputs, "varnex.display.plasma")

namespace platform {

namespace {

bool isPortrait(int orientation) { return orientation == 1 || orientation == 3; }

// The connector name where KWin gives one (version 2), else the model.
QString outputName(const KWinOutputDevices::Device& device) {
  return device.name.isEmpty() ? device.model : device.name;
}

}  // namespace

KWinDisplayOutputs::KWinDisplayOutputs(QByteArray socket) : m_socket(std::move(socket)) {}

KWinDisplayOutputs::~KWinDisplayOutputs() {
  m_pinThread.quit();
  m_pinThread.wait();
  delete m_pin;
}

QRect KWinDisplayOutputs::penFrame(const QRect& screen, const QRect& desktop) {
  const QVector<DisplayOutput> all = outputs();
  if (all.size() < 2) return desktop;
  for (const DisplayOutput& output : all) {
    if (output.rect != screen) continue;
    if (!m_pin) {
      m_pin = new KWinTabletPin();
      m_pin->moveToThread(&m_pinThread);
      m_pinThread.start();
    }
    QMetaObject::invokeMethod(m_pin, [pin = m_pin, name = output.name] { pin->pinTo(name); }, Qt::QueuedConnection);
    return output.rect;
  }
  qCInfo(lcKWinOutputs) << "KWin spreads the pen over one monitor only; the whole desktop cannot be mapped";
  return desktop;
}

bool KWinDisplayOutputs::isAvailable(const QByteArray& socket) { return KWinOutputDevices(socket).isComplete(); }

QVector<DisplayOutput> KWinDisplayOutputs::outputs() {
  QVector<DisplayOutput> result;
  const KWinOutputDevices devices(m_socket);
  if (!devices.isComplete()) {
    qCInfo(lcKWinOutputs) << "KWin told no output devices";
    return result;
  }
  for (const auto& device : devices.devices()) {
    if (!device->enabled || !device->current) continue;
    DisplayOutput output;
    output.name = outputName(*device);
    output.rect = device->layoutRect();
    output.orientation = device->transform % 4;
    output.modeSize = isPortrait(output.orientation) ? device->current->size.transposed() : device->current->size;
    output.edid = device->edid;
    output.monitorName = device->model;
    result.push_back(output);
  }
  return result;
}

int KWinDisplayOutputs::setMode(const QString& name, int orientation, QSize size) {
  if (orientation < 0 || orientation > 3) return DisplayChangeBadMode;
  KWinOutputDevices devices(m_socket);
  if (!devices.isComplete()) return DisplayChangeFailed;
  const KWinOutputDevices::Device* target = nullptr;
  for (const auto& device : devices.devices())
    if (device->enabled && outputName(*device) == name) target = device.get();
  if (!target) return DisplayChangeBadParam;
  const KWinOutputDevices::Mode* mode = target->modeOfSize(isPortrait(orientation) ? size.transposed() : size);
  if (!mode) {
    qCInfo(lcKWinOutputs) << name << "has no mode showing" << size << "at orientation" << orientation;
    return DisplayChangeBadMode;
  }
  // A flipped monitor stays flipped; only the turn changes.
  const int transform = orientation + (target->transform >= 4 ? 4 : 0);
  switch (devices.turn(*target, transform, *mode)) {
    case KWinOutputDevices::Outcome::Applied: return DisplayChangeSuccessful;
    case KWinOutputDevices::Outcome::NoManagement:
      qCWarning(lcKWinOutputs) << "KWin offers no output management; cannot turn" << name;
      return DisplayChangeFailed;
    case KWinOutputDevices::Outcome::Refused:
    default: qCWarning(lcKWinOutputs) << "KWin refused to turn" << name; return DisplayChangeFailed;
  }
}

}  // namespace platform

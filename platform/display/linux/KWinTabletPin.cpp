#include "platform/display/linux/KWinTabletPin.h"

#include "platform/desktop/linux/DesktopAnswerTimeout.h"
#include "platform/virtualpen/linux/PenEvdevTranslator.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcKWinPin, "varnex.display.plasma.pin")

namespace platform {

namespace {

const QString kService = QStringLiteral("org.kde.KWin");
const QString kManagerPath = QStringLiteral("/org/kde/KWin/InputDevice");
const QString kManagerInterface = QStringLiteral("org.kde.KWin.InputDeviceManager");
const QString kDeviceInterface = QStringLiteral("org.kde.KWin.InputDevice");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

QString devicePath(const QString& sysName) { return kManagerPath + QLatin1Char('/') + sysName; }

}  // namespace

KWinTabletPin::KWinTabletPin(QDBusConnection bus) : m_bus(std::move(bus)) {
  m_bus.connect(kService, kManagerPath, kManagerInterface, QStringLiteral("deviceAdded"), this,
                SLOT(deviceAdded(QString)));
}

void KWinTabletPin::pinTo(const QString& outputName) {
  m_outputName = outputName;
  for (const QString& sysName : deviceNames())
    if (isVirtualPen(sysName)) pin(sysName);
}

void KWinTabletPin::deviceAdded(const QString& sysName) {
  if (!m_outputName.isEmpty() && isVirtualPen(sysName)) pin(sysName);
}

QStringList KWinTabletPin::deviceNames() const {
  QDBusMessage get = QDBusMessage::createMethodCall(kService, kManagerPath, kProperties, QStringLiteral("Get"));
  get << kManagerInterface << QStringLiteral("devicesSysNames");
  const QDBusMessage reply = m_bus.call(get, QDBus::Block, kDesktopAnswerTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
    qCInfo(lcKWinPin) << "KWin lists no input devices:" << reply.errorMessage();
    return {};
  }
  return reply.arguments().first().value<QDBusVariant>().variant().toStringList();
}

bool KWinTabletPin::isVirtualPen(const QString& sysName) const {
  QDBusMessage get = QDBusMessage::createMethodCall(kService, devicePath(sysName), kProperties, QStringLiteral("Get"));
  get << kDeviceInterface << QStringLiteral("name");
  const QDBusMessage reply = m_bus.call(get, QDBus::Block, kDesktopAnswerTimeoutMs);
  return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
         reply.arguments().first().value<QDBusVariant>().variant().toString() ==
             QLatin1String(PenEvdevTranslator::kDeviceName);
}

void KWinTabletPin::pin(const QString& sysName) {
  QDBusMessage set = QDBusMessage::createMethodCall(kService, devicePath(sysName), kProperties, QStringLiteral("Set"));
  set << kDeviceInterface << QStringLiteral("outputName") << QVariant::fromValue(QDBusVariant(m_outputName));
  const QDBusMessage reply = m_bus.call(set, QDBus::Block, kDesktopAnswerTimeoutMs);
  if (reply.type() == QDBusMessage::ErrorMessage) {
    qCWarning(lcKWinPin) << "KWin did not pin the virtual pen to" << m_outputName << ":" << reply.errorMessage();
    return;
  }
  qCInfo(lcKWinPin) << "the virtual pen" << sysName << "is pinned to" << m_outputName;
}

}  // namespace platform

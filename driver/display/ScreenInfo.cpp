#include "driver/display/ScreenInfo.h"

#include "driver/core/MyQmlEnum.h"
#include "driver/display/DesktopSketch.h"
#include "driver/display/DisplayMonitorDevice.h"
#include "driver/display/ImageProvider.h"
#include "platform/display/DisplayOutputs.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPixmap>
#include <QScreen>

Q_LOGGING_CATEGORY(lcScreenInfo, "varnex.display.screens")

namespace {

constexpr int kRefreshDelayMs = 500;

QRect virtualDesktop() {
  const QScreen* primary = QGuiApplication::primaryScreen();
  return primary ? primary->virtualGeometry() : QRect();
}

// The part after the last backslash: Windows names screens \\.\DISPLAY1, and
// the short name is what the list shows.
QString shortScreenName(const QString& name) { return name.mid(name.lastIndexOf(QLatin1Char('\\')) + 1); }

}  // namespace

ScreenInfo::ScreenInfo(QObject* parent) : QObject(parent), m_screenImageProvider(std::make_unique<ImageProvider>()) {
  m_refreshTimer.setSingleShot(true);
  m_refreshTimer.setInterval(kRefreshDelayMs);
  connect(&m_refreshTimer, &QTimer::timeout, this, [this] {
    m_grabRect = chosenRect();
    qCInfo(lcScreenInfo) << "m_grabRect" << m_grabRect;
    qCInfo(lcScreenInfo) << "allScreenRect" << virtualDesktop();
    emitRealScreenRect();
  });
  getScreenDevNameList();
  if (qGuiApp) {
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &ScreenInfo::getScreenDevNameList);
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &ScreenInfo::getScreenDevNameList);
    // The first entry is translated: a language switch renames it.
    qGuiApp->installEventFilter(this);
  }
}

ScreenInfo::~ScreenInfo() { disconnectScreens(); }

ImageProvider* ScreenInfo::takeScreenImageProvider() { return m_screenImageProvider->newSharingProvider(); }

void ScreenInfo::setDevType(int devType) {
  m_devType = devType;
  getScreenDevNameList();
}

void ScreenInfo::refreshScreenRectLater() { m_refreshTimer.start(); }

QStringList ScreenInfo::screenNames(const QStringList& outputNames, const QMap<QString, QString>& monitorNames,
                                    int devType, const QString& allScreensText) {
  QStringList names;
  if (outputNames.size() >= 2) names << allScreensText;
  for (const QString& outputName : outputNames) {
    QString name = shortScreenName(outputName);
    const auto monitor = monitorNames.constFind(outputName);
    if (monitor != monitorNames.constEnd()) {
      const QString monitorName =
          monitor->isEmpty() && devType == MyQmlEnum::CFG_Fjord1 ? QStringLiteral("Fjord1") : *monitor;
      name += QLatin1Char(' ') + monitorName;
    }
    names << name;
  }
  return names;
}

QString ScreenInfo::outputNameOf(const QScreen& screen, const QVector<MonitorRecord>& monitors) {
  const QString name = screen.name();
  for (const MonitorRecord& record : monitors)
    if (record.adapterDeviceName == name) return name;
  // Through XWayland, Qt sees made-up screens ("XWAYLAND0") where the
  // compositor names its monitors; the same place on the desktop is the
  // same monitor.
  for (const MonitorRecord& record : monitors)
    if (record.monitorRect == screen.geometry()) return record.adapterDeviceName;
  return name;
}

void ScreenInfo::disconnectScreens() {
  for (const QMetaObject::Connection& connection : qAsConst(m_screenConnections)) disconnect(connection);
  m_screenConnections.clear();
}

void ScreenInfo::getScreenDevNameList() {
  disconnectScreens();
  m_screenNameList.clear();
  m_screenMap.clear();
  m_screens.clear();
  const QList<QScreen*> screens = qGuiApp ? QGuiApplication::screens() : QList<QScreen*>();
  DisplayMonitorDevice monitors;
  monitors.setDevType(m_devType);
  QStringList outputNames;
  for (QScreen* screen : screens) {
    m_screens << screen;
    outputNames << outputNameOf(*screen, monitors.monitors());
  }

  const QStringList names = screenNames(outputNames, monitors.monitorNameMap(), m_devType, tr("ALL SCREEN"));
  const int firstScreen = names.size() - screens.size();
  for (int i = 0; i < names.size(); ++i) m_screenNameList << names[i];
  // The same choice the controller makes for calibration and rotation.
  m_penDisplayScreenName.clear();
  if (m_devType >= MyQmlEnum::CFG_Fjord2Pro) {
    const int penDisplay = outputNames.indexOf(monitors.findPenDisplayDevice());
    if (penDisplay >= 0) m_penDisplayScreenName = names[firstScreen + penDisplay];
  }
  for (int i = 0; i < screens.size(); ++i) {
    m_screenMap.insert(names[firstScreen + i], screens[i]);
    m_screenConnections << connect(screens[i], &QScreen::geometryChanged, this,
                                   [this] { setGrabScreenRect(m_grabName); });
  }
  emit screenNameListChanged();
}

QRect ScreenInfo::chosenRect() const {
  const auto screen = m_screenMap.constFind(m_grabName);
  if (screen != m_screenMap.constEnd() && !screen->isNull()) return (*screen)->geometry();
  return virtualDesktop();
}

void ScreenInfo::grabScreen() {
  m_grabRect = chosenRect();
  QPixmap grabbed;
  const QList<QScreen*> screens = qGuiApp ? QGuiApplication::screens() : QList<QScreen*>();
  if (!screens.isEmpty() && m_grabRect.isValid()) {
    grabbed = screens.first()->grabWindow(0, m_grabRect.x(), m_grabRect.y(), m_grabRect.width(), m_grabRect.height());
  }
  QPixmap picture;
  if (grabbed.isNull()) {
    picture = DesktopSketch::draw(sketchedMonitors(), m_grabRect, QSize(kPictureWidth, kPictureHeight));
  } else {
    picture = grabbed.scaled(kPictureWidth, kPictureHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  }
  m_screenImageProvider->setPixmap(picture);
  emit screenImageChanged();
}

QVector<DesktopSketch::Monitor> ScreenInfo::sketchedMonitors() const {
  QVector<DesktopSketch::Monitor> monitors;
  for (auto screen = m_screenMap.constBegin(); screen != m_screenMap.constEnd(); ++screen) {
    if (screen->isNull()) continue;
    monitors.push_back({screen.key().trimmed(), (*screen)->geometry(), screen.key() == m_grabName});
  }
  return monitors;
}

void ScreenInfo::setGrabScreenRect(QString screenName) {
  m_grabName = screenName;
  grabScreen();
  emitRealScreenRect();
}

// The virtual pen's coordinates are fractions of the frame the desktop
// spreads it over: the whole desktop on most, one monitor on some.
void ScreenInfo::emitRealScreenRect() {
  emit realScreenRect(m_grabRect, platform::DisplayOutputs::current().penFrame(m_grabRect, virtualDesktop()));
}

double ScreenInfo::getScreenSize(int type) { return rectValue(m_grabRect, type); }

double ScreenInfo::rectValue(const QRect& rect, int type) {
  switch (type) {
    case 0: return rect.width();
    case 1: return rect.height();
    case 2: return rect.x();
    case 3: return rect.y();
    default: return 0.0;
  }
}

bool ScreenInfo::getIsCloneScreen() { return qGuiApp && QGuiApplication::screens().size() == 1; }

bool ScreenInfo::eventFilter(QObject* watched, QEvent* event) {
  if (watched == qGuiApp && event->type() == QEvent::LanguageChange && m_screenNameList.size() >= 2) {
    // Keep the whole-desktop choice when it was the chosen entry.
    const bool allChosen = m_grabName == m_screenNameList.first().toString();
    getScreenDevNameList();
    if (allChosen) m_grabName = m_screenNameList.first().toString();
  }
  return QObject::eventFilter(watched, event);
}

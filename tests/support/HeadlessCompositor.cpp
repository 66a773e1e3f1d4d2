#include "tests/support/HeadlessCompositor.h"

#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <QLocalSocket>
#include <QRegularExpression>

#include <unistd.h>
#include <wayland-client.h>

namespace {

// Ready once a client can connect to the socket and get an answer.
std::function<bool()> socketAnswers(const QByteArray& socket) {
  return [socket] {
    if (!QFileInfo::exists(QString::fromLocal8Bit(socket))) return false;
    wl_display* display = wl_display_connect(socket.constData());
    if (!display) return false;
    const bool answered = wl_display_roundtrip(display) >= 0;
    wl_display_disconnect(display);
    return answered;
  };
}

}  // namespace

HeadlessCompositor::HeadlessCompositor(const QString& desktop)
    : m_bus(std::make_unique<PrivateBus>()),
      m_runtimeDir(std::make_unique<QTemporaryDir>()),
      m_process(std::make_unique<QProcess>()),
      m_desktop(desktop) {
  QFile::setPermissions(m_runtimeDir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

HeadlessCompositor HeadlessCompositor::mutter(const QVector<QSize>& monitors) {
  HeadlessCompositor compositor("GNOME");
  QStringList arguments{"--headless", "--wayland", "--no-x11", "--wayland-display", kSocket};
  for (const QSize& size : monitors)
    arguments << "--virtual-monitor" << QString("%1x%2").arg(size.width()).arg(size.height());
  const QString bus = compositor.m_bus->address();
  const QString name = "compositor-test-" + compositor.m_runtimeDir->path();
  compositor.m_connectionName = name;
  compositor.start(QStandardPaths::findExecutable("mutter"), arguments, [bus, name] {
    QDBusConnection connection = QDBusConnection::connectToBus(bus, name);
    return connection.interface() &&
           connection.interface()->isServiceRegistered("org.gnome.Mutter.DisplayConfig").value();
  });
  return compositor;
}

HeadlessCompositor HeadlessCompositor::gnomeShell(QSize size, const QString& home) {
  HeadlessCompositor compositor("GNOME");
  compositor.m_systemBus = std::make_unique<PrivateBus>();
  compositor.m_extraEnvironment.insert("HOME", home);
  compositor.m_extraEnvironment.insert("XDG_DATA_HOME", home + "/.local/share");
  compositor.m_extraEnvironment.insert("XDG_CONFIG_HOME", home + "/.config");
  compositor.m_extraEnvironment.insert("GSETTINGS_BACKEND", "memory");
  compositor.m_extraEnvironment.insert("DBUS_SYSTEM_BUS_ADDRESS", compositor.m_systemBus->address());
  const QStringList arguments{"--headless", "--wayland", "--no-x11", "--wayland-display", kSocket,
                              "--virtual-monitor", QString("%1x%2").arg(size.width()).arg(size.height())};
  const QString bus = compositor.m_bus->address();
  const QString name = "compositor-test-" + compositor.m_runtimeDir->path();
  compositor.m_connectionName = name;
  compositor.start(QStandardPaths::findExecutable("gnome-shell"), arguments, [bus, name] {
    QDBusConnection connection = QDBusConnection::connectToBus(bus, name);
    return connection.interface() && connection.interface()->isServiceRegistered("org.gnome.Shell").value();
  });
  return compositor;
}

HeadlessCompositor HeadlessCompositor::kwin(int outputs, QSize size) {
  HeadlessCompositor compositor("KDE");
  // The installed kwin_wayland carries a file capability that a container
  // may refuse to execute; a plain copy runs.
  QString program = QStandardPaths::findExecutable("kwin_wayland");
  if (!program.isEmpty()) {
    const QString copy = compositor.m_runtimeDir->path() + "/bin/kwin_wayland";
    QDir().mkpath(QFileInfo(copy).path());
    program = QFile::copy(program, copy) ? copy : QString();
  }
  const QStringList arguments{"--virtual", "--width", QString::number(size.width()), "--height",
                              QString::number(size.height()), "--output-count", QString::number(outputs),
                              "--socket", kSocket};
  compositor.start(program, arguments, socketAnswers(compositor.socketPath()));
  return compositor;
}

HeadlessCompositor HeadlessCompositor::weston(QSize size) {
  HeadlessCompositor compositor("weston");
  const QStringList arguments{"--backend=headless-backend.so", "--no-config", "--socket=" + QString(kSocket),
                              QString("--width=%1").arg(size.width()), QString("--height=%1").arg(size.height())};
  compositor.start(QStandardPaths::findExecutable("weston"), arguments, socketAnswers(compositor.socketPath()));
  return compositor;
}

HeadlessCompositor HeadlessCompositor::sway(const QVector<QSize>& outputs) {
  HeadlessCompositor compositor("sway");
  const QString runtime = compositor.m_runtimeDir->path();
  QDir().mkpath(runtime + "/home");
  QString config;
  int x = 0;
  for (int i = 0; i < outputs.size(); ++i) {
    config += QString("output HEADLESS-%1 mode %2x%3 position %4 0\n")
                  .arg(i + 1)
                  .arg(outputs[i].width())
                  .arg(outputs[i].height())
                  .arg(x);
    x += outputs[i].width();
  }
  QFile file(runtime + "/config");
  if (file.open(QIODevice::WriteOnly)) file.write(config.toUtf8());
  file.close();
  QProcessEnvironment& environment = compositor.m_extraEnvironment;
  environment.insert("HOME", runtime + "/home");
  environment.insert("WLR_BACKENDS", "headless");
  environment.insert("WLR_RENDERER", "pixman");
  environment.insert("WLR_LIBINPUT_NO_DEVICES", "1");
  environment.insert("WLR_HEADLESS_OUTPUTS", QString::number(outputs.size()));
  QString program = QStandardPaths::findExecutable("sway");
  QStringList arguments{"-c", runtime + "/config"};
  if (geteuid() == 0 && !program.isEmpty()) {
    const QString setpriv = QStandardPaths::findExecutable("setpriv");
    const QByteArray runtimePath = QFile::encodeName(runtime);
    if (setpriv.isEmpty() || chown(runtimePath.constData(), 65534, 65534) != 0 ||
        chown(QFile::encodeName(runtime + "/home").constData(), 65534, 65534) != 0) {
      compositor.m_whyNot = "sway refuses root, and nobody cannot be made its user here";
      return compositor;
    }
    arguments = QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", program} + arguments;
    program = setpriv;
  }
  // sway names its socket after its user and process.
  HeadlessCompositor* self = &compositor;
  compositor.start(program, arguments, [self, runtime] {
    const QStringList sockets = QDir(runtime).entryList({"sway-ipc.*.sock"}, QDir::System);
    if (sockets.isEmpty()) return false;
    QLocalSocket probe;
    probe.connectToServer(runtime + "/" + sockets.first());
    if (!probe.waitForConnected(500)) return false;
    const QStringList displays = QDir(runtime).entryList({"wayland-*"}, QDir::System).filter(QRegularExpression("^wayland-\\d+$"));
    if (displays.isEmpty()) return false;
    self->m_extraEnvironment.insert("SWAYSOCK", runtime + "/" + sockets.first());
    self->m_extraEnvironment.insert("WAYLAND_DISPLAY", displays.first());
    return true;
  });
  return compositor;
}

QString HeadlessCompositor::swaySocket() const { return m_extraEnvironment.value("SWAYSOCK"); }

void HeadlessCompositor::start(const QString& program, const QStringList& arguments,
                               const std::function<bool()>& ready) {
  if (program.isEmpty()) {
    m_whyNot = "the compositor is not installed";
    return;
  }
  if (m_bus->address().isEmpty()) {
    m_whyNot = "no private session bus (dbus-daemon missing)";
    return;
  }
  if (m_connectionName.isEmpty()) m_connectionName = "compositor-test-" + m_runtimeDir->path();
  QDBusConnection::connectToBus(m_bus->address(), m_connectionName);
  m_process->setProcessEnvironment(compositorEnvironment());
  m_process->setProcessChannelMode(QProcess::MergedChannels);
  m_process->start(program, arguments);
  if (!m_process->waitForStarted(10000)) {
    m_whyNot = program + " did not start";
    return;
  }
  const QDeadlineTimer deadline(30000);
  while (!deadline.hasExpired() && m_process->state() == QProcess::Running) {
    if (ready()) {
      m_running = true;
      return;
    }
    m_process->waitForReadyRead(50);
  }
  m_whyNot = program + " did not come up: " + QString::fromLocal8Bit(m_process->readAll().right(2000));
}

HeadlessCompositor::~HeadlessCompositor() {
  if (!m_process) return;  // moved from
  if (!m_connectionName.isEmpty()) QDBusConnection::disconnectFromBus(m_connectionName);
  if (m_process->state() == QProcess::NotRunning) return;
  m_process->terminate();
  if (!m_process->waitForFinished(10000)) {
    m_process->kill();
    m_process->waitForFinished(10000);
  }
}

QDBusConnection HeadlessCompositor::bus() const { return QDBusConnection(m_connectionName); }

QByteArray HeadlessCompositor::socketPath() const {
  return QFile::encodeName(m_runtimeDir->path() + "/" + kSocket);
}

QProcessEnvironment HeadlessCompositor::compositorEnvironment() const {
  QProcessEnvironment environment = sessionEnvironment();
  // sway takes its socket from the environment it is given: none yet.
  environment.remove("SWAYSOCK");
  if (m_desktop == QLatin1String("sway")) environment.remove("WAYLAND_DISPLAY");
  return environment;
}

QProcessEnvironment HeadlessCompositor::sessionEnvironment() const {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("DBUS_SESSION_BUS_ADDRESS", m_bus->address());
  environment.insert("XDG_RUNTIME_DIR", m_runtimeDir->path());
  environment.insert("WAYLAND_DISPLAY", kSocket);
  environment.insert("XDG_SESSION_TYPE", "wayland");
  environment.insert("XDG_CURRENT_DESKTOP", m_desktop);
  environment.remove("DISPLAY");
  for (const QString& key : m_extraEnvironment.keys()) environment.insert(key, m_extraEnvironment.value(key));
  return environment;
}

#include "TabletEmulator.h"

#include "driver/firmware/sim/SimIapDevice.h"
#include "platform/hid/ReportDescriptorParser.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>
#include <cerrno>

namespace {

constexpr int kDefaultAwaitMs = 60000;
// A firmware interface that restarts (into or out of its boot loader) first
// finishes sending its answer, then is away for a while, as the chip is.
constexpr int kAnswerBeforeRestartMs = 150;
constexpr int kRestartMs = 300;
constexpr int kIapInputLength = SimIapDevice::kInputReportLength;

QString hex(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex(' ')); }

}  // namespace

TabletEmulator::TabletEmulator(TabletDescription description, std::FILE* log)
    : m_description(std::move(description)), m_log(log), m_inotify(inotify_init1(IN_CLOEXEC | IN_NONBLOCK)) {
  m_clock.start();
  int index = 0;
  for (const TabletDescription::Interface& interface : m_description.interfaces) {
    auto node = std::make_unique<Node>();
    node->description = interface;
    UhidDevice::Identity identity;
    identity.name = interface.productName.isEmpty() ? m_description.name : interface.productName;
    identity.phys = QByteArray("varnex-test/") + interface.name.toUtf8() + "/" + QByteArray::number(index++);
    identity.vendorId = m_description.vendorId;
    identity.productId = m_description.productId;
    identity.descriptor = interface.descriptor;
    // Report id items (0x85) make a numbered descriptor.
    const platform::ParsedReportDescriptor parsed = platform::ReportDescriptorParser::parse(interface.descriptor);
    identity.numbered = parsed.numberedReports;
    // The kernel drops input reports shorter than the descriptor says.
    for (const platform::HidTopLevelCollection& collection : parsed.collections)
      node->inputLength = qMax(node->inputLength, collection.inputReportLength);
    if (interface.iapDevType) {
      SimIapDevice::Config config;
      config.devType = interface.iapDevType;
      node->bootLoader = std::make_shared<SimIapDevice>(config);
    }
    Node* raw = node.get();
    node->device = std::make_unique<UhidDevice>(
        identity, [this, raw](const QByteArray& report, bool feature) { return onOutput(*raw, report, feature); },
        [raw](uint8_t id) { return raw->description.features.value(id); });
    m_nodes.push_back(std::move(node));
  }
}

TabletEmulator::~TabletEmulator() {
  m_nodes.clear();
  if (m_inotify >= 0) ::close(m_inotify);
}

void TabletEmulator::note(const QString& text) {
  std::fprintf(m_log, "%s\n", text.toUtf8().constData());
  std::fflush(m_log);
}

QByteArray TabletEmulator::onOutput(Node& node, const QByteArray& report, bool feature) {
  if (!node.bootLoader) {
    note(QStringLiteral("%1 %2 %3").arg(feature ? "feature" : "output", node.description.name, hex(report)));
    const QByteArray& init = m_description.initReport;
    if (!init.isEmpty() && report.startsWith(init)) m_initSeen = true;
    return QByteArray();
  }
  const std::vector<QByteArray> answers =
      node.bootLoader->answers(reinterpret_cast<const uint8_t*>(report.constData()), report.size());
  for (QByteArray answer : answers) {
    answer.append(QByteArray(qMax(0, kIapInputLength - answer.size()), '\0'));
    node.device->send(answer);
  }
  if (node.bootLoader->generation() != node.bootGeneration) {
    node.bootGeneration = node.bootLoader->generation();
    node.restartAtMs = m_clock.elapsed() + kAnswerBeforeRestartMs;
  }
  return QByteArray();
}

void TabletEmulator::watchOpens(Node& node) {
  if (m_inotify < 0) return;
  // The node appears once the kernel has bound hidraw to the new device.
  std::string path;
  for (int tries = 0; tries < 200 && (path = node.device->hidrawNode()).empty(); ++tries) serveOnce(10);
  if (path.empty() || ::access(path.c_str(), F_OK) != 0) {
    note(QStringLiteral("no hidraw node for %1").arg(node.description.name));
    return;
  }
  node.watch = inotify_add_watch(m_inotify, path.c_str(), IN_OPEN);
  note(QStringLiteral("plugged %1 %2").arg(node.description.name, QString::fromStdString(path)));
}

void TabletEmulator::serveOnce(int timeoutMs) {
  std::vector<pollfd> fds;
  std::vector<Node*> owners;
  for (auto& node : m_nodes) {
    if (!node->device->plugged()) continue;
    fds.push_back({node->device->fd(), POLLIN, 0});
    owners.push_back(node.get());
  }
  if (m_inotify >= 0) fds.push_back({m_inotify, POLLIN, 0});
  const bool ready = ::poll(fds.data(), fds.size(), timeoutMs) > 0;
  for (size_t i = 0; ready && i < owners.size(); ++i)
    if (fds[i].revents & POLLIN) owners[i]->device->handleEvents();
  if (ready && m_inotify >= 0 && (fds.back().revents & POLLIN)) {
    alignas(inotify_event) char buffer[4096];
    const ssize_t got = ::read(m_inotify, buffer, sizeof buffer);
    for (ssize_t at = 0; at < got;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
      for (auto& node : m_nodes)
        if (node->watch == event->wd && (event->mask & IN_OPEN)) note("opened " + node->description.name);
      at += ssize_t(sizeof(inotify_event) + event->len);
    }
  }
  for (auto& node : m_nodes) {
    if (node->restartAtMs < 0 || m_clock.elapsed() < node->restartAtMs) continue;
    node->restartAtMs = -1;
    node->device->unplug();
    note(QStringLiteral("restarting %1 (boot loader %2)")
             .arg(node->description.name)
             .arg(node->bootLoader->inBootLoader() ? "on" : "off"));
    if (node->bootLoader->flashed())
      note(QStringLiteral("flashed %1 bytes").arg(node->bootLoader->receivedImage().size()));
    ::usleep(kRestartMs * 1000);
    std::string error;
    if (!node->device->plug(error)) note(QString::fromStdString(error));
    watchOpens(*node);
  }
}

template <typename Condition>
bool TabletEmulator::serve(int timeoutMs, Condition until) {
  QElapsedTimer clock;
  clock.start();
  while (!until()) {
    const qint64 left = timeoutMs - clock.elapsed();
    if (left <= 0) return false;
    serveOnce(int(qMin<qint64>(left, 50)));
  }
  return true;
}

std::vector<TabletEmulator::Node*> TabletEmulator::selected(const QStringList& names, QString& error) {
  std::vector<Node*> nodes;
  for (auto& node : m_nodes)
    if (names.isEmpty() || names.contains(node->description.name)) nodes.push_back(node.get());
  if (nodes.size() < size_t(qMax(1, names.size()))) error = "unknown interface in " + names.join(' ');
  return nodes;
}

bool TabletEmulator::plug(const QStringList& names, bool in, QString& error) {
  const std::vector<Node*> nodes = selected(names, error);
  if (!error.isEmpty()) return false;
  for (Node* node : nodes) {
    if (in) {
      std::string why;
      m_initSeen = false;
      if (!node->device->plug(why)) {
        error = QString::fromStdString(why);
        return false;
      }
      watchOpens(*node);
    } else if (node->device->plugged()) {
      node->device->unplug();
      if (node->watch >= 0) inotify_rm_watch(m_inotify, node->watch);
      node->watch = -1;
      note("unplugged " + node->description.name);
    }
  }
  return true;
}

bool TabletEmulator::sendFile(const QString& path, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    error = path + ": " + file.errorString();
    return false;
  }
  int sent = 0;
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    if (line.isEmpty() || line.startsWith('#')) continue;
    const bool wait = line.startsWith("wait ");
    if (!command(wait ? "sleep " + line.mid(5) : "report " + line, error)) return false;
    if (!wait) ++sent;
  }
  note(QStringLiteral("sent %1 reports from %2").arg(sent).arg(path));
  return true;
}

bool TabletEmulator::command(const QString& line, QString& error) {
  const QStringList words = line.split(' ', Qt::SkipEmptyParts);
  const QString name = words.value(0);
  const QStringList arguments = words.mid(1);
  const int number = arguments.value(0).toInt();
  if (name == "plug" || name == "unplug") return plug(arguments, name == "plug", error);
  if (name == "await-init") {
    if (serve(arguments.isEmpty() ? kDefaultAwaitMs : number, [this] { return m_initSeen; })) return true;
    error = "the init report did not arrive";
    return false;
  }
  if (name == "await-file") {
    const QString path = arguments.value(0);
    const int limit = arguments.size() > 1 ? arguments[1].toInt() : kDefaultAwaitMs;
    if (serve(limit, [&path] { return QFileInfo::exists(path); })) return true;
    error = path + " did not appear";
    return false;
  }
  if (name == "sleep") {
    serve(number, [] { return false; });
    return true;
  }
  if (name == "mark") {
    note("mark " + arguments.join(' '));
    return true;
  }
  if (name == "send") return sendFile(arguments.value(0), error);
  if (name == "report") {
    QByteArray report;
    if (!parseHexBytes(arguments.join(' '), report) || report.isEmpty()) {
      error = "not a report: " + line;
      return false;
    }
    Node& first = *m_nodes.front();
    if (report.size() < first.inputLength) report.append(QByteArray(first.inputLength - report.size(), '\0'));
    if (!first.device->send(report)) {
      error = "the report could not be sent: " + line;
      return false;
    }
    serveOnce(0);
    return true;
  }
  error = "unknown command: " + line;
  return false;
}

bool TabletEmulator::runLines(const QStringList& lines, int& index, int end, QString& error) {
  while (index < end) {
    const QString line = lines[index++].section('#', 0, 0).trimmed();
    if (line.isEmpty()) continue;
    if (line.startsWith("repeat ")) {
      const int count = line.mid(7).toInt();
      int close = index, depth = 1;
      for (; close < end && depth > 0; ++close) {
        const QString inner = lines[close].trimmed();
        if (inner.startsWith("repeat ")) ++depth;
        if (inner == "end") --depth;
      }
      if (depth != 0) {
        error = "repeat without end";
        return false;
      }
      for (int round = 0; round < count; ++round) {
        int inner = index;
        if (!runLines(lines, inner, close - 1, error)) return false;
      }
      index = close;
      continue;
    }
    if (!command(line, error)) return false;
  }
  return true;
}

bool TabletEmulator::run(const QStringList& script, QString& error) {
  int index = 0;
  const bool ok = runLines(script, index, script.size(), error);
  // What is still plugged goes when the emulator ends, as the kernel would
  // do on closing /dev/uhid; say so for the log.
  QString ignored;
  plug({}, false, ignored);
  return ok;
}

#include "driver/app/SimulatedWorld.h"

#include "driver/tablet/SimulatedTablet.h"
#include "platform/hid/sim/SimHidDevice.h"
#include "platform/input/sim/SimInputInjector.h"
#include "platform/session/sim/SimForeground.h"
#include "platform/virtualpen/sim/RecordingPenOutput.h"

#include <QLoggingCategory>
#include <cmath>

Q_LOGGING_CATEGORY(lcSimulation, "varnex.simulation")

namespace {

// At 100 reports a second the figure takes about half a minute; one stroke
// with its lift lasts about six seconds.
constexpr double kFigureStep = 0.002;
constexpr double kStrokeStep = 0.01;
// Every so many reports an express key goes down, and comes up again a
// quarter of a second later.
constexpr qint64 kKeyEvery = 500;
constexpr qint64 kKeyHeld = 25;
constexpr int kPollsPerForegroundProgram = 8;

// The pen report the virtual pen receives: 0x40, length, 0x05, status, then
// X, Y and pressure as 16-bit little-endian numbers.
constexpr int kPenReportStatus = 3;
constexpr int kPenReportX = 4;
constexpr int kPenReportY = 6;
constexpr int kPenReportPressure = 8;

int littleEndian16At(const QByteArray& report, int at) {
  if (report.size() < at + 2) return 0;
  return uint8_t(report[at]) | (uint8_t(report[at + 1]) << 8);
}

}  // namespace

SimulatedWorld::SimulatedWorld(const ModelEntry& model, QObject* parent)
    : QObject(parent), m_model(model), m_tablet(SimulatedTablet::plugIn(model)), m_reports(model) {
  connect(&m_feedTimer, &QTimer::timeout, this, &SimulatedWorld::feedNextReport);
  connect(&m_summaryTimer, &QTimer::timeout, this, &SimulatedWorld::logSummary);
  // The user moves between two drawing programs and the driver's own
  // window, a few seconds each (the profile watcher looks once a second).
  m_platform.foreground()->playInTurn(
      {QStringLiteral("/usr/bin/krita"), QStringLiteral("/usr/bin/gimp"), QStringLiteral("/usr/bin/VarnexDriver")},
      kPollsPerForegroundProgram);
  qCInfo(lcSimulation).noquote() << "simulated" << model.key << "plugged in";
}

SimulatedWorld::~SimulatedWorld() {
  stop();
  m_tablet->unregister();
}

void SimulatedWorld::start(int feedIntervalMs, int summaryIntervalMs) {
  m_feedTimer.start(feedIntervalMs);
  m_summaryTimer.start(summaryIntervalMs);
}

void SimulatedWorld::stop() {
  m_feedTimer.stop();
  m_summaryTimer.stop();
}

void SimulatedWorld::feedNextReport() {
  const qint64 step = m_step++;
  if (m_reports.hasExpressKey() && step % kKeyEvery == kKeyEvery / 2) {
    m_tablet->pushInput(m_reports.keyDown());
    ++m_reportsSent;
    return;
  }
  if (m_reports.hasExpressKey() && step % kKeyEvery == kKeyEvery / 2 + kKeyHeld) {
    m_tablet->pushInput(m_reports.keyUp());
    ++m_reportsSent;
    return;
  }
  // A Lissajous figure (3:2) over the middle 80 % of the tablet; the pen
  // presses during the upper part of a slow sine and hovers in between.
  const double t = double(step) * kFigureStep * 2 * M_PI;
  m_lastX = int(m_model.maxX * (0.5 + 0.4 * std::sin(3 * t)));
  m_lastY = int(m_model.maxY * (0.5 + 0.4 * std::sin(2 * t + M_PI / 4)));
  const double stroke = std::sin(double(step) * kStrokeStep * 2 * M_PI / 6);
  m_lastPressure = stroke > 0 ? int(m_model.maxPressure * stroke) : 0;
  m_tablet->pushInput(m_reports.pen(m_lastX, m_lastY, m_lastPressure));
  ++m_reportsSent;
}

void SimulatedWorld::collect() {
  if (platform::RecordingPenOutput* pen = m_platform.pen()) {
    const std::vector<QByteArray> reports = pen->takePenReports();
    m_received.penReports += qint64(reports.size());
    if (!reports.empty()) m_received.lastPenReport = reports.back();
  }
  m_received.lastKeys.clear();
  if (platform::SimInputInjector* keys = m_platform.keys()) {
    for (const platform::SimInputInjector::Event& event : keys->takeEvents())
      m_received.lastKeys << platform::SimInputInjector::describe(event);
    m_received.keyEvents += m_received.lastKeys.size();
  }
}

void SimulatedWorld::logSummary() {
  collect();
  const QByteArray& pen = m_received.lastPenReport;
  QString line = QStringLiteral("simulated %1: %2 reports sent, last x %3 y %4 pressure %5; virtual pen: %6 reports")
                     .arg(QLatin1String(m_model.key))
                     .arg(m_reportsSent)
                     .arg(m_lastX)
                     .arg(m_lastY)
                     .arg(m_lastPressure)
                     .arg(m_received.penReports);
  if (!pen.isEmpty()) {
    line += QStringLiteral(", last status %1 x %2 y %3 pressure %4")
                .arg(pen.size() > kPenReportStatus ? uint8_t(pen[kPenReportStatus]) : 0)
                .arg(littleEndian16At(pen, kPenReportX))
                .arg(littleEndian16At(pen, kPenReportY))
                .arg(littleEndian16At(pen, kPenReportPressure));
  }
  line += QStringLiteral("; keys: %1").arg(m_received.keyEvents);
  if (!m_received.lastKeys.isEmpty()) line += QStringLiteral(" (%1)").arg(m_received.lastKeys.join(", "));
  qCInfo(lcSimulation).noquote() << line;
}

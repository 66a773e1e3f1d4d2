#include "tools/tabletrecord/TabletRecorder.h"

#include "driver/tablet/CommandHandler.h"
#include "driver/tablet/HidDevice.h"
#include "driver/tablet/ModelTable.h"
#include "driver/tablet/Tablet.h"
#include "platform/hid/HidBackend.h"
#include "tools/tabletreplay/ReplayInput.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace {

// The longest report the driver reads.
constexpr int kBufferSize = 1024;

// The collection of the model's vendor interface, when it is connected.
bool findVendorInterface(const ModelEntry& model, platform::HidInterfaceInfo& found) {
  for (const platform::HidInterfaceInfo& info : platform::HidBackend::current().enumerate(model.vendorId, model.productId)) {
    if (info.usagePage == model.usagePage && info.usage == model.usage) {
      found = info;
      return true;
    }
  }
  return false;
}

}  // namespace

TabletRecorder::TabletRecorder(std::FILE* out) : m_out(out) {}

TabletRecorder::~TabletRecorder() = default;

bool TabletRecorder::open(const ModelEntry* wanted, QString& error) {
  platform::HidInterfaceInfo info;
  if (wanted) {
    if (findVendorInterface(*wanted, info)) m_model = wanted;
  } else {
    for (const int devType : ModelTable::recognitionOrder()) {
      const ModelEntry* model = ModelTable::byDevType(devType);
      if (model && findVendorInterface(*model, info)) {
        m_model = model;
        break;
      }
    }
  }
  if (!m_model) {
    error = wanted ? QStringLiteral("no %1 is connected").arg(QLatin1String(wanted->key))
                   : QStringLiteral("no supported tablet is connected");
    return false;
  }
  m_handler = std::make_unique<CommandHandler>();
  m_handler->RegisterCommands();
  m_handler->RunScript(ModelTable::script(*m_model));
  Tablet* tablet = m_handler->tablet();
  if (!tablet || !tablet->hid()) {
    const QFileInfo node(info.path);
    if (!node.exists()) {
      error = QStringLiteral("%1 (the %2's vendor interface) has gone; plug the tablet in again")
                  .arg(info.path, QLatin1String(m_model->key));
    } else if (!(node.isReadable() && node.isWritable())) {
      error = QStringLiteral("no permission to open %1 (the %2's vendor interface); install the udev rule "
                             "(see the README) and plug the tablet in again")
                  .arg(info.path, QLatin1String(m_model->key));
    } else {
      error = QStringLiteral("%1 (the %2's vendor interface) is held exclusively by another program, most "
                             "likely VarnexDriver; quit it and try again")
                  .arg(info.path, QLatin1String(m_model->key));
    }
    return false;
  }
  // The init reports switch the tablet into the mode the driver reads.
  if (!tablet->start(m_model->devType)) {
    error = QStringLiteral("the %1 did not take its init report").arg(QLatin1String(m_model->key));
    return false;
  }
  return true;
}

bool TabletRecorder::writeLine(const QByteArray& line) {
  // A line at a time, so that a capture cut short still holds every report so far.
  return std::fwrite(line.constData(), 1, size_t(line.size()), m_out) == size_t(line.size()) &&
         std::fputc('\n', m_out) != EOF && std::fflush(m_out) == 0;
}

bool TabletRecorder::record() {
  HidDevice* hid = m_handler->tablet()->hid();
  if (!writeLine("# model " + QByteArray(m_model->key))) return false;
  std::array<uint8_t, kBufferSize> buffer{};
  const int length = std::min(hid->inputReportLength(), kBufferSize);
  QElapsedTimer sinceLast;
  bool first = true;
  while (!m_stopping.load()) {
    const int got = hid->read(buffer.data(), length);
    if (got <= 0) {
      if (hid->gone()) {
        // What came so far is a whole capture; say why it ends.
        std::fprintf(stderr, "tabletrecord: the %s was unplugged\n", m_model->key);
        break;
      }
      continue;
    }
    if (!first) {
      // Pauses longer than one "wait" may say are split.
      for (qint64 pause = sinceLast.elapsed(); pause > 0; pause -= ReplayInput::kMaxWaitMs) {
        if (!writeLine("wait " + QByteArray::number(std::min<qint64>(pause, ReplayInput::kMaxWaitMs))))
          return false;
      }
    }
    sinceLast.start();
    first = false;
    // Trailing zeros are what tabletreplay pads with; the capture leaves them out.
    int used = got;
    while (used > 1 && buffer[size_t(used - 1)] == 0) --used;
    if (!writeLine(QByteArray(reinterpret_cast<const char*>(buffer.data()), used).toHex(' '))) return false;
  }
  return true;
}

void TabletRecorder::stop() {
  m_stopping.store(true);
  if (m_handler && m_handler->tablet() && m_handler->tablet()->hid()) m_handler->tablet()->hid()->cancelRead();
}

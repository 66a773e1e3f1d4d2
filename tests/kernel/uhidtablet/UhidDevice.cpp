#include "UhidDevice.h"

#include <linux/uhid.h>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

bool writeEvent(int fd, const uhid_event& event) {
  const ssize_t written = ::write(fd, &event, sizeof event);
  return written == ssize_t(sizeof event);
}

std::string readSmallFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

UhidDevice::UhidDevice(Identity identity, OutputHandler onOutput, FeatureAnswer featureAnswer)
    : m_identity(std::move(identity)), m_onOutput(std::move(onOutput)), m_featureAnswer(std::move(featureAnswer)) {}

UhidDevice::~UhidDevice() { unplug(); }

bool UhidDevice::plug(std::string& error) {
  if (m_fd >= 0) return true;
  if (m_identity.descriptor.size() > HID_MAX_DESCRIPTOR_SIZE) {
    error = "report descriptor too long";
    return false;
  }
  m_fd = ::open("/dev/uhid", O_RDWR | O_CLOEXEC | O_NONBLOCK);
  if (m_fd < 0) {
    error = std::string("cannot open /dev/uhid: ") + std::strerror(errno);
    return false;
  }
  uhid_event event{};
  event.type = UHID_CREATE2;
  auto& create = event.u.create2;
  std::strncpy(reinterpret_cast<char*>(create.name), m_identity.name.constData(), sizeof create.name - 1);
  std::strncpy(reinterpret_cast<char*>(create.phys), m_identity.phys.constData(), sizeof create.phys - 1);
  std::strncpy(reinterpret_cast<char*>(create.uniq), "VARNEXTEST", sizeof create.uniq - 1);
  create.rd_size = uint16_t(m_identity.descriptor.size());
  create.bus = 0x03;  // BUS_USB
  create.vendor = m_identity.vendorId;
  create.product = m_identity.productId;
  std::memcpy(create.rd_data, m_identity.descriptor.constData(), size_t(m_identity.descriptor.size()));
  if (!writeEvent(m_fd, event)) {
    error = std::string("UHID_CREATE2 failed: ") + std::strerror(errno);
    ::close(m_fd);
    m_fd = -1;
    return false;
  }
  return true;
}

void UhidDevice::unplug() {
  if (m_fd < 0) return;
  uhid_event event{};
  event.type = UHID_DESTROY;
  writeEvent(m_fd, event);
  ::close(m_fd);
  m_fd = -1;
}

bool UhidDevice::send(const QByteArray& report) {
  if (m_fd < 0 || report.size() > UHID_DATA_MAX) return false;
  uhid_event event{};
  event.type = UHID_INPUT2;
  event.u.input2.size = uint16_t(report.size());
  std::memcpy(event.u.input2.data, report.constData(), size_t(report.size()));
  return writeEvent(m_fd, event);
}

void UhidDevice::handleEvents() {
  while (m_fd >= 0) {
    uhid_event event{};
    const ssize_t got = ::read(m_fd, &event, sizeof event);
    if (got <= 0) return;
    switch (event.type) {
      case UHID_OUTPUT: {
        QByteArray report(reinterpret_cast<const char*>(event.u.output.data), event.u.output.size);
        // Without report ids hidraw hands the device a leading zero.
        if (!m_identity.numbered && !report.isEmpty()) report.remove(0, 1);
        const QByteArray answer = m_onOutput(report, event.u.output.rtype == UHID_FEATURE_REPORT);
        if (!answer.isEmpty()) send(answer);
        break;
      }
      case UHID_SET_REPORT: {
        const auto& request = event.u.set_report;
        QByteArray report(reinterpret_cast<const char*>(request.data), request.size);
        if (!m_identity.numbered && !report.isEmpty()) report.remove(0, 1);
        const QByteArray answer = m_onOutput(report, request.rtype == UHID_FEATURE_REPORT);
        uhid_event reply{};
        reply.type = UHID_SET_REPORT_REPLY;
        reply.u.set_report_reply.id = request.id;
        reply.u.set_report_reply.err = 0;
        writeEvent(m_fd, reply);
        if (!answer.isEmpty()) send(answer);
        break;
      }
      case UHID_GET_REPORT: {
        const auto& request = event.u.get_report;
        const QByteArray answer = m_featureAnswer(request.rnum);
        uhid_event reply{};
        reply.type = UHID_GET_REPORT_REPLY;
        reply.u.get_report_reply.id = request.id;
        reply.u.get_report_reply.err = answer.isEmpty() ? EIO : 0;
        reply.u.get_report_reply.size = uint16_t(std::min<int>(answer.size(), UHID_DATA_MAX));
        std::memcpy(reply.u.get_report_reply.data, answer.constData(), reply.u.get_report_reply.size);
        writeEvent(m_fd, reply);
        break;
      }
      default:
        break;  // start, stop, open and close need no answer
    }
  }
}

std::string UhidDevice::hidrawNode() const {
  if (m_fd < 0) return {};
  DIR* dir = ::opendir("/sys/class/hidraw");
  if (!dir) return {};
  std::string found;
  const std::string wanted = "HID_PHYS=" + m_identity.phys.toStdString() + "\n";
  while (dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.rfind("hidraw", 0) != 0) continue;
    if (readSmallFile("/sys/class/hidraw/" + name + "/device/uevent").find(wanted) != std::string::npos) {
      found = "/dev/" + name;
      break;
    }
  }
  ::closedir(dir);
  return found;
}

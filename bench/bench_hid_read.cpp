// The cost of one input report on its way from the device to the reader: a
// hidraw connection (a socket pair stands in for the node, so the figure
// includes one send), and the in-process device the simulated tablets use.

#include "platform/hid/ReportDescriptorParser.h"
#include "platform/hid/linux/LinuxHidConnection.h"
#include "platform/hid/sim/SimHidBackend.h"
#include "platform/hid/sim/SimHidDevice.h"

#include <benchmark/benchmark.h>

#include <sys/socket.h>
#include <unistd.h>

namespace {

const uint8_t kPenReport[12] = {0x02, 0xa1, 0x10, 0x27, 0x20, 0x4e, 0xff, 0x1f, 0x00, 0x00, 0x00, 0x00};

void hidrawReadOneReport(benchmark::State& state) {
  int fds[2];
  if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds) != 0) {
    state.SkipWithError("no socket pair");
    return;
  }
  platform::LinuxHidConnection::ReportFormat format;
  format.numbered = true;
  format.inputIds.set(2);
  platform::LinuxHidConnection connection(fds[0], format);
  uint8_t buffer[12];
  for (auto _ : state) {
    ::send(fds[1], kPenReport, sizeof kPenReport, 0);
    benchmark::DoNotOptimize(connection.read(buffer, sizeof buffer));
  }
  ::close(fds[1]);
}
BENCHMARK(hidrawReadOneReport);

void simulatedReadOneReport(benchmark::State& state) {
  platform::HidBackend::install(std::make_unique<platform::SimHidBackend>());
  auto device = std::make_shared<platform::SimHidDevice>(
      0x3CA1, 0x0103, std::vector<platform::SimHidDevice::Collection>{{0xFF0A, 0x0001, 12, 9, 0}});
  device->plugIn();
  auto connection = platform::HidBackend::current().open(device->interfaces()[0], true);
  const QByteArray report(reinterpret_cast<const char*>(kPenReport), sizeof kPenReport);
  uint8_t buffer[12];
  for (auto _ : state) {
    device->pushInput(report);
    benchmark::DoNotOptimize(connection->read(buffer, sizeof buffer));
  }
  connection.reset();
  device->unregister();
  platform::HidBackend::install(nullptr);
}
BENCHMARK(simulatedReadOneReport);

void parseCompositeDescriptor(benchmark::State& state) {
  const QByteArray descriptor = QByteArray::fromHex(
      "05010902A101850109 01A1000509190129031500250195037501810295017505810305010930093109381581257F750895038106C0C0"
      "06 0C FF 09 07 A1 01 85 03 09 01 15 00 26 FF 00 75 08 95 3F 81 02 85 04 09 02 95 07 81 02 C0");
  for (auto _ : state) benchmark::DoNotOptimize(platform::ReportDescriptorParser::parse(descriptor));
}
BENCHMARK(parseCompositeDescriptor);

}  // namespace

BENCHMARK_MAIN();

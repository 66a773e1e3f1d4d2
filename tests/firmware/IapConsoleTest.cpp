#include "driver/firmware/IapConsole.h"

#include <gtest/gtest.h>

TEST(IapConsole, ALineWithALongFirmwarePathIsPrintedWhole) {
  QByteArray printed;
  IapConsole::setSink([&printed](IapConsole::Stream, const QByteArray& text) { printed += text; });
  const QByteArray path = "/home/ann/" + QByteArray(900, 'x') + "/PV01-CP1-W3-HV[1.00^1.99]-V1.05.bin";
  IapConsole::printf("[Varnex IAP]: IAP    |-> Error->McuCipherFile open error. (%s)\r\n", path.constData());
  IapConsole::setSink({});
  EXPECT_EQ(printed, "[Varnex IAP]: IAP    |-> Error->McuCipherFile open error. (" + path + ")\r\n");
}

// The transfer of a firmware file to a tablet that runs its boot loader.
// Its lines on the terminal are the ones the maker's service tools print, so
// support staff recognise them.

#include "driver/firmware/FirmwareTransferImage.h"
#include "driver/firmware/IapConsole.h"
#include "driver/firmware/QFirmwareUpgrade.h"

namespace {

QByteArray bigEndian32(uint32_t value) {
  QByteArray bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = char(value >> (24 - 8 * i));
  return bytes;
}

uint32_t littleEndian32(const Iap::Answer& answer) {
  return uint32_t(answer.dataByte(0)) | uint32_t(answer.dataByte(1)) << 8 | uint32_t(answer.dataByte(2)) << 16 |
         uint32_t(answer.dataByte(3)) << 24;
}

void printProgress(float progress, bool last) {
  IapConsole::print("\r[Varnex IAP]:" + QByteArray(60, ' '));
  IapConsole::printf("\r[Varnex IAP]: IAP Update Firmware[%6.02f%%][%s]", double(progress),
                     last ? "done." : "under way....");
}

}  // namespace

bool QFirmwareUpgrade::UpdateFirmwareVersion() {
  IapConsole::print("IAP    |->   Tll_IapCmd_CheckReserveFlashSpace . \n");
  const Iap::Answer reserve = request(Iap::kCheckReserveFlashSpace);
  if (reserve.status == 0) IapConsole::printf("%s: %d \n", "ulReserveFlashSize", int(littleEndian32(reserve)));

  // Read once: the file could change or vanish under a transfer that
  // reopened it for every block.
  const QString path = m_firmwareDirectory + m_firmwareFileName;
  FirmwareTransferImage image;
  const bool loaded = image.load(path);
  if (!loaded) {
    IapConsole::printf("[Varnex IAP]: IAP    |-> Error->McuCipherFile open error. (%s)\r\n", qPrintable(path));
    IapConsole::printf("[Varnex IAP]: IAP    |-> Error->McuCipherFile open error. (%d)\r\n", image.errorCode());
  }

  QByteArray fileInfo = bigEndian32(image.header().firmwareLength);
  fileInfo += bigEndian32(image.header().firmwareInfo);
  request(Iap::kSendFileInfo, fileInfo);

  const uint32_t count = image.blockCount();
  // Each transfer starts from 0, also after one that broke off.
  setTransferProgress(0);
  bool failed = !loaded || count == 0;
  for (uint32_t block = 0; block < count && !failed; ++block) {
    const QByteArray payload = image.blockPayload(block);
    // A block the file does not hold at all would be nothing but filler.
    if (payload.isEmpty()) {
      IapConsole::print("IAP    |-> Error transferring this file");
      failed = true;
      break;
    }
    if (request(Iap::kWriteBlock, payload).status != 0) {
      IapConsole::print("IAP    |-> Error transferring this file");
      failed = true;
      break;
    }
    const bool last = block + 1 == count;
    if (last) IapConsole::print("IAP    |-> Successfully completed the IAP process");
    float progress = count == 1 ? 100.0f : float(block) / float(count - 1) * 100.0f;
    // Stored as 0 at the end, so the next transfer starts from 0.
    if (progress == 100.0f) progress = 0;
    setTransferProgress(progress);
    printProgress(progress, last);
  }
  IapConsole::print("\r\n");
  IapConsole::print("[Varnex IAP]: IAP    |-> End of transfer version file\r\n");
  return !failed;
}

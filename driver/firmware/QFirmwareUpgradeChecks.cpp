// The checks that decide whether a firmware file belongs to the connected
// tablet: the facts in the file's name against what the tablet reports, and
// the sums in the file's header against its payload.

#include "driver/firmware/FirmwareFileName.h"
#include "driver/firmware/FirmwareImage.h"
#include "driver/firmware/FirmwareLog.h"
#include "driver/firmware/FirmwareModels.h"
#include "driver/firmware/QFirmwareUpgrade.h"

namespace {

const char* const kModelMismatch =
    QT_TRANSLATE_NOOP("QFirmwareUpgrade", "产品型号不匹配，请下载正确的固件版本进行升级");
const char* const kNotStPlatform =
    QT_TRANSLATE_NOOP("QFirmwareUpgrade", "固件不是ST平台，请下载正确的固件版本进行升级");
const char* const kNoBoardInfo =
    QT_TRANSLATE_NOOP("QFirmwareUpgrade", "获取板子参数信息失败，请重启驱动程序，在次尝试");
const char* const kChipMismatch = QT_TRANSLATE_NOOP("QFirmwareUpgrade", "芯片类型不匹配，请下载正确的固件版本进行升级");
const char* const kPcbMismatch =
    QT_TRANSLATE_NOOP("QFirmwareUpgrade", "固件版本中的PCB版本不匹配，请下载正确的固件版本进行升级");
const char* const kPenMismatch =
    QT_TRANSLATE_NOOP("QFirmwareUpgrade", "固件版本中的笔类型不匹配，请下载正确的固件版本进行升级.\n");
const char* const kHeaderInvalid =
    QT_TRANSLATE_NOOP("QFirmwareUpgrade", "固件帧头校验失败，请下载正确的固件版本进行升级.\n");

// Capability bits the boot loader announces in its product string.
constexpr uint32_t kCheckChip = 1;
constexpr uint32_t kCheckPcb = 2;
constexpr uint32_t kCheckPen = 4;

QFirmwareUpgrade::Acceptance refused(const char* message) {
  return {QFirmwareUpgrade::Acceptance::Outcome::Refused, message};
}

QString twoDigitVersion(uint16_t major, uint16_t minor) { return QString::asprintf("%d.%02d", int(major), int(minor)); }

}  // namespace

bool QFirmwareUpgrade::checkProductModel(const QString& productCode) {
  const FirmwareModel* model = FirmwareModels::byDevType(m_devType);
  if (!model) return false;
  m_productName = QString::fromUtf8(model->productName);
  return productCode == QLatin1String(model->productCode);
}

bool QFirmwareUpgrade::checkChipType(const QString& firmwareType, uint8_t chipCode) {
  return FirmwareModels::chipCodeForFirmwareType(firmwareType) == chipCode;
}

bool QFirmwareUpgrade::checkPcbVersion(const QString& hardwareRange) {
  m_version = ShVersionRecord();
  if (!querySHVersion()) {
    qCCritical(lcFirmware).noquote() << QStringLiteral("[GetSHVersion] RspErrCode: %1").arg(m_version.status);
    return false;
  }
  // Refreshed without telling the window: it shows what the arrival read.
  m_firmwareVer = twoDigitVersion(m_version.firmwareMajor, m_version.firmwareMinor);
  m_hardWareVer = twoDigitVersion(m_version.hardwareMajor, m_version.hardwareMinor);
  return FirmwareFileName::hardwareInRange(hardwareRange, m_hardWareVer);
}

bool QFirmwareUpgrade::checkPenType(const QString& penType, uint8_t penCode) {
  setPenType(penCode);
  return penType.compare(m_penType, Qt::CaseInsensitive) == 0;
}

bool QFirmwareUpgrade::checkFirmwareFile(const QString& path) { return FirmwareImage::checkFile(path); }

QFirmwareUpgrade::Acceptance QFirmwareUpgrade::acceptFirmwareFile(const QString& path) {
  return acceptWith(path, nullptr);
}

QFirmwareUpgrade::Acceptance QFirmwareUpgrade::acceptFirmwareFile(const QString& path, const QByteArray& contents) {
  return acceptWith(path, &contents);
}

QFirmwareUpgrade::Acceptance QFirmwareUpgrade::acceptWith(const QString& path, const QByteArray* contents) {
  const std::optional<FirmwareFileName> name = FirmwareFileName::parse(path);
  if (!name) return {Acceptance::Outcome::NotFirmwareName, nullptr};
  if (!checkProductModel(name->productCode())) return refused(kModelMismatch);

  // A tablet that could not be opened has capability word 0 and fails the
  // exchanges that follow.
  OpenIapDevicePort(m_devType);
  if (m_iapCapabilities == 0) {
    if (name->firmwareType() != QLatin1String("CP1")) return refused(kNotStPlatform);
  } else {
    const Iap::Answer answer = request(Iap::getAdditionalMsg(m_devType));
    if (answer.status != 0) return refused(kNoBoardInfo);
    for (int i = 0; i < 3; ++i) m_additionalMsg[i] = answer.dataByte(i);
    if ((m_iapCapabilities & kCheckChip) && !checkChipType(name->firmwareType(), m_additionalMsg[0]))
      return refused(kChipMismatch);
    if ((m_iapCapabilities & kCheckPcb) && !checkPcbVersion(name->hardwareRange())) return refused(kPcbMismatch);
    if ((m_iapCapabilities & kCheckPen) && !checkPenType(name->penType(), m_additionalMsg[1]))
      return refused(kPenMismatch);
  }
  const bool intact = contents ? !contents->isEmpty() && FirmwareImage::checkBytes(*contents) : checkFirmwareFile(path);
  if (!intact) return refused(kHeaderInvalid);
  return {Acceptance::Outcome::Accepted, nullptr};
}

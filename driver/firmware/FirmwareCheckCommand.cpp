#include "driver/firmware/FirmwareCheckCommand.h"

#include "driver/firmware/FirmwareFileName.h"
#include "driver/firmware/FirmwareImage.h"
#include "driver/firmware/IapConsole.h"
#include "driver/firmware/QFirmwareUpgrade.h"
#include "driver/firmware/sim/SimIapDevice.h"
#include "driver/tablet/HidDevice.h"
#include "driver/tablet/ModelTable.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/sim/SimHidBackend.h"
#include "platform/system/RegularFile.h"

#include <QFile>
#include <QRegularExpression>

namespace FirmwareCheckCommand {

namespace {

const char* const kUsageText = "usage: firmwarecheck FILE --model NAME --caps N --chip N --pen N --hardware X.YY\n";

struct Options {
  QByteArray file;  // the name's bytes
  const ModelEntry* model = nullptr;
  uint32_t capabilities = 0;
  uint8_t chip = 0;
  uint8_t pen = 0;
  uint8_t hardwareMajor = 0;
  uint8_t hardwareMinor = 0;
};

bool parseNumber(const QString& text, uint32_t limit, uint32_t* value) {
  // Decimal, or hexadecimal after "0x". Base 0 would also read a leading zero
  // as octal, turning "--pen 010" into 8 and refusing "--chip 08".
  const bool hex = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
  bool ok = false;
  const qulonglong number = hex ? text.mid(2).toULongLong(&ok, 16) : text.toULongLong(&ok, 10);
  if (!ok || number > limit) return false;
  *value = uint32_t(number);
  return true;
}

// "1.05" -> 1 and 5; "1.5" reads as 1.50, as the version is a decimal number.
bool parseHardware(const QString& text, Options* options) {
  const QRegularExpressionMatch match = QRegularExpression("^(\\d{1,3})\\.(\\d{1,2})$").match(text);
  if (!match.hasMatch()) return false;
  const uint32_t major = match.captured(1).toUInt();
  QString minor = match.captured(2);
  if (minor.size() == 1) minor += QLatin1Char('0');
  if (major > 255) return false;
  options->hardwareMajor = uint8_t(major);
  options->hardwareMinor = uint8_t(minor.toUInt());
  return true;
}

// Empty when the arguments are complete and sound, else what is wrong.
QByteArray parse(const QList<QByteArray>& arguments, Options* options) {
  QStringList seen;
  for (int i = 0; i < arguments.size(); ++i) {
    const QString argument = QString::fromLocal8Bit(arguments.at(i));
    if (!argument.startsWith(QLatin1String("--"))) {
      if (!options->file.isEmpty()) return "more than one FILE given\n";
      options->file = arguments.at(i);
      continue;
    }
    if (i + 1 >= arguments.size()) return argument.toUtf8() + " needs a value\n";
    const QString value = QString::fromLocal8Bit(arguments.at(++i));
    uint32_t number = 0;
    if (argument == QLatin1String("--model")) {
      options->model = ModelTable::byKey(value);
      if (!options->model) return "unknown model " + value.toUtf8() + "\n";
    } else if (argument == QLatin1String("--caps")) {
      if (!parseNumber(value, 0xFFFFFFFFu, &number)) return "--caps takes a number\n";
      options->capabilities = number;
    } else if (argument == QLatin1String("--chip")) {
      if (!parseNumber(value, 255, &number)) return "--chip takes a number from 0 to 255\n";
      options->chip = uint8_t(number);
    } else if (argument == QLatin1String("--pen")) {
      if (!parseNumber(value, 255, &number)) return "--pen takes a number from 0 to 255\n";
      options->pen = uint8_t(number);
    } else if (argument == QLatin1String("--hardware")) {
      if (!parseHardware(value, options)) return "--hardware takes a version such as 1.05\n";
    } else {
      return "unknown option " + argument.toUtf8() + "\n";
    }
    seen << argument;
  }
  if (options->file.isEmpty()) return "no FILE given\n";
  for (const char* required : {"--model", "--caps", "--chip", "--pen", "--hardware"}) {
    if (!seen.contains(QLatin1String(required))) return QByteArray(required) + " is missing\n";
  }
  return QByteArray();
}

void dropLog(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

int run(const QStringList& arguments, QByteArray* out) {
  QList<QByteArray> native;
  for (const QString& argument : arguments) native << QFile::encodeName(argument);
  return run(native, out);
}

int run(const QList<QByteArray>& arguments, QByteArray* out) {
  Options options;
  const QByteArray problem = parse(arguments, &options);
  if (!problem.isEmpty()) {
    *out += problem + kUsageText;
    return kUsage;
  }
  // The name's fields are plain text; only the file itself is opened by its
  // bytes.
  const QString path = QFile::decodeName(options.file);
  if (!FirmwareFileName::parse(path)) {
    *out += "not a firmware file name\n";
    return kNotFirmwareName;
  }
  const platform::RegularFileRead file = platform::readRegularFile(options.file, FirmwareImage::kTransferReadLimit);
  if (file.status != platform::RegularFileRead::Status::Read) {
    *out += options.file + ": " + file.error.toUtf8() + "\n";
    return kUnreadable;
  }

  platform::HidBackend::install(std::make_unique<platform::SimHidBackend>());
  HidDevice::setSearchPauses(0, 0);
  SimIapDevice::Config config;
  config.devType = options.model->devType;
  config.capabilities = options.capabilities;
  config.chipCode = options.chip;
  config.penCode = options.pen;
  config.hardwareMajor = options.hardwareMajor;
  config.hardwareMinor = options.hardwareMinor;
  auto device = std::make_shared<SimIapDevice>(config);
  platform::HidBackend::current().registerVirtual(device);

  // The checks log as they would in the driver; here only the verdict counts.
  const QtMessageHandler previousHandler = qInstallMessageHandler(dropLog);
  IapConsole::setSink([](IapConsole::Stream, const QByteArray&) {});
  int code = kAccepted;
  {
    QFirmwareUpgrade firmware;
    firmware.OpenIapDevicePort(options.model->devType);
    if (firmware.iapCapabilities() != options.capabilities) {
      // Readers drop every "f" digit of the word a boot loader announces.
      *out += "--caps " + QByteArray::number(options.capabilities) +
              " cannot be announced by a boot loader (a hexadecimal digit f is lost)\n";
      code = kUsage;
    } else {
      const QFirmwareUpgrade::Acceptance result = firmware.acceptFirmwareFile(path, file.bytes);
      if (result.outcome == QFirmwareUpgrade::Acceptance::Outcome::Accepted) {
        *out += "ok\n";
      } else if (result.outcome == QFirmwareUpgrade::Acceptance::Outcome::NotFirmwareName) {
        *out += "not a firmware file name\n";
        code = kNotFirmwareName;
      } else {
        QByteArray message = QByteArray(result.message);
        if (!message.endsWith('\n')) message += '\n';
        *out += message;
        code = kRefused;
      }
    }
    firmware.closeIapDevicePort();
  }
  IapConsole::setSink({});
  qInstallMessageHandler(previousHandler);
  platform::HidBackend::current().unregisterVirtual(device.get());
  return code;
}

}  // namespace FirmwareCheckCommand

#include "driver/tablet/CommandHandler.h"

#include "driver/tablet/ModelTable.h"
#include "driver/tablet/ScreenMapper.h"
#include "driver/tablet/Tablet.h"

#include <QLoggingCategory>
#include <algorithm>
#include <cctype>

Q_LOGGING_CATEGORY(lcScript, "varnex.script")

namespace {

std::string lower(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool equalsIgnoringCase(const std::string& a, const char* b) { return lower(a) == lower(b); }

}  // namespace

CommandHandler::CommandHandler() = default;
CommandHandler::~CommandHandler() = default;

void CommandHandler::AddCommand(const Command& command) { m_commands.emplace(lower(command.name), command); }

bool CommandHandler::AddAlias(const std::string& alias, const std::string& command) {
  const std::string key = lower(alias);
  if (m_aliases.count(key)) return false;
  m_aliases[key] = lower(command);
  m_aliasNames[key] = alias;
  return true;
}

void CommandHandler::AddHelp(const std::string& command, const std::string& text) {
  m_help[lower(command)] += text + "\n";
}

bool CommandHandler::Execute(const std::string& name, CommandLine* line) {
  std::string key = lower(name);
  const auto alias = m_aliases.find(key);
  if (alias != m_aliases.end()) key = alias->second;
  const auto command = m_commands.find(key);
  if (command == m_commands.end()) return false;
  return command->second.handler(line);
}

bool CommandHandler::RunScript(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  // Split at line feeds only, keeping empty parts; a carriage return left at
  // a line's end ends that line's scan in the tokenizer.
  int start = 0;
  while (start <= bytes.size()) {
    int end = bytes.indexOf('\n', start);
    if (end < 0) end = bytes.size();
    CommandLine line(std::string(bytes.constData() + start, size_t(end - start)));
    Execute(line.command(), &line);
    start = end + 1;
  }
  return true;
}

void CommandHandler::RegisterCommands() {
  using namespace std::placeholders;
  AddCommand({"HIDTablet", std::bind(&CommandHandler::hidTablet, this, _1)});
  AddHelp("HIDTablet", "Usage: HIDTablet <VendorId> <ProductId> <Usage Page> <Usage> [Exclusive=True]");
  AddHelp("HIDTablet", "");

  // The settings commands pass the field's current value as the default, so
  // a missing or malformed number leaves the field alone.
  auto intSetting = [this](const char* name, int32_t TabletSettings::*field) {
    AddCommand({name, [this, field](CommandLine* line) {
                  if (!m_tablet) return false;
                  TabletSettings& settings = m_tablet->settings;
                  settings.*field = line->GetInt(0, settings.*field);
                  return true;
                }});
  };
  auto doubleSetting = [this](const char* name, double TabletSettings::*field) {
    AddCommand({name, [this, field](CommandLine* line) {
                  if (!m_tablet) return false;
                  TabletSettings& settings = m_tablet->settings;
                  settings.*field = line->GetDouble(0, settings.*field);
                  return true;
                }});
  };
  intSetting("MaxX", &TabletSettings::maxX);
  intSetting("MaxY", &TabletSettings::maxY);
  intSetting("MaxPressure", &TabletSettings::maxPressure);
  doubleSetting("Width", &TabletSettings::width);
  doubleSetting("Height", &TabletSettings::height);
  AddCommand({"InitReport", std::bind(&CommandHandler::initReport, this, _1)});
  AddCommand({"TabletArea", std::bind(&CommandHandler::tabletArea, this, _1)});
  AddCommand({"TabletDataFormat", std::bind(&CommandHandler::tabletDataFormat, this, _1)});
  AddCommand({"DesktopSize", std::bind(&CommandHandler::desktopSize, this, _1)});
  AddCommand({"OutputMode", std::bind(&CommandHandler::setOutputMode, this, _1)});

  AddAlias("Area", "TabletArea");
  AddAlias("Format", "TabletDataFormat");
  AddAlias("TabletFormat", "TabletDataFormat");
  AddAlias("Desktop", "DesktopSize");
  AddAlias("Mode", "OutputMode");
}

bool CommandHandler::hidTablet(CommandLine* line) {
  if (line->paramCount() < 4) return false;
  const uint16_t vendorId = uint16_t(line->GetInt(0, 0));
  const uint16_t productId = uint16_t(line->GetInt(1, 0));
  const uint16_t usagePage = uint16_t(line->GetInt(2, 0));
  const uint16_t usage = uint16_t(line->GetInt(3, 0));
  bool exclusive = false;
  for (int i = 4; i < line->paramCount(); i += 2) {
    if (line->GetStringLower(i, std::string()) == "exclusive") exclusive = line->GetBoolean(i + 1, false);
  }
  // A script run again keeps the tablet that is open.
  if (m_tablet) return true;

  auto tablet = std::make_unique<Tablet>(vendorId, productId, usagePage, usage, exclusive);
  if (!tablet->isOpen()) {
    qCDebug(lcScript) << "======open table error";
    return false;
  }
  m_tablet = std::move(tablet);
  return true;
}

bool CommandHandler::initReport(CommandLine* line) {
  if (!m_tablet || line->paramCount() == 0) return false;
  const int length = m_tablet->hid() ? m_tablet->hid()->outputReportLength() : 0;
  TabletSettings& settings = m_tablet->settings;
  settings.initReport.assign(size_t(std::max(length, 0)), 0);
  for (int i = 0; i < length; ++i) settings.initReport[size_t(i)] = uint8_t(line->GetInt(i, 0));
  settings.initReportLength = length;
  return true;
}

bool CommandHandler::tabletArea(CommandLine* line) {
  if (!m_tablet || !m_screenMapper) return false;
  const QRectF area = m_screenMapper->tabletArea();
  const double width = line->GetDouble(0, area.width());
  const double height = line->GetDouble(1, area.height());
  const double x = line->GetDouble(2, area.x());
  const double y = line->GetDouble(3, area.y());
  m_screenMapper->setTabletRect(QRectF(x, y, width, height));
  return true;
}

bool CommandHandler::tabletDataFormat(CommandLine* line) {
  if (!m_tablet) return false;
  const std::string name = line->GetStringLower(0, std::string());
  for (const ModelTable::FormatName& format : ModelTable::formatNames()) {
    if (equalsIgnoringCase(name, format.name)) {
      m_tablet->settings.format = format.devType;
      return true;
    }
  }
  return false;
}

bool CommandHandler::desktopSize(CommandLine* line) {
  if (!m_tablet) return false;
  // Every run makes a fresh mapper; whoever still holds the previous one
  // keeps it alive.
  auto mapper = std::make_shared<ScreenMapper>();
  mapper->setDesktopRect(QRectF(0, 0, line->GetDouble(0, 0), line->GetDouble(1, 0)));
  m_screenMapper = std::move(mapper);
  return true;
}

bool CommandHandler::setOutputMode(CommandLine* line) {
  const std::string mode = line->GetStringLower(0, std::string()).substr(0, 3);
  if (mode == "abs")
    outputMode = Absolute;
  else if (mode == "dig" || mode == "pen")
    outputMode = Digitizer;
  return true;
}

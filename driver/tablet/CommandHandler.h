#pragma once

#include "driver/tablet/CommandLine.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <string>

class ScreenMapper;
class Tablet;

// The interpreter of the tablet configuration scripts: a registry of commands
// with aliases and help texts, and the commands that open the tablet, fill its
// settings and create its screen mapper.
class CommandHandler {
 public:
  enum OutputMode : int32_t { Absolute = 0, Digitizer = 1 };

  struct Command {
    std::string name;
    std::function<bool(CommandLine*)> handler;
  };

  CommandHandler();
  ~CommandHandler();

  CommandHandler(const CommandHandler&) = delete;
  CommandHandler& operator=(const CommandHandler&) = delete;

  // An existing command of the same (case-blind) name is kept.
  void AddCommand(const Command& command);
  // False, and nothing changes, when the alias exists already.
  bool AddAlias(const std::string& alias, const std::string& command);
  void AddHelp(const std::string& command, const std::string& text);
  // False for an unknown command; the handler's result otherwise.
  bool Execute(const std::string& name, CommandLine* line);
  // Runs every line; unknown or failing lines do not stop the script.
  bool RunScript(const QString& text);
  void RegisterCommands();

  // What the script built. The tablet belongs to the handler. The mapper is
  // shared: the digitizer keeps the one it was given alive even when a later
  // DesktopSize replaces the handler's.
  Tablet* tablet() const { return m_tablet.get(); }
  std::shared_ptr<ScreenMapper> screenMapper() const { return m_screenMapper; }

  const std::map<std::string, Command>& commands() const { return m_commands; }
  const std::map<std::string, std::string>& aliases() const { return m_aliases; }
  const std::map<std::string, std::string>& aliasNames() const { return m_aliasNames; }
  const std::map<std::string, std::string>& help() const { return m_help; }

  OutputMode outputMode = Absolute;

 private:
  bool hidTablet(CommandLine* line);
  bool initReport(CommandLine* line);
  bool tabletArea(CommandLine* line);
  bool tabletDataFormat(CommandLine* line);
  bool desktopSize(CommandLine* line);
  bool setOutputMode(CommandLine* line);

  std::map<std::string, Command> m_commands;
  std::map<std::string, std::string> m_aliases;
  std::map<std::string, std::string> m_aliasNames;
  std::map<std::string, std::string> m_help;
  // Declared after the mapper so that the tablet (and its device) goes first.
  std::shared_ptr<ScreenMapper> m_screenMapper;
  std::unique_ptr<Tablet> m_tablet;
};

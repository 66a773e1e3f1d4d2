#pragma once

#include <QString>

#include <atomic>
#include <cstdio>
#include <memory>

class CommandHandler;
struct ModelEntry;

// Opens a connected tablet's vendor interface as the driver does (the
// model's own script, its init reports) and writes each input report it
// sends as a line of hexadecimal, with "wait N" lines for the pauses between
// them, so that tabletreplay can play the capture back.
class TabletRecorder {
 public:
  explicit TabletRecorder(std::FILE* out);
  ~TabletRecorder();

  // The model named, or the first supported one connected. False with the
  // reason (none connected, no permission, held by another program).
  bool open(const ModelEntry* wanted, QString& error);
  const ModelEntry* model() const { return m_model; }

  // Reads until stop() is called; false when the output could not be written.
  bool record();
  // From any thread: the read in flight returns and record() ends.
  void stop();

 private:
  bool writeLine(const QByteArray& line);

  std::FILE* m_out;
  const ModelEntry* m_model = nullptr;
  std::unique_ptr<CommandHandler> m_handler;
  std::atomic<bool> m_stopping{false};
};

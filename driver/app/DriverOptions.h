#pragma once

#include <QString>
#include <QStringList>

struct ModelEntry;

// The command line of VarnexDriver: our own options
//   [--simulate MODEL] [--quit-after MS]
// and everything else, which goes to the application object unchanged (Qt's
// own options, and "--hidden", which the settings window reads).
// MODEL is a model key ("LarkA", any case) or its device-type number.
struct DriverOptions {
  const ModelEntry* simulate = nullptr;  // null: the real platform
  int quitAfterMs = -1;                  // < 0: run until asked to quit
  QStringList passedOn;                  // in their order, without the program name

  // False with a one-line reason in `error` for an unknown model, a missing
  // value or a malformed number. `arguments` excludes the program name.
  static bool parse(const QStringList& arguments, DriverOptions& options, QString& error);
};

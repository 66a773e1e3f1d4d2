#pragma once

#include <QString>
#include <QStringList>

struct ModelEntry;

// The command line of VarnexDriver:
//   [--simulate MODEL] [--quit-after MS]
// MODEL is a model key ("LarkA", any case) or its device-type number.
struct DriverOptions {
  const ModelEntry* simulate = nullptr;  // null: use a connected tablet, else simulate LarkA
  int quitAfterMs = -1;                  // < 0: run until asked to quit

  // False with a one-line reason in `error` for an unknown option or model,
  // a missing value or a malformed number. `arguments` excludes the program name.
  static bool parse(const QStringList& arguments, DriverOptions& options, QString& error);
};

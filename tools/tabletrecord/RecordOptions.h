#pragma once

#include <QString>
#include <QStringList>

struct ModelEntry;

// The command line of tabletrecord: [--model MODEL] [--seconds N] [--help].
struct RecordOptions {
  const ModelEntry* model = nullptr;  // null: whichever supported tablet is connected
  int seconds = 0;                    // 0: until Ctrl+C or SIGTERM
  bool help = false;

  static constexpr int kMaxSeconds = 86400;

  static QString usage();
  // False with a one-line reason for an unknown model, a missing value or a
  // number outside 1..kMaxSeconds.
  static bool parse(const QStringList& arguments, RecordOptions& options, QString& error);
};

#pragma once

#include <QString>
#include <functional>

// File dialogs go through here so tests answer them without a window system.
class FileDialogService {
 public:
  struct Request {
    // Directory asks for an existing directory (symbolic links not resolved;
    // the filter is unused).
    enum class Kind { Open, Save, Directory } kind = Kind::Open;
    QString caption;
    QString directory;
    QString filter;
  };
  // The chosen path, or an empty string when the user cancelled.
  using Handler = std::function<QString(const Request&)>;

  static QString ask(const Request& request);
  static void setHandler(Handler handler);
};

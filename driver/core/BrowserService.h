#pragma once

#include <QString>
#include <functional>

// Web pages (download page, help articles) open in the user's browser
// through here, so tests and headless runs see the address instead of
// starting a browser.
class BrowserService {
 public:
  // Opens `url` (or hands it to the installed handler); false when the
  // system could not open it.
  static bool open(const QString& url);

  using Handler = std::function<bool(const QString&)>;
  // Installs a handler for every later page; an empty handler restores the browser.
  static void setHandler(Handler handler);
};

#pragma once

#include <QObject>

class QAction;
class QMenu;
class QSystemTrayIcon;

// The driver's icon in the system tray with its menu; "quit" ends the
// program through the normal shutdown. Nothing is shown when the desktop has
// no system tray.
class DriverTray : public QObject {
  Q_OBJECT

 public:
  explicit DriverTray(QObject* parent = nullptr);
  ~DriverTray() override;

  bool isShown() const { return m_icon != nullptr; }
  QAction* quitAction() const { return m_quit; }

 signals:
  void quitRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void retranslate();

  QMenu* m_menu = nullptr;
  QAction* m_quit = nullptr;
  QSystemTrayIcon* m_icon = nullptr;
};

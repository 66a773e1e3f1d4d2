#include "driver/app/DriverTray.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QStyle>
#include <QSystemTrayIcon>

DriverTray::DriverTray(QObject* parent) : QObject(parent) {
  m_menu = new QMenu();
  m_quit = m_menu->addAction(QString());
  connect(m_quit, &QAction::triggered, this, &DriverTray::quitRequested);
  // The menu is told when the language changes at run time.
  m_menu->installEventFilter(this);
  retranslate();
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  m_icon = new QSystemTrayIcon(QApplication::style()->standardIcon(QStyle::SP_ComputerIcon), this);
  m_icon->setToolTip(QStringLiteral("VarnexDriver"));
  m_icon->setContextMenu(m_menu);
  m_icon->show();
}

DriverTray::~DriverTray() {
  delete m_icon;
  delete m_menu;
}

bool DriverTray::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_menu && event->type() == QEvent::LanguageChange) retranslate();
  return QObject::eventFilter(watched, event);
}

void DriverTray::retranslate() { m_quit->setText(tr("退出")); }

#pragma once

#include <qpa/qplatformscreen.h>
#include <qpa/qwindowsysteminterface.h>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QList>
#include <QScreen>

// Screens added to the running application through Qt's platform interface,
// as a window system would add them when monitors are plugged in. They form
// one virtual desktop; the first added is the primary. The screen of the
// offscreen platform stays in the list beside them, on a desktop of its own.
class FakeScreens {
 public:
  class Screen : public QPlatformScreen {
   public:
    Screen(QString name, QRect geometry, const QList<QPlatformScreen*>* desktop)
        : m_name(std::move(name)), m_geometry(geometry), m_desktop(desktop) {}
    QRect geometry() const override { return m_geometry; }
    int depth() const override { return 32; }
    QImage::Format format() const override { return QImage::Format_ARGB32_Premultiplied; }
    QString name() const override { return m_name; }
    QList<QPlatformScreen*> virtualSiblings() const override { return *m_desktop; }
    void setGeometryNow(QRect geometry) { m_geometry = geometry; }

   private:
    QString m_name;
    QRect m_geometry;
    const QList<QPlatformScreen*>* m_desktop;
  };

  ~FakeScreens() {
    while (!m_desktop.isEmpty()) remove(static_cast<Screen*>(m_desktop.last())->name());
  }

  QScreen* add(const QString& name, QRect geometry) {
    auto* screen = new Screen(name, geometry, &m_desktop);
    m_desktop << screen;
    QWindowSystemInterface::handleScreenAdded(screen, m_desktop.size() == 1);
    return screen->screen();
  }

  // Unplugs the screen; Qt deletes it.
  void remove(const QString& name) {
    for (QPlatformScreen* screen : qAsConst(m_desktop)) {
      if (screen->name() != name) continue;
      m_desktop.removeOne(screen);
      QWindowSystemInterface::handleScreenRemoved(screen);
      return;
    }
  }

  void move(const QString& name, QRect geometry) {
    for (QPlatformScreen* screen : qAsConst(m_desktop)) {
      if (screen->name() != name) continue;
      static_cast<Screen*>(screen)->setGeometryNow(geometry);
      QWindowSystemInterface::handleScreenGeometryChange(screen->screen(), geometry, geometry);
      QWindowSystemInterface::flushWindowSystemEvents();
      return;
    }
  }

 private:
  QList<QPlatformScreen*> m_desktop;
};

#pragma once

#include <QImage>
#include <QObject>
#include <QQuickImageProvider>
#include <QRect>
#include <QStringList>
#include <QVariantList>

// The picture of the screen the window shows: a desktop with a few windows,
// drawn once, so screenshots and tests need no real grab.
class FakeScreenImageProvider : public QQuickImageProvider {
 public:
  FakeScreenImageProvider() : QQuickImageProvider(QQuickImageProvider::Pixmap) {}
  QPixmap requestPixmap(const QString& id, QSize* size, const QSize& requestedSize) override;
};

// Stands in for the screen information ("screenInfo"): two screens side by
// side, a 1920 x 1080 one on the left and a 2560 x 1440 one on the right.
class FakeScreenInfo : public QObject {
  Q_OBJECT
  Q_PROPERTY(QVariantList screenNameList READ screenNameList NOTIFY screenNameListChanged)
  Q_PROPERTY(QString penDisplayScreenName READ penDisplayScreenName NOTIFY screenNameListChanged)

 public:
  using QObject::QObject;

  QVariantList screenNameList() const { return m_names; }
  void setScreenNames(const QVariantList& names) {
    m_names = names;
    emit screenNameListChanged();
  }
  QString penDisplayScreenName() const { return m_penDisplay; }
  void setPenDisplayScreenName(const QString& name) {
    m_penDisplay = name;
    emit screenNameListChanged();
  }
  QRect grabRect() const { return m_grabRect; }

  QStringList calls;

 public slots:
  void grabScreen() {
    ++grabs;
    emit screenImageChanged();
  }
  void setGrabScreenRect(const QString& screenName);
  double getScreenSize(int type);
  bool getIsCloneScreen() { return m_names.size() == 1; }

 signals:
  void screenImageChanged();
  void screenNameListChanged();
  void realScreenRect(QRect& screenRect, QRect& allscreenRect);

 public:
  int grabs = 0;

 private:
  QVariantList m_names{QStringLiteral("ALL SCREEN"), QStringLiteral("eDP-1"), QStringLiteral("HDMI-1 Fjord4")};
  QString m_penDisplay{QStringLiteral("HDMI-1 Fjord4")};
  QRect m_grabRect{0, 0, 4480, 1440};
};

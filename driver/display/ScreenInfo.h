#pragma once

#include <QMap>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QVariantList>
#include <QVector>

#include "driver/display/DesktopSketch.h"
#include "driver/display/MonitorRecord.h"

#include <memory>

class ImageProvider;
class QScreen;

// The screens under the names the window shows (output name and monitor
// name), a small picture of the chosen screen for the area page, and the
// chosen screen's rectangle with the whole desktop's, which the device
// thread maps the pen onto. Follows screens being added, removed, resized
// and turned. GUI thread only.
class ScreenInfo : public QObject {
  Q_OBJECT
  Q_PROPERTY(QVariantList screenNameList READ screenNameList NOTIFY screenNameListChanged)
  // The entry of screenNameList that drives the connected pen display, found
  // by its monitor name; empty for a pen tablet or when no screen qualifies.
  Q_PROPERTY(QString penDisplayScreenName READ penDisplayScreenName NOTIFY screenNameListChanged)
 public:
  // The size of the screen picture, whatever the screen's shape.
  static constexpr int kPictureWidth = 300;
  static constexpr int kPictureHeight = 168;
  explicit ScreenInfo(QObject* parent = nullptr);
  ~ScreenInfo() override;

  // The provider of the screen picture, for the engine's "screenImage". The
  // caller owns it (addImageProvider takes ownership); each call makes a new
  // provider, and all of them show the latest picture.
  ImageProvider* takeScreenImageProvider();

  QVariantList screenNameList() const { return m_screenNameList; }
  QString penDisplayScreenName() const { return m_penDisplayScreenName; }
  QRect grabRect() const { return m_grabRect; }
  QString grabName() const { return m_grabName; }

  // Stores the VARNEX type of the connected model and rebuilds the names.
  void setDevType(int devType);
  int devType() const { return m_devType; }

  // 500 ms from now, works out the chosen screen's rectangle again and emits
  // realScreenRect with it; after a rotation the desktop needs that long to
  // settle. Calls within the wait are answered once.
  void refreshScreenRectLater();

  // The names of the screen combo box for these screens, in their order:
  // output name, a blank and monitor name ("Fjord1" for a nameless monitor
  // with CFG_Fjord1); an output missing from the map by its name alone;
  // "ALL SCREEN" (translated) first with two or more screens.
  static QStringList screenNames(const QStringList& outputNames, const QMap<QString, QString>& monitorNames,
                                 int devType, const QString& allScreensText);
  // The output a screen shows: the one of its name, else (XWayland's
  // screens) the one at its place on the desktop, else its own name.
  static QString outputNameOf(const QScreen& screen, const QVector<MonitorRecord>& monitors);
  // What getScreenSize answers for a rectangle: 0 width, 1 height, 2 x, 3 y.
  static double rectValue(const QRect& rect, int type);

 signals:
  void screenImageChanged();
  void screenNameListChanged();
  // The chosen screen's rectangle and the virtual desktop's. Const references,
  // so the signal can be queued to the device thread.
  void realScreenRect(const QRect& screenRect, const QRect& allscreenRect);

 public slots:
  // Works out the chosen screen's rectangle and puts a 300 × 168 picture of it
  // into the provider. Where the window system refuses to grab (Wayland), the
  // picture is a drawing of the monitors.
  void grabScreen();
  // Chooses a screen by its name in the list, grabs it, emits realScreenRect.
  // "ALL SCREEN" and names no screen carries stand for the whole desktop.
  void setGrabScreenRect(QString screenName);
  // Of the chosen rectangle: 0 width, 1 height, 2 x, 3 y; 0.0 otherwise.
  double getScreenSize(int type);
  // True when Qt sees exactly one screen (mirrored displays count as one).
  bool getIsCloneScreen();
  // Rebuilds the names from the screens and the monitor names.
  void getScreenDevNameList();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QRect chosenRect() const;
  QVector<DesktopSketch::Monitor> sketchedMonitors() const;
  void emitRealScreenRect();
  void disconnectScreens();

  std::unique_ptr<ImageProvider> m_screenImageProvider;
  QList<QPointer<QScreen>> m_screens;
  QVariantList m_screenNameList;
  QString m_penDisplayScreenName;
  // Guarded pointers: a screen unplugged between two calls reads as null.
  QMap<QString, QPointer<QScreen>> m_screenMap;
  QRect m_grabRect;
  QString m_grabName;
  int m_devType = -1;

  QVector<QMetaObject::Connection> m_screenConnections;
  QTimer m_refreshTimer;
};

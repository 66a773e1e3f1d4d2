#pragma once

#include "tests/support/PrivateBus.h"

#include <QDBusConnection>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <functional>
#include <memory>

// A real Wayland compositor from the distribution, headless, on a private
// session bus and a private runtime folder, with a socket of its own.
// running() is false when it is not installed or did not come up; tests then
// skip with whyNot().
class HeadlessCompositor {
 public:
  static constexpr const char* kSocket = "wayland-varnex";

  // GNOME's mutter with virtual monitors of these sizes; up once it owns its
  // display configuration service.
  static HeadlessCompositor mutter(const QVector<QSize>& monitors);
  // GNOME Shell with one virtual monitor of `size`, with `home` as its home
  // (where user extensions lie); up once it owns org.gnome.Shell. It wants
  // a system bus too: it gets a private one.
  static HeadlessCompositor gnomeShell(QSize size, const QString& home);
  // Plasma's KWin with `outputs` virtual outputs of `size` each; up once its
  // socket answers.
  static HeadlessCompositor kwin(int outputs, QSize size);
  // sway with headless outputs of these sizes side by side; up once its IPC
  // socket answers. sway refuses to run as root: a root test runs it as
  // nobody.
  static HeadlessCompositor sway(const QVector<QSize>& outputs);
  // weston's headless backend with one output of `size`; up once its socket
  // answers.
  static HeadlessCompositor weston(QSize size);

  HeadlessCompositor(HeadlessCompositor&&) = default;
  ~HeadlessCompositor();

  bool running() const { return m_running; }
  QString whyNot() const { return m_whyNot; }
  // A connection of the test's own to the private bus.
  QDBusConnection bus() const;
  // The environment of a program started into this session.
  QProcessEnvironment sessionEnvironment() const;
  QByteArray socketPath() const;
  // sway's IPC socket, once sway is up.
  QString swaySocket() const;

 private:
  explicit HeadlessCompositor(const QString& desktop);
  // Starts `program`; `ready` is asked every 50 ms for up to 30 s.
  void start(const QString& program, const QStringList& arguments, const std::function<bool()>& ready);
  // The environment the compositor itself starts with.
  QProcessEnvironment compositorEnvironment() const;

  std::unique_ptr<PrivateBus> m_bus;
  std::unique_ptr<PrivateBus> m_systemBus;
  std::unique_ptr<QTemporaryDir> m_runtimeDir;
  std::unique_ptr<QProcess> m_process;
  QString m_desktop;
  QString m_connectionName;
  QProcessEnvironment m_extraEnvironment;
  bool m_running = false;
  QString m_whyNot;
};

#pragma once

#include "platform/session/HandOverServer.h"

#include <QString>
#include <memory>

namespace platform {

// Makes sure one driver runs per user. The first start holds the instance
// until its process ends (however it ends: the system lets go of it when the
// process dies, so a crashed driver never blocks the next start). A later
// start hands over to the running one, asking it to show its window, and
// then ends.
//
//   platform::SingleInstance instance("VarnexDriver");
//   if (!instance.claim()) return 0;
//   QApplication app(argc, argv);
//   ...build the driver...
//   instance.publish([&](quint32 dwData, const QByteArray& data) { return ...; });
//
// Between claim() and publish() a later start finds the instance taken but
// nobody to talk to; it sends nothing and ends as well.
class SingleInstance {
 public:
  using Receiver = HandOverServer::Receiver;
  // How long a later start waits for the running one to handle its message.
  static constexpr int kHandOverTimeoutMs = 5000;

  explicit SingleInstance(QString key);
  ~SingleInstance();

  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // True when this process is the first and now holds the instance. False
  // when another one holds it; the show-window message has then been sent
  // and handled if the other one has published its hand-over point. Needs
  // no application object.
  bool claim();

  // Opens the hand-over point; from then on every message of a later start
  // reaches `receiver` on this thread, and the receiver's answer (handled or
  // not) goes back to the sender. Needs the application object; false (with
  // a log line) when the point cannot be opened.
  bool publish(Receiver receiver);

  // Where the instance lock and the hand-over point live: in the user's
  // runtime directory, named from the key and the user.
  QString lockPath() const;
  QString handOverPath() const;

 private:
  // Sends the show-window message; false when nobody listens.
  bool handOver();

  QString m_key;
  int m_lockFd = -1;
  std::unique_ptr<HandOverServer> m_server;
};

}  // namespace platform

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
//   if (instance.claim() != platform::SingleInstance::Claim::First) return ...;
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

  enum class Claim {
    First,        // this process now holds the instance
    Second,       // another one runs; the show-window message has been sent
                  // and handled if it has published its hand-over point
    Unavailable,  // the instance cannot be taken, and whether another driver
                  // runs cannot be told: problem() says why
  };
  // Needs no application object. A lock that is not usable where it lives
  // (a link, a folder or someone else's file put there) is moved aside once;
  // a driver whose lock file was removed is still found by its hand-over
  // point, so a second driver never starts beside it.
  Claim claim();
  QString problem() const { return m_problem; }

  // Opens the hand-over point; from then on every message of a later start
  // reaches `receiver` on this thread, and the receiver's answer (handled or
  // not) goes back to the sender. Needs the application object; false (with
  // a log line) when the point cannot be opened.
  bool publish(Receiver receiver);

  // Where the instance lock and the hand-over point live: in the user's
  // private runtime folder (see privateRuntimeFolder), named from the key
  // and the user; "" when there is no such folder.
  QString lockPath() const;
  QString handOverPath() const;

 private:
  QString pathWithSuffix(const char* suffix) const;
  // Sends the show-window message; false when nobody listens.
  bool handOver();

  QString m_key;
  mutable QString m_folder;
  mutable QString m_folderProblem;
  QString m_problem;
  int m_lockFd = -1;
  std::unique_ptr<HandOverServer> m_server;
};

}  // namespace platform

// The running instance's hand-over socket against well-behaved and
// misbehaving senders.

#include "platform/session/HandOverServer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

using platform::HandOverMessage;
using platform::HandOverServer;

class HandOverServerTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(server.listen(path)) << server.errorString().toStdString(); }
  // Sends `bytes` in the given pieces and returns the answer byte, or -1 when
  // the server hung up without one.
  int exchange(const QList<QByteArray>& pieces) {
    // Server and sender share this thread: wait by running the event loop,
    // never by blocking in the socket.
    QLocalSocket socket;
    socket.connectToServer(path);
    for (const QByteArray& piece : pieces) {
      socket.write(piece);
      QTest::qWait(20);
    }
    QElapsedTimer clock;
    clock.start();
    while (socket.bytesAvailable() == 0 && socket.state() != QLocalSocket::UnconnectedState &&
           clock.elapsed() < 20000) {
      QTest::qWait(10);
    }
    if (socket.bytesAvailable() == 0) return -1;
    return socket.read(1).at(0);
  }

  QTemporaryDir dir;
  QString path = dir.path() + "/handover";
  QList<quint32> received;
  HandOverServer server{[this](quint32 dwData, const QByteArray&) {
    received << dwData;
    return dwData == HandOverMessage::kShowWindow;
  }};
};

TEST_F(HandOverServerTest, AnswersOnceTheReceiverHasDealtWithTheMessage) {
  const QByteArray show = HandOverMessage::showWindow().encode();
  EXPECT_EQ(exchange({show.left(3), show.mid(3, 6), show.mid(9)}), 1);
  HandOverMessage other;
  other.dwData = 10085;
  EXPECT_EQ(exchange({other.encode()}), 0);
  EXPECT_EQ(received, QList<quint32>({10086, 10085}));
}

TEST_F(HandOverServerTest, GarbageAndSilenceAreCutOffWithoutReachingTheReceiver) {
  EXPECT_EQ(exchange({QByteArray::fromHex("66270000ffffff7f")}), -1);
  EXPECT_EQ(exchange({QByteArray::fromHex("6627")}), -1);  // never finishes
  EXPECT_TRUE(received.isEmpty());
  // And the server still serves.
  EXPECT_EQ(exchange({HandOverMessage::showWindow().encode()}), 1);
}

TEST_F(HandOverServerTest, ASocketLeftBehindIsReplacedALiveOneNever) {
  // A live server's socket stays, and that server keeps serving.
  HandOverServer second([](quint32, const QByteArray&) { return true; });
  EXPECT_FALSE(second.listen(path));
  EXPECT_EQ(exchange({HandOverMessage::showWindow().encode()}), 1);

  // What a killed instance leaves: a socket file nobody listens at.
  const QString stale = dir.path() + "/stale";
  QLocalServer killed;
  ASSERT_TRUE(killed.listen(stale));
  ASSERT_TRUE(QFile::rename(stale, stale + ".moved"));  // its file outlives it
  killed.close();
  ASSERT_TRUE(QFile::rename(stale + ".moved", stale));
  HandOverServer again([](quint32, const QByteArray&) { return true; });
  EXPECT_TRUE(again.listen(stale)) << again.errorString().toStdString();

  // Something that is no socket at all is left alone.
  QFile notASocket(dir.path() + "/plain");
  ASSERT_TRUE(notASocket.open(QIODevice::WriteOnly));
  notASocket.close();
  HandOverServer refused([](quint32, const QByteArray&) { return true; });
  EXPECT_FALSE(refused.listen(notASocket.fileName()));
  EXPECT_TRUE(notASocket.exists());
}

}  // namespace

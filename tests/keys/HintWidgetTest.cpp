// The hint popup on the offscreen platform.

#include "driver/keys/HintWidget.h"
#include "tests/support/FifoTrap.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

TEST(HintWidget, IsAFramelessTranslucentToolWindowWithOneCentredLabel) {
  HintWidget hint;
  const Qt::WindowFlags flags = hint.windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::Tool));
  EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(hint.testAttribute(Qt::WA_TranslucentBackground));
  // Shown without taking the focus from the program a held shortcut types into
  // (the offscreen platform activates every window, so only the request is seen).
  EXPECT_TRUE(hint.testAttribute(Qt::WA_ShowWithoutActivating));
  EXPECT_FALSE(hint.isVisible());
  ASSERT_NE(qobject_cast<QVBoxLayout*>(hint.layout()), nullptr);
  EXPECT_EQ(hint.layout()->count(), 1);
  EXPECT_EQ(hint.findChildren<QLabel*>().size(), 1);
  EXPECT_EQ(hint.label()->alignment(), Qt::AlignCenter);

  const QString style = hint.label()->styleSheet();
  EXPECT_EQ(style.size(), 340);
  EXPECT_TRUE(style.startsWith("QLabel{   background-color: rgba(200, 200, 200, 150);"));
  EXPECT_TRUE(style.contains("font: 25 14px \"Microsoft YaHei\";"));
  EXPECT_TRUE(style.endsWith("padding: 6px; }"));
}

namespace {
QStringList g_warnings;
// The offscreen platform of the tests says what it cannot do; a desktop does not.
void keepWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtDebugMsg && type != QtInfoMsg && !message.startsWith("This plugin does not support"))
    g_warnings << message;
}
}  // namespace

// The grey behind the text is translucent, and Qt takes the style sheet
// without a word: a warning here would stand in every log at every start.
TEST(HintWidget, PaintsATranslucentGreyWithoutAWarning) {
  g_warnings.clear();
  const QtMessageHandler previous = qInstallMessageHandler(keepWarnings);
  HintWidget hint;
  hint.showHint("K1");
  // Painted onto nothing, as the translucent window shows it on the desktop.
  QImage image(hint.label()->size(), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  hint.label()->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  qInstallMessageHandler(previous);
  EXPECT_TRUE(g_warnings.isEmpty()) << g_warnings.join('\n').toStdString();

  // Inside the rounded border, away from the text.
  const QColor background = image.pixelColor(image.width() / 2, 3);
  EXPECT_NEAR(background.alpha(), 150, 2);
  EXPECT_NEAR(background.red(), 200, 2);
  EXPECT_EQ(background.red(), background.blue());
}

TEST(HintWidget, ShowsForOneSecondAfterTheLastHint) {
  HintWidget hint;
  hint.showHint(QString::fromUtf8("画布放大"));
  EXPECT_TRUE(hint.isVisible());
  EXPECT_EQ(hint.text(), QString::fromUtf8("画布放大"));
  EXPECT_TRUE(hint.hideTimer()->isActive());
  EXPECT_EQ(hint.hideTimer()->interval(), 1000);

  QTest::qWait(600);
  hint.showHint("R2:Zoom");  // replaces the text and starts the second again
  QTest::qWait(600);
  EXPECT_TRUE(hint.isVisible());
  EXPECT_EQ(hint.text(), "R2:Zoom");
  EXPECT_TRUE(QTest::qWaitFor([&] { return !hint.isVisible(); }, 2000));
  EXPECT_FALSE(hint.hideTimer()->isActive());
}

TEST(HintWidget, HiddenHintsAreNotShownButAVisibleOneStillGoes) {
  HintWidget hint;
  hint.showHint("first");
  hint.setHideHint(true);
  EXPECT_TRUE(hint.isHideHint());
  hint.showHint("second");
  EXPECT_EQ(hint.text(), "first");
  EXPECT_TRUE(QTest::qWaitFor([&] { return !hint.isVisible(); }, 2000));
  hint.showHint("third");
  EXPECT_FALSE(hint.isVisible());
}

TEST(HintWidget, PlacedCentredAbove150PixelsFromTheBottom) {
  HintWidget hint;
  QRect screen(0, 0, 1920, 1080);
  hint.moveHintTextPos(screen);
  EXPECT_EQ(hint.pos(), QPoint(940, 930));
  QRect second(1920, 0, 1281, 1024);
  hint.moveHintTextPos(second);
  EXPECT_EQ(hint.pos(), QPoint(1920 + 620, 874));

  // With one screen the desktop is that screen: the rectangle is used as given.
  ASSERT_EQ(QGuiApplication::screens().size(), 1);
  QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
  hint.moveHintTextPos(desktop);
  EXPECT_EQ(hint.pos(), QPoint(desktop.x() + (desktop.width() - 40) / 2, desktop.y() + desktop.height() - 150));
}

// A custom key name is the user's own text from the settings (or from an
// imported file): markup in it is shown as it stands. Read as rich text, an
// <img> naming a FIFO blocked the whole driver when the key was pressed.
TEST(HintWidget, ShowsACustomNameAsItStandsAndOpensNothingItNames) {
  FifoTrap fifo;
  ASSERT_TRUE(fifo.made());
  HintWidget hint;
  hint.showHint(QStringLiteral("<img src=\"%1\">").arg(fifo.path()));
  hint.label()->grab();  // lays the text out and paints it
  QCoreApplication::processEvents();
  EXPECT_FALSE(fifo.wasOpened());
  EXPECT_EQ(hint.text(), QStringLiteral("<img src=\"%1\">").arg(fifo.path()));

  // A tag is not obeyed: a line break in markup leaves one line.
  hint.showHint("<b>x</b>");
  const int oneLine = hint.label()->sizeHint().height();
  hint.showHint("<b>x</b><br>y");
  EXPECT_EQ(hint.label()->sizeHint().height(), oneLine);
}

// The painted guide line and the program icons of the settings window.

#include "driver/core/ProgramIconNames.h"
#include "driver/display/DashLine.h"
#include "driver/display/IconProvider.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>

#include <sys/stat.h>

namespace {

// Paints the item as the scene graph would, onto a transparent image.
QImage paintLine(DashLine& line) {
  QImage image(120, 20, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  line.paint(&painter);
  return image;
}

// How many pixels of row y between x 10 and 110 are drawn.
int paintedAlong(const QImage& image, int y) {
  int painted = 0;
  for (int x = 10; x < 110; ++x) painted += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
  return painted;
}

}  // namespace

TEST(DashLine, DrawsDashedDottedAndSolidLinesInItsColourAndWidth) {
  DashLine line;
  EXPECT_EQ(line.color(), QColor("red"));
  EXPECT_EQ(line.linewidth(), 1);
  line.setColor(QColor("blue"));
  line.setLinewidth(4);

  line.drawLines(0, 10, 120, 10);
  QImage solid = paintLine(line);
  EXPECT_EQ(paintedAlong(solid, 10), 100);
  EXPECT_EQ(QColor(solid.pixel(60, 10)), QColor("blue"));
  // Four pixels wide: the rows beside the middle are drawn too, well away are not.
  EXPECT_EQ(paintedAlong(solid, 9), 100);
  EXPECT_EQ(paintedAlong(solid, 15), 0);

  // Dashes and gaps of two widths (8 px) each: about half the line.
  line.drawLineDash(0, 10, 120, 10);
  EXPECT_EQ(line.pen().capStyle(), Qt::FlatCap);
  const int dashed = paintedAlong(paintLine(line), 10);
  EXPECT_GT(dashed, 35);
  EXPECT_LT(dashed, 65);

  line.drawDotLine(0, 10, 120, 10);
  EXPECT_EQ(line.pen().style(), Qt::DotLine);
  const int dotted = paintedAlong(paintLine(line), 10);
  EXPECT_GT(dotted, 20);
  EXPECT_LT(dotted, 80);
}

class ProgramIcons : public ::testing::Test {
 protected:
  void SetUp() override {
    // A small icon theme: "krita" is a red square.
    const QString themes = testenv::freshDir("icon-themes");
    QDir(themes).mkpath("varnex-test/32x32/apps");
    QFile index(themes + "/varnex-test/index.theme");
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=varnex-test\nDirectories=32x32/apps\n\n[32x32/apps]\nSize=32\nType=Fixed\n");
    index.close();
    QImage red(32, 32, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(themes + "/varnex-test/32x32/apps/krita.png"));
    m_savedPaths = QIcon::themeSearchPaths();
    m_savedTheme = QIcon::themeName();
    QIcon::setThemeSearchPaths({themes});
    QIcon::setThemeName("varnex-test");

    m_program = testenv::freshDir("programs") + "/krita";
    QFile program(m_program);
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
  }
  void TearDown() override {
    ProgramIconNames::forgetAll();
    QIcon::setThemeSearchPaths(m_savedPaths);
    QIcon::setThemeName(m_savedTheme);
  }

  QPixmap request(const QString& id) {
    IconProvider provider;
    QSize size;
    const QPixmap icon = provider.requestPixmap(id, &size, QSize());
    EXPECT_EQ(size, icon.size());
    return icon;
  }

  QStringList m_savedPaths;
  QString m_savedTheme;
  QString m_program;
};

TEST_F(ProgramIcons, AProgramFromADesktopEntryShowsItsThemeIcon) {
  ProgramIconNames::remember(m_program, "krita");
  const QPixmap icon = request(m_program);
  EXPECT_EQ(icon.size(), QSize(32, 32));
  EXPECT_EQ(QColor(icon.toImage().pixel(16, 16)), QColor(Qt::red));
}

TEST_F(ProgramIcons, OtherFilesGetTheFileIconAndNeverAnEmptyPicture) {
  // Named like the theme icon, but not from a desktop entry: not the theme's.
  const QPixmap icon = request(m_program);
  ASSERT_FALSE(icon.isNull());
  EXPECT_LE(icon.width(), 32);
  EXPECT_NE(QColor(icon.toImage().pixel(icon.width() / 2, icon.height() / 2)), QColor(Qt::red));
  EXPECT_FALSE(request("/no/such/program").isNull());
  EXPECT_FALSE(request("").isNull());
}

// Icon= of a desktop entry may name a file, and entries may come from anyone:
// a FIFO there used to stop Qt's pixmap loading for good, and with it the
// window and the driver's exit.
TEST_F(ProgramIcons, AnIconFileIsReadOnlyWhenItIsARegularFile) {
  const QString icons = testenv::freshDir("entry-icons");
  QImage blue(32, 32, QImage::Format_ARGB32);
  blue.fill(Qt::blue);
  ASSERT_TRUE(blue.save(icons + "/tool.png"));
  ProgramIconNames::remember(m_program, icons + "/tool.png");
  EXPECT_EQ(QColor(request(m_program).toImage().pixel(16, 16)), QColor(Qt::blue));

  QElapsedTimer timer;
  timer.start();
  ASSERT_EQ(mkfifo(QFile::encodeName(icons + "/fifo.png").constData(), 0600), 0);
  ASSERT_TRUE(QFile::link("/dev/zero", icons + "/zero.png"));
  for (const QString& name : {QString("fifo.png"), QString("zero.png")}) {
    ProgramIconNames::remember(m_program, icons + "/" + name);
    const QPixmap icon = request(m_program);
    EXPECT_FALSE(icon.isNull()) << name.toStdString();
    EXPECT_NE(QColor(icon.toImage().pixel(icon.width() / 2, icon.height() / 2)), QColor(Qt::blue));
  }
  EXPECT_LT(timer.elapsed(), 5000);

  // A theme icon's name never holds a "/"; one that does is no way into
  // files below the theme folders.
  ProgramIconNames::remember(m_program, "../32x32/apps/krita");
  EXPECT_NE(QColor(request(m_program).toImage().pixel(16, 16)), QColor(Qt::red));
}

TEST_F(ProgramIcons, APercentEncodedPathFindsTheProgram) {
  const QString spaced = testenv::freshDir("my programs") + "/paint tool";
  QFile(spaced).open(QIODevice::WriteOnly);
  ProgramIconNames::remember(spaced, "krita");
  const QString encoded = QString(spaced).replace(" ", "%20");
  EXPECT_EQ(QColor(request(encoded).toImage().pixel(16, 16)), QColor(Qt::red));
}

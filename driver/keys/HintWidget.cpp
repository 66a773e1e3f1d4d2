#include "driver/keys/HintWidget.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

// Written out as the window's designers wrote it, spaces included, except
// that the translucent grey is rgba(): Qt refuses an alpha given to rgb()
// with a warning and paints no background at all.
const char* const HintWidget::kStyleSheet =
    "QLabel{   background-color: rgba(200, 200, 200, 150);                border-style: outset;            "
    "     border-width: 1px;                border-radius: 5px;                border-color: #AAAAAA;    "
    "            color: #333333;                font: 25 14px \"Microsoft YaHei\";                 min-wi"
    "dth: 5em;                padding: 6px; }";

HintWidget::HintWidget(QWidget* parent)
    : QWidget(parent), m_label(new QLabel(this)), m_hideTimer(new QTimer(this)) {
  setWindowFlags(windowFlags() | Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setAttribute(Qt::WA_TranslucentBackground);
  // The hint appears while a tablet key holds a shortcut down in the drawing
  // program; taking the focus would send the key-up to us instead.
  setAttribute(Qt::WA_ShowWithoutActivating);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_label);
  m_label->setAlignment(Qt::AlignCenter);
  // A hint names a key's function, and a custom name is the user's own
  // text from the settings: shown as it is, never read as markup (an <img>
  // in it would have the label open whatever file it names).
  m_label->setTextFormat(Qt::PlainText);
  m_label->setStyleSheet(QString::fromUtf8(kStyleSheet));
  connect(m_hideTimer, &QTimer::timeout, this, &HintWidget::hideHint);
}

QString HintWidget::text() const { return m_label->text(); }

void HintWidget::showHint(QString hintText) {
  if (m_hideHint) return;
  m_label->setText(hintText);
  show();
  if (m_hideTimer->isActive()) m_hideTimer->stop();
  m_hideTimer->start(kShowMs);
}

void HintWidget::hideHint() {
  m_hideTimer->stop();
  hide();
}

void HintWidget::setHideHint(bool isHideHint) { m_hideHint = isHideHint; }

void HintWidget::moveHintTextPos(QRect& pos) {
  QRect target = pos;
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (primary && QGuiApplication::screens().size() >= 2 && pos == primary->virtualGeometry()) {
    target = primary->geometry();
  }
  move(target.x() + (target.width() - 40) / 2, target.y() + target.height() - 150);
}

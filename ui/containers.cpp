// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls_p.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "qtbridge.h"
#include "teacher.h"

namespace ui {

using namespace detail;

// ---- Frame ----

Frame::Frame(Container* parent, QString name, const QString& caption, const Rect& r)
    : Control(parent, std::move(name), ControlKind::Frame,
              new QGroupBox(caption, parent->clientWidget()), r, kSysButtonText, kSysButtonFace) {
  widget()->installEventFilter(new ClickFilter(
      widget(), [this] { fireClick(); }, [this] { fireDblClick(); }, true));
  setCaption(caption);
  applyColors();
}
QString Frame::caption() const {
  return static_cast<QGroupBox*>(widget())->title();
}
void Frame::setCaption(const QString& text) {
  static_cast<QGroupBox*>(widget())->setTitle(text);
  setAccessibleName(text);
}
QWidget* Frame::clientWidget() const {
  return widget();
}
QPoint Frame::clickPoint() const {
  return barePoint(widget()).value_or(widget()->rect().center());
}

// ---- PictureBox ----

namespace {

// The widget of a picture box: shows the canvas raster inside an optional sunken frame.
class PictureWidget : public QFrame {
 public:
  PictureWidget(QWidget* parent, PictureBox* box) : QFrame(parent), box_(box) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

  // Asks for one repaint however many drawing calls come before it: a curve of thousands of
  // points would otherwise spend more time scheduling repaints than drawing. Every paint shows
  // the whole raster as it stands then. Animations draw a frame every few milliseconds, far
  // more often than a screen shows one, so paints are spaced at least one screen refresh
  // apart; the pauses between frames, where the drawing stands whole, let the delayed one run.
  void scheduleRepaint() {
    if (repaintPending_) return;
    repaintPending_ = true;
    const qint64 wait = lastPaint_.isValid() ? refreshMs() - lastPaint_.elapsed() : 0;
    if (wait <= 0)
      update(rasterRect());
    else
      QTimer::singleShot(int(wait), this, [this] { update(rasterRect()); });
  }

 protected:
  void paintEvent(QPaintEvent* e) override {
    repaintPending_ = false;
    lastPaint_.start();
    box_->fitRaster();  // the window may have moved to a screen of another ratio
    if (!contentsRect().contains(e->rect())) QFrame::paintEvent(e);
    QPainter p(this);
    paintRaster(p, *box_, contentsRect(), devicePixelRatio());
  }
  void resizeEvent(QResizeEvent* e) override {
    QFrame::resizeEvent(e);
    box_->fitRaster();
  }
  bool event(QEvent* e) override {
    if (isRatioChange(e)) box_->fitRaster();
    if (e->type() == QEvent::ContextMenu) {
      box_->form().teacher().showMenu(static_cast<QContextMenuEvent*>(e));
      return true;
    }
    return QFrame::event(e);
  }

 private:
  // The part a repaint copies: the inside of the frame, and the raster's last column and row
  // that, rounded up at ratios between whole numbers, reach into the frame.
  QRect rasterRect() const {
    return box_->devicePixelRatio() == 1 ? contentsRect()
                                         : contentsRect().adjusted(0, 0, 1, 1) & rect();
  }
  qint64 refreshMs() const {
    const qreal hz = screen() ? screen()->refreshRate() : 60.0;
    return qint64(1000.0 / std::clamp(hz, 30.0, 240.0));  // ms
  }

  PictureBox* box_;
  bool repaintPending_ = false;
  QElapsedTimer lastPaint_;
};

}  // namespace

PictureBox::PictureBox(Container* parent, QString name, const Rect& r)
    : Canvas([this] { static_cast<PictureWidget*>(widget())->scheduleRepaint(); }),
      Control(parent, std::move(name), ControlKind::Picture,
              new PictureWidget(parent->clientWidget(), this), r, kSysWindowText, kSysButtonFace) {
  auto* w = static_cast<PictureWidget*>(widget());
  fitRaster();
  Canvas::setBackColor(kSysButtonFace);
  w->installEventFilter(new ClickFilter(
      w, [this] { fireClick(); }, [this] { fireDblClick(); }, true));
  setAccessibleName(QCoreApplication::translate("ui", "Рисунок"));
}
QWidget* PictureBox::clientWidget() const {
  return widget();
}
QPointF PictureBox::unitsToPixels(double x, double y) const {
  return toPixelF(x, y) + QPointF(border_, border_);
}
QPointF PictureBox::pixelsToUnits(QPointF px) const {
  return fromPixel(px - QPointF(border_, border_));
}
void PictureBox::fitRaster() {
  resizePixels(designRect().size() - QSize(2 * border_, 2 * border_),
               widget()->devicePixelRatio() * zoom());
}
void PictureBox::applyZoom() {
  static_cast<QFrame*>(widget())->setLineWidth(int(std::lround(border_ * zoom())));
  Control::applyZoom();
  fitRaster();
}
void PictureBox::setBackColor(Color c) {
  Canvas::setBackColor(c);
  Control::setBackColor(c);
}
void PictureBox::setForeColor(Color c) {
  Canvas::setForeColor(c);
  Control::setForeColor(c);
}
void PictureBox::setFont(const FontSpec& f) {
  Canvas::setFont(f);
}
void PictureBox::setFontName(const QString& name) {
  Canvas::setFontName(name);
}
void PictureBox::setFontSize(double pt) {
  Canvas::setFontSize(pt);
}
void PictureBox::setFontBold(bool on) {
  Canvas::setFontBold(on);
}
void PictureBox::setFontItalic(bool on) {
  Canvas::setFontItalic(on);
}
void PictureBox::setFontUnderline(bool on) {
  Canvas::setFontUnderline(on);
}
QPoint PictureBox::clickPoint() const {
  return barePoint(widget()).value_or(widget()->rect().center());
}
void PictureBox::resized() {
  // A hidden widget gets its resize event only when shown; the raster and the scale must
  // follow the new size at once, for the handler that resized the picture goes on using them.
  fitRaster();
}
void PictureBox::setBorderStyle(int style) {
  auto* w = static_cast<QFrame*>(widget());
  border_ = style ? 2 : 0;
  w->setFrameStyle(style ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
  w->setLineWidth(int(std::lround(border_ * zoom())));
  fitRaster();
}

}  // namespace ui

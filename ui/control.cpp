// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls_p.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
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
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "pointer.h"
#include "qtbridge.h"

namespace ui {

using namespace detail;

// ---- Container ----

namespace detail {

void paintRaster(QPainter& p, const Canvas& canvas, const QRect& area, qreal screenRatio) {
  QImage shown = canvas.screenImage();
  // One raster pixel to one screen pixel: the raster's own size in the widget's pixels.
  const QRectF target(area.topLeft(), QSizeF(shown.size()) / screenRatio);
  const QTransform device = p.deviceTransform();
  if (device.type() == QTransform::TxScale && device.m11() == screenRatio &&
      device.m22() == screenRatio && p.worldTransform().isIdentity()) {
    // Copied as it is in the screen's pixels: through the screen's scale the painter would
    // resample the whole raster, to the same pixels (0.7 ms a repaint at a full screen's 2.2).
    p.save();
    p.setWorldTransform(QTransform::fromScale(1 / screenRatio, 1 / screenRatio));
    shown.setDevicePixelRatio(1);
    p.drawImage(target.topLeft() * screenRatio, shown);
    p.restore();
  } else {
    p.drawImage(target, shown);
  }
  // Rounded up, the raster's last column and row may reach a pixel beyond the area; rounded
  // down, the zoomed area a pixel beyond the raster.
  const QRegion bare = QRegion(area) - QRegion(target.toAlignedRect());
  if (bare.isEmpty()) return;
  p.setClipRegion(bare);
  p.fillRect(area, toQColor(canvas.backColor()));
  p.setClipping(false);
}

}  // namespace detail

QPointF Container::unitsToPixels(double x, double y) const {
  return {x / kTwipsPerPixel, y / kTwipsPerPixel};
}
QPointF Container::pixelsToUnits(QPointF px) const {
  return px * kTwipsPerPixel;
}
double Container::unitsPerPixelX() const {
  return kTwipsPerPixel;
}
double Container::unitsPerPixelY() const {
  return kTwipsPerPixel;
}

// ---- Control ----

namespace {

const char* const kDecorationProperty = "lessonDecoration";

// Puts a label, shape or line on its container's surface: beneath every other control of the
// container, above the decorations made before it, so decorations keep their own order.
void layOnSurface(QWidget* w) {
  w->setProperty(kDecorationProperty, true);
  for (QObject* o : w->parentWidget()->children()) {
    auto* sibling = qobject_cast<QWidget*>(o);
    if (sibling && sibling != w && !sibling->isWindow() &&
        !sibling->property(kDecorationProperty).toBool()) {
      w->stackUnder(sibling);
      return;
    }
  }
}

}  // namespace

namespace detail {

std::optional<QPoint> barePoint(const QWidget* w) {
  // The pupil sees only what lies inside the window.
  const QRect shown = w->window()->rect();
  const auto bare = [w, shown](QPoint p) {
    return !w->childAt(p) && shown.contains(w->mapTo(w->window(), p));
  };
  const QPoint centre = w->rect().center();
  if (bare(centre)) return centre;
  constexpr int kStep = 3;
  std::optional<QPoint> best;
  int bestDistance = 0;
  for (int y = 0; y < w->height(); y += kStep)
    for (int x = 0; x < w->width(); x += kStep) {
      const int distance = (QPoint(x, y) - centre).manhattanLength();
      if ((!best || distance < bestDistance) && bare(QPoint(x, y))) {
        best = QPoint(x, y);
        bestDistance = distance;
      }
    }
  return best;
}

}  // namespace detail

Control::Control(Container* parent, QString name, ControlKind kind, QWidget* widget, const Rect& r,
                 Color fore, Color back)
    : container_(parent),
      name_(std::move(name)),
      kind_(kind),
      widget_(widget),
      fore_(fore),
      back_(back) {
  widget_->setObjectName(name_);
  // A click on a disabled control must not fall through to the window (or picture) beneath.
  widget_->setAttribute(Qt::WA_NoMousePropagation);
  setGeometry(r);
  // A control made while its window shows appears at once, as one made before showing does.
  if (parent->clientWidget()->isVisible()) widget_->show();
  if (kind == ControlKind::Label || kind == ControlKind::Decoration) layOnSurface(widget_);
  parent->form().controls_.push_back(this);
}

Control::~Control() {
  auto& list = container_->form().controls_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  delete widget_.data();
}

// Places and sizes are kept as the 100 % layout has them, so that they read back unchanged at
// every zoom; the widget shows them zoomed.
double Control::left() const {
  return container_->pixelsToUnits(QPointF(design_.topLeft())).x();
}
double Control::top() const {
  return container_->pixelsToUnits(QPointF(design_.topLeft())).y();
}
double Control::width() const {
  return design_.width() * std::fabs(container_->unitsPerPixelX());
}
double Control::height() const {
  return design_.height() * std::fabs(container_->unitsPerPixelY());
}

void Control::setLeft(double v) {
  const QPointF p = container_->unitsToPixels(v, 0);
  setDesignRect(QRect(QPoint(int(std::lround(p.x())), design_.y()), design_.size()));
}
void Control::setTop(double v) {
  const QPointF p = container_->unitsToPixels(0, v);
  setDesignRect(QRect(QPoint(design_.x(), int(std::lround(p.y()))), design_.size()));
}
void Control::setWidth(double v) {
  setDesignRect(
      QRect(design_.topLeft(), QSize(pixels(v, container_->unitsPerPixelX()), design_.height())));
  resized();
}
void Control::setHeight(double v) {
  setDesignRect(
      QRect(design_.topLeft(), QSize(design_.width(), pixels(v, container_->unitsPerPixelY()))));
  resized();
}
void Control::move(double left, double top) {
  const QPointF p = container_->unitsToPixels(left, top);
  setDesignRect(QRect(QPoint(int(std::lround(p.x())), int(std::lround(p.y()))), design_.size()));
}
void Control::setGeometry(const Rect& r) {
  move(r.left, r.top);
  setDesignRect(QRect(design_.topLeft(), QSize(pixels(r.width, container_->unitsPerPixelX()),
                                               pixels(r.height, container_->unitsPerPixelY()))));
  resized();
}
void Control::setDesignRect(const QRect& r) {
  design_ = r;
  // A move and a resize apart, as a program's Left and Width are: a resize handler that
  // follows the widget's events sees one event for each.
  const QRect shown = zoomed(r, zoom());
  if (shown.topLeft() != widget_->pos()) widget_->move(shown.topLeft());
  if (shown.size() != widget_->size()) widget_->resize(shown.size());
}

double Control::zoom() const {
  return container_->form().zoom();
}
void Control::applyZoom() {
  setDesignRect(design_);
  if (ownFont_) widget_->setFont(toQFont(font_, true, zoom()));
}

void Control::setVisible(bool on) {
  visible_ = on;
  widget_->setVisible(on);
}
bool Control::enabled() const {
  return widget_->isEnabled();
}
void Control::setEnabled(bool on) {
  widget_->setEnabled(on);
}
QString Control::toolTipText() const {
  return widget_->toolTip();
}
void Control::setToolTipText(const QString& text) {
  widget_->setToolTip(text);
}
QString Control::accessibleName() const {
  return widget_->accessibleName();
}
void Control::setAccessibleName(const QString& name) {
  widget_->setAccessibleName(name);
}

FontSpec Control::font() const {
  // An inherited font reads back as the widget shows it at 100 %.
  return ownFont_ ? font_ : fromQFont(toQFont(container_->childFont()));
}
void Control::setFont(const FontSpec& f) {
  font_ = f;
  ownFont_ = true;
  widget_->setFont(toQFont(f, true, zoom()));
}
void Control::setFontSize(double pt) {
  setFont(font().with(&FontSpec::size, pt));
}
void Control::setFontName(const QString& name) {
  setFont(font().with(&FontSpec::name, QString(name)));
}
void Control::setFontBold(bool on) {
  setFont(font().with(&FontSpec::bold, on));
}
void Control::setFontItalic(bool on) {
  setFont(font().with(&FontSpec::italic, on));
}
void Control::setFontUnderline(bool on) {
  setFont(font().with(&FontSpec::underline, on));
}

void Control::setForeColor(Color c) {
  fore_ = c;
  applyColors();
}
void Control::setBackColor(Color c) {
  back_ = c;
  applyColors();
}
void Control::applyColors() {
  setRoleColors(widget_, QPalette::WindowText, fore_, QPalette::Window, back_);
  widget_->setAutoFillBackground(true);
}

QPoint Control::clickPoint() const {
  return widget_->rect().center();
}
bool Control::reachable() const {
  return !widget_->isHidden() && widget_->isVisibleTo(widget_->window());
}
void Control::click() {
  if (reachable()) pointer::click(widget_->window(), pointer::windowPos(widget_, clickPoint()));
}
void Control::dblClick() {
  if (reachable())
    pointer::doubleClick(widget_->window(), pointer::windowPos(widget_, clickPoint()));
}

}  // namespace ui

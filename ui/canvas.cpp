#include "canvas.h"

#include <QFontMetrics>
#include <cmath>
#include <map>

#include "errors.h"
#include "qtbridge.h"

namespace ui {
namespace {

constexpr double kTwoPi = 6.283185307179586;
// Pixel coordinates are kept within this range so that absurd user values (an overflowing
// computation, say) still draw nothing instead of overflowing the rasteriser.
constexpr double kPixelLimit = 1.0e6;

DrawRecord rec(DrawRecord::Kind kind, QPointF p1, QPointF p2, Color color) {
  DrawRecord r;
  r.kind = kind;
  r.p1 = p1;
  r.p2 = p2;
  r.color = color;
  return r;
}

int toPixelInt(double v) {
  if (std::isnan(v)) return int(-kPixelLimit);
  return int(std::floor(std::clamp(v, -kPixelLimit, kPixelLimit) + 0.5));
}

// A colour as the raster stores it; plain colours without a QColor on the way.
QRgb rasterColor(Color c) {
  if (c & 0x80000000u) return toQColor(c).rgb();
  return qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

// Outlines up to this half-axis (px) are copied from a stored pattern instead of rasterised.
constexpr int kOutlinePatternLimit = 64;

// The pixels of a whole ellipse outline with half-axes rx, ry (px), drawn with the one-pixel
// solid pen, as offsets from its centre pixel. Qt rasterises each size once; drawn at a whole
// pixel position an outline covers the same pattern wherever it stands, so copying the pattern
// is exact and spares a painter per point of a curve made of small circles.
const std::vector<QPoint>& ellipseOutline(int rx, int ry) {
  static std::map<std::pair<int, int>, std::vector<QPoint>> patterns;
  // A curve of small circles asks for one size over and over.
  static std::pair<int, int> lastSize{-1, -1};
  static const std::vector<QPoint>* last = nullptr;
  if (last && lastSize == std::make_pair(rx, ry)) return *last;
  auto [it, fresh] = patterns.try_emplace({rx, ry});
  lastSize = {rx, ry};
  last = &it->second;
  if (!fresh) return it->second;
  const int m = std::max(rx, ry) + 2;
  QImage scratch(2 * m + 1, 2 * m + 1, QImage::Format_RGB32);
  scratch.fill(Qt::black);
  QPainter p(&scratch);
  p.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(Qt::white);
  pen.setWidth(0);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  p.setPen(pen);
  if (rx == 0 && ry == 0)
    p.drawPoint(m, m);
  else
    p.drawEllipse(QRect(m - rx, m - ry, 2 * rx, 2 * ry));
  p.end();
  for (int y = 0; y < scratch.height(); ++y)
    for (int x = 0; x < scratch.width(); ++x)
      if (scratch.pixel(x, y) != QColor(Qt::black).rgb()) it->second.emplace_back(x - m, y - m);
  return it->second;
}

}  // namespace

Canvas::Canvas(std::function<void()> changed) : changed_(std::move(changed)) {
  updateUnitsPerPixel();
}

Canvas::~Canvas() {
  finishPainting();
}

void Canvas::resizePixels(QSize size) {
  size = size.expandedTo(QSize(1, 1));
  if (size == image_.size()) return;
  finishPainting();
  QImage next(size, QImage::Format_RGB32);
  next.fill(toQColor(back_));
  if (!image_.isNull()) {
    QPainter p(&next);
    p.drawImage(0, 0, image_);
  }
  image_ = std::move(next);
  updateUnitsPerPixel();
}

const QImage& Canvas::image() const {
  finishPainting();
  return image_;
}

Color Canvas::pixel(int px, int py) const {
  const QImage& img = image();
  if (!img.valid(px, py)) return 0;
  return fromQColor(QColor(img.pixel(px, py)));
}

void Canvas::scale(double x1, double y1, double x2, double y2) {
  if (x2 == x1 || y2 == y1) throw RuntimeError(RuntimeError::BadArgument);
  userScale_ = true;
  left_ = x1;
  top_ = y1;
  width_ = x2 - x1;
  height_ = y2 - y1;
  updateUnitsPerPixel();
}

void Canvas::scaleTwips() {
  userScale_ = false;
  left_ = top_ = 0;
  updateUnitsPerPixel();
}

double Canvas::scaleWidth() const {
  return userScale_ ? width_ : pixelsToTwips(image_.width());
}
double Canvas::scaleHeight() const {
  return userScale_ ? height_ : pixelsToTwips(image_.height());
}

// Kept at hand: every point of a curve passes through the mapping.
void Canvas::updateUnitsPerPixel() {
  unitsPerPixelX_ = userScale_ ? width_ / std::max(1, image_.width()) : kTwipsPerPixel;
  unitsPerPixelY_ = userScale_ ? height_ / std::max(1, image_.height()) : kTwipsPerPixel;
}

QPointF Canvas::toPixelF(double x, double y) const {
  return {(x - left_) / unitsPerPixelX(), (y - top_) / unitsPerPixelY()};
}

QPoint Canvas::toPixel(double x, double y) const {
  const QPointF p = toPixelF(x, y);
  return {toPixelInt(p.x()), toPixelInt(p.y())};
}

QPointF Canvas::fromPixel(QPointF px) const {
  return {left_ + px.x() * unitsPerPixelX(), top_ + px.y() * unitsPerPixelY()};
}

void Canvas::setBackColor(Color c) {
  back_ = c;
  cls();
}

QPointF Canvas::resolve(Pt p) const {
  return p.step ? QPointF(curX_ + p.x, curY_ + p.y) : QPointF(p.x, p.y);
}

QPainter& Canvas::painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    penColor_ = 0xFFFFFFFFu;
    penWidth_ = penStyle_ = -1;
    painterHasFont_ = false;
  }
  return *painter_;
}

void Canvas::finishPainting() const {
  if (painter_) {
    painter_->end();
    painter_.reset();
  }
}

void Canvas::setPen(Color c) {
  const int style = drawWidth_ == 1 && drawStyle_ == kDrawDashDot ? kDrawDashDot : kDrawSolid;
  QPainter& p = painter();
  if (c == penColor_ && drawWidth_ == penWidth_ && style == penStyle_) return;
  QPen pen(toQColor(c));
  pen.setWidth(drawWidth_ == 1 ? 0 : drawWidth_);
  pen.setStyle(style == kDrawDashDot ? Qt::DashDotLine : Qt::SolidLine);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  p.setPen(pen);
  penColor_ = c;
  penWidth_ = drawWidth_;
  penStyle_ = style;
}

QBrush Canvas::fillBrush(int style, Color c) {
  switch (style) {
    case kFillSolid:
      return QBrush(toQColor(c));
    case kFillHorizontal:
      return QBrush(toQColor(c), Qt::HorPattern);
    case kFillVertical:
      return QBrush(toQColor(c), Qt::VerPattern);
    default:
      return QBrush(Qt::NoBrush);
  }
}

void Canvas::outline(const QRect& r) {
  // Four sides through the corner pixels themselves, so a box covers exactly its corners.
  const QPoint corners[5] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft(),
                             r.topLeft()};
  painter().drawPolyline(corners, 5);
}

void Canvas::record(DrawRecord r) {
  r.width = drawWidth_;
  r.fillColor = fillColor_;
  r.fillStyle = fillStyle_;
  log_.push_back(std::move(r));
}

void Canvas::plotPattern(QPoint at, const std::vector<QPoint>& offsets, Color c) {
  const int w = image_.width(), h = image_.height();
  if (w == 0 || h == 0) return;
  // A shared raster would detach from under the painter: finish painting first.
  if (!image_.isDetached()) finishPainting();
  const QRgb rgb = rasterColor(c);
  uchar* bits = image_.bits();
  const qsizetype bytesPerLine = image_.bytesPerLine();
  for (const QPoint& o : offsets) {
    const int x = at.x() + o.x(), y = at.y() + o.y();
    if (x >= 0 && x < w && y >= 0 && y < h)
      reinterpret_cast<QRgb*>(bits + y * bytesPerLine)[x] = rgb;
  }
}

void Canvas::touched() {
  if (changed_) changed_();
}

void Canvas::cls() {
  finishPainting();
  if (image_.isNull()) {
    image_ = QImage(1, 1, QImage::Format_RGB32);
    updateUnitsPerPixel();
  }
  image_.fill(toQColor(back_));
  curX_ = left_;
  curY_ = top_;
  if (logging_) record(rec(DrawRecord::Cls, {}, {}, back_));
  touched();
}

void Canvas::pset(Pt p, std::optional<Color> color) {
  const QPointF at = resolve(p);
  const Color c = color.value_or(fore_);
  curX_ = at.x();
  curY_ = at.y();
  if (logging_) record(rec(DrawRecord::PSet, at, at, c));
  const QPoint px = toPixel(at.x(), at.y());
  if (drawWidth_ == 1) {
    if (image_.valid(px)) {
      // A shared raster would detach from under the painter: finish painting first.
      if (!image_.isDetached()) finishPainting();
      image_.setPixel(px, rasterColor(c));
    }
  } else {
    setPen(c);
    painter().drawPoint(px);
  }
  touched();
}

void Canvas::line(Pt to, std::optional<Color> color, LineMode mode) {
  line(Step(0, 0), to, color, mode);
}

void Canvas::line(Pt from, Pt to, std::optional<Color> color, LineMode mode) {
  const QPointF a = resolve(from);
  curX_ = a.x();
  curY_ = a.y();
  const QPointF b = resolve(to);
  curX_ = b.x();
  curY_ = b.y();
  const Color c = color.value_or(fore_);
  const QPoint pa = toPixel(a.x(), a.y()), pb = toPixel(b.x(), b.y());
  QPainter& p = painter();
  setPen(c);
  switch (mode) {
    case LineMode::Line:
      if (logging_) record(rec(DrawRecord::Line, a, b, c));
      if (pa == pb)
        p.drawPoint(pa);
      else
        p.drawLine(pa, pb);
      break;
    case LineMode::Box: {
      if (logging_) record(rec(DrawRecord::Box, a, b, c));
      const QRect r = QRect(pa, pb).normalized();
      if (fillStyle_ != kFillTransparent) p.fillRect(r, fillBrush(fillStyle_, fillColor_));
      outline(r);
      break;
    }
    case LineMode::FilledBox: {
      if (logging_) record(rec(DrawRecord::FilledBox, a, b, c));
      const QRect r = QRect(pa, pb).normalized();
      p.fillRect(r, toQColor(c));
      if (drawWidth_ > 1) outline(r);
      break;
    }
  }
  touched();
}

void Canvas::circle(Pt centre, double radius, std::optional<Color> color,
                    std::optional<double> start, std::optional<double> end, double aspect) {
  const QPointF at = resolve(centre);
  curX_ = at.x();
  curY_ = at.y();
  const Color c = color.value_or(fore_);
  if (logging_) {
    DrawRecord r = rec(DrawRecord::Circle, at, at, c);
    r.radius = radius;
    r.start = start;
    r.end = end;
    r.aspect = aspect;
    record(std::move(r));
  }
  // The radius is measured in horizontal units and applies to the longer axis.
  const double a = std::fabs(aspect);
  const double base = std::min(std::fabs(radius / unitsPerPixelX()), 1.0e5);
  const double rx = a <= 1 ? base : base / a;
  const double ry = a <= 1 ? base * a : base;
  const QPoint pc = toPixel(at.x(), at.y());
  const int irx = int(std::lround(rx)), iry = int(std::lround(ry));
  const QRect box(pc.x() - irx, pc.y() - iry, 2 * irx, 2 * iry);
  if (!start && !end && drawWidth_ == 1 && drawStyle_ != kDrawDashDot &&
      fillStyle_ == kFillTransparent && rx <= kOutlinePatternLimit && ry <= kOutlinePatternLimit) {
    plotPattern(pc, ellipseOutline(irx, iry), c);
    touched();
    return;
  }
  QPainter& p = painter();
  setPen(c);
  if (std::isnan(rx) || std::isnan(ry)) {
    touched();
    return;
  }
  if (irx == 0 && iry == 0) {
    p.drawPoint(pc);
    touched();
    return;
  }
  const bool arc = start.has_value() || end.has_value();
  const double s = std::fabs(start.value_or(0.0)), e = std::fabs(end.value_or(kTwoPi));
  const bool radiusToStart = start.value_or(0.0) < 0, radiusToEnd = end.value_or(0.0) < 0;
  auto onEllipse = [&](double angle) {
    return QPoint(pc.x() + int(std::lround(irx * std::cos(angle))),
                  pc.y() - int(std::lround(iry * std::sin(angle))));
  };
  const QPoint ps = onEllipse(s), pe = onEllipse(e);
  // As with the window system's arc, ends that fall on the same pixel make a whole ellipse.
  const bool whole = !arc || ps == pe;
  const bool pie = radiusToStart && radiusToEnd;
  // Only closed figures are filled, a circle or a pie: an arc stays open even when its ends
  // meet and it is drawn as a whole ellipse.
  p.setBrush(fillStyle_ != kFillTransparent && (!arc || pie) ? fillBrush(fillStyle_, fillColor_)
                                                             : QBrush(Qt::NoBrush));
  if (whole) {
    p.drawEllipse(box);
  } else {
    double span = e - s;
    if (span <= 0) span += kTwoPi;
    const int a16 = int(std::lround(s * 180.0 / M_PI * 16)),
              span16 = int(std::lround(span * 180.0 / M_PI * 16));
    if (pie) {
      p.drawPie(box, a16, span16);
    } else {
      p.drawArc(box, a16, span16);
      if (radiusToStart) p.drawLine(pc, ps);
      if (radiusToEnd) p.drawLine(pc, pe);
    }
  }
  p.setBrush(Qt::NoBrush);
  touched();
}

void Canvas::printText(const QString& text, bool newline) {
  const QPointF at(curX_, curY_);
  if (logging_) {
    DrawRecord r = rec(DrawRecord::Print, at, at, fore_);
    r.text = text;
    record(std::move(r));
  }
  const QFontMetrics& fm = metrics();
  const QPoint px = toPixel(at.x(), at.y());
  QPainter& p = painter();
  if (!painterHasFont_) {
    p.setFont(*qfont_);
    painterHasFont_ = true;
  }
  setPen(fore_);
  p.drawText(QPoint(px.x(), px.y() + fm.ascent()), text);
  if (newline) {
    curX_ = left_;
    curY_ = fromPixel(QPointF(px.x(), px.y() + fm.height())).y();
  } else {
    curX_ = fromPixel(QPointF(px.x() + fm.horizontalAdvance(text), px.y())).x();
  }
  touched();
}

const QFontMetrics& Canvas::metrics() const {
  if (!qfont_) {
    qfont_ = toQFont(font_, false);
    metrics_.emplace(*qfont_);
  }
  return *metrics_;
}

void Canvas::setFont(const FontSpec& f) {
  font_ = f;
  qfont_.reset();
  painterHasFont_ = false;
}

double Canvas::textWidth(const QString& text) const {
  return metrics().horizontalAdvance(text) * std::fabs(unitsPerPixelX());
}

double Canvas::textHeight(const QString& text) const {
  return metrics().height() * std::max<qsizetype>(1, text.count(QLatin1Char('\n')) + 1) *
         std::fabs(unitsPerPixelY());
}

}  // namespace ui

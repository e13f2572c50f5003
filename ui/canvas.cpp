// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

#include <QFontMetrics>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <iterator>
#include <map>
#include <tuple>
#include <unordered_map>

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

// floor(v + 0.5) of the value kept within the pixel range, without a library call: every
// point of a curve passes through here.
[[gnu::always_inline]] inline int toPixelInt(double v) {
  if (!(v > -kPixelLimit)) return int(-kPixelLimit);  // NaN too
  if (v >= kPixelLimit) return int(kPixelLimit);
  const double t = v + 0.5;
  const int i = int(t);
  return double(i) > t ? i - 1 : i;
}

// A quotient through a reciprocal within this of a pixel's edge is computed again by division.
constexpr double kNearEdge = 1.0e-7;

// toPixelInt(d / unit + shift), by a multiplication with perUnit = 1 / unit: every point of a
// curve is mapped, and a division costs several multiplications. The product is off the
// quotient by a few units in the last place at most, far below kNearEdge, so it rounds to
// another pixel only right at a pixel's edge; there the division decides.
[[gnu::always_inline]] inline int mapToPixel(double d, double perUnit, double unit, double shift) {
  const double t = d * perUnit + shift + 0.5;
  if (t > 0 && t < kPixelLimit) {
    const int i = int(t);
    const double fraction = t - i;
    if (fraction > kNearEdge && fraction < 1 - kNearEdge) return i;
  }
  return toPixelInt(d / unit + shift);
}

// Both coordinates of a point by mapToPixel, side by side where SSE2 is there: one test of both
// ranges and edges, and the division for both where either lies near a pixel's edge.
[[gnu::always_inline]] inline QPoint mapToPixels(double dx, double dy, double perUnitX,
                                                 double perUnitY, double unitX, double unitY,
                                                 double shift) {
#if defined(__SSE2__)
  const __m128d product = _mm_mul_pd(_mm_set_pd(dy, dx), _mm_set_pd(perUnitY, perUnitX));
  const __m128d t = _mm_add_pd(_mm_add_pd(product, _mm_set1_pd(shift)), _mm_set1_pd(0.5));
  const __m128i i = _mm_cvttpd_epi32(t);
  const __m128d fraction = _mm_sub_pd(t, _mm_cvtepi32_pd(i));
  const __m128d inRange =
      _mm_and_pd(_mm_cmpgt_pd(t, _mm_setzero_pd()), _mm_cmplt_pd(t, _mm_set1_pd(kPixelLimit)));
  const __m128d offEdge = _mm_and_pd(_mm_cmpgt_pd(fraction, _mm_set1_pd(kNearEdge)),
                                     _mm_cmplt_pd(fraction, _mm_set1_pd(1 - kNearEdge)));
  if (_mm_movemask_pd(_mm_and_pd(inRange, offEdge)) == 3)
    return {_mm_cvtsi128_si32(i), _mm_cvtsi128_si32(_mm_srli_si128(i, 4))};
#endif
  return {mapToPixel(dx, perUnitX, unitX, shift), mapToPixel(dy, perUnitY, unitY, shift)};
}

// Sets the n pixels from p to rgb: four at a store, the last four overlapping those before
// where n is no multiple of four, or by pairs below four. The runs of the wide figures copied
// every frame are a dozen pixels long, where a store a pixel took most of their time.
[[gnu::always_inline]] inline void fillRun(QRgb* p, int n, QRgb rgb) {
  if (n >= 4) {
    const std::array<QRgb, 4> four{rgb, rgb, rgb, rgb};
    QRgb* const last = p + n - 4;
    for (; p < last; p += 4)
      std::memcpy(p, four.data(), sizeof four);
    std::memcpy(last, four.data(), sizeof four);
  } else if (n >= 2) {
    const std::array<QRgb, 2> two{rgb, rgb};
    std::memcpy(p, two.data(), sizeof two);
    std::memcpy(p + n - 2, two.data(), sizeof two);
  } else if (n == 1) {
    *p = rgb;
  }
}

// Outlines up to this half-axis (raster pixels) are copied from a stored pattern instead of
// rasterised.
constexpr int kOutlinePatternLimit = 64;
// Figures up to this size (raster pixels) are copied from the pixels they covered before.
constexpr int kCoveredFigureLimit = 8192;

}  // namespace

// Every point of a curve passes through here. A whole logical pixel p covers the raster pixels
// from p × ratio on; a figure at p is drawn about the middle of them, where a pen as many
// raster pixels wide as the ratio covers exactly that logical pixel.
[[gnu::always_inline]] inline QPoint Canvas::rasterAt(double dx, double dy) const {
  return mapToPixels(dx, dy, rasterPerUnitX_, rasterPerUnitY_, unitsPerRasterX_, unitsPerRasterY_,
                     rasterShift_);
}

// The raster pixels of the logical pixel under a point: the block a one-pixel point fills on a
// fine screen. Every point of a curve drawn there passes through here: one test of the
// bounds and two lookups, where rasterBlocks would order and test a rectangle.
[[gnu::always_inline]] inline QRect Canvas::blockAt(double dx, double dy) const {
  const QPoint p =
      mapToPixels(dx, dy, pixelsPerUnitX_, pixelsPerUnitY_, unitsPerPixelX_, unitsPerPixelY_, 0.0);
  const int px = p.x(), py = p.y();
  if (unsigned(px) < unsigned(logical_.width()) && unsigned(py) < unsigned(logical_.height()))
    return QRect(QPoint(blockX_[size_t(px)], blockY_[size_t(py)]),
                 QPoint(blockX_[size_t(px) + 1] - 1, blockY_[size_t(py) + 1] - 1));
  return rasterBlocks(QPoint(px, py), QPoint(px, py));
}

namespace {

// The pixels of a whole ellipse outline with half-axes rx, ry, or of a point when both are 0,
// drawn with a round pen `width` raster pixels wide, as offsets from its centre pixel. Qt
// rasterises each size once; drawn at a whole pixel position a figure covers the same pattern
// wherever it stands, so copying the pattern is exact and spares a painter per point of a curve
// made of small circles.
const Canvas::Pattern& figurePattern(int rx, int ry, int width) {
  static std::map<std::tuple<int, int, int>, Canvas::Pattern> patterns;
  auto [it, fresh] = patterns.try_emplace({rx, ry, width});
  Canvas::Pattern& pattern = it->second;
  if (!fresh) return pattern;
  const int m = std::max(rx, ry) + 2 + width;
  QImage scratch(2 * m + 1, 2 * m + 1, QImage::Format_RGB32);
  scratch.fill(Qt::black);
  QPainter p(&scratch);
  p.setRenderHint(QPainter::Antialiasing, false);
  QPen pen(Qt::white);
  pen.setWidth(width == 1 ? 0 : width);
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
      if (scratch.pixel(x, y) != QColor(Qt::black).rgb()) {
        pattern.offsets.emplace_back(x - m, y - m);
        pattern.bounds |= QRect(x - m, y - m, 1, 1);
      }
  return pattern;
}

// The point at the centre (one pixel or a round dot `width` pixels across) and the outline of
// half-axes rx, ry: what a point and a circle around it cover together.
const Canvas::Pattern& markerPattern(int rx, int ry, int width) {
  static std::map<std::tuple<int, int, int>, Canvas::Pattern> patterns;
  auto [it, fresh] = patterns.try_emplace({rx, ry, width});
  Canvas::Pattern& pattern = it->second;
  if (!fresh) return pattern;
  std::vector<QPoint> all = figurePattern(rx, ry, width).offsets;
  if (width == 1)
    all.emplace_back(0, 0);
  else
    all.insert(all.end(), figurePattern(0, 0, width).offsets.begin(),
               figurePattern(0, 0, width).offsets.end());
  for (const QPoint& o : all)
    if (std::find(pattern.offsets.begin(), pattern.offsets.end(), o) == pattern.offsets.end()) {
      pattern.offsets.push_back(o);
      pattern.bounds |= QRect(o, QSize(1, 1));
    }
  return pattern;
}

}  // namespace

Canvas::Canvas(std::function<void()> changed) : changed_(std::move(changed)) {
  updateUnitsPerPixel();
}

Canvas::~Canvas() {
  finishPainting();
  forgetFigures(false);
}

void Canvas::resizePixels(QSize size, double ratio) {
  size = size.expandedTo(QSize(1, 1));
  if (!(ratio > 0)) ratio = 1;
  if (size == logical_ && ratio == ratio_ && !image_.isNull()) return;
  settleRaster();
  finishPainting();
  forgetRasterBits();
  lastMarker_ = nullptr;
  const QSize raster = ratio == 1
                           ? size
                           : QSize(std::max(1, int(std::ceil(size.width() * ratio - 1e-6))),
                                   std::max(1, int(std::ceil(size.height() * ratio - 1e-6))));
  QImage next(raster, QImage::Format_RGB32);
  next.fill(toQColor(back_));
  const bool redraw = !image_.isNull() && ratio != ratio_ && keeping_;
  if (size != logical_ && !figures_.empty()) rescaleKeptStates(logical_, size);
  if (!image_.isNull() && ratio == ratio_) {
    QPainter p(&next);
    p.drawImage(0, 0, image_);
  } else if (!image_.isNull() && !redraw) {
    resampleRaster(next, ratio);  // another screen, and too many figures to draw them again
  }
  if (ratio != ratio_) {
    rasterFont_.reset();
    painterHasFont_ = false;
  }
  image_ = std::move(next);
  logical_ = size;
  ratio_ = ratio;
  setDrawWidth(drawWidth_);
  updateUnitsPerPixel();
  if (redraw) redrawFigures();
}

const QImage& Canvas::image() const {
  settleRaster();
  finishPainting();
  forgetRasterBits();  // the caller may keep a copy, which the next write must not reach
  return image_;
}

QImage Canvas::screenImage() const {
  settleRaster();
  repaintAsked_ = false;
  if (ratio_ == 1) return image();
  finishPainting();
  // The raster's own pixels under a header that tells the window their ratio: no copy.
  QImage shown(image_.constBits(), image_.width(), image_.height(), image_.bytesPerLine(),
               image_.format());
  shown.setDevicePixelRatio(ratio_);
  return shown;
}

Color Canvas::pixel(int px, int py) const {
  const QImage& img = image();
  if (ratio_ != 1) {
    // The raster pixel under the middle of the logical one.
    px = int(std::floor((px + 0.5) * ratio_));
    py = int(std::floor((py + 0.5) * ratio_));
  }
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
  stateChanged_ = true;
}

void Canvas::scaleTwips() {
  userScale_ = false;
  left_ = top_ = 0;
  updateUnitsPerPixel();
  stateChanged_ = true;
}

double Canvas::scaleWidth() const {
  return userScale_ ? width_ : pixelsToTwips(logical_.width());
}
double Canvas::scaleHeight() const {
  return userScale_ ? height_ : pixelsToTwips(logical_.height());
}

// Kept at hand: every point of a curve passes through the mapping.
void Canvas::updateUnitsPerPixel() {
  settleRaster();
  unitsPerPixelX_ = userScale_ ? width_ / std::max(1, logical_.width()) : kTwipsPerPixel;
  unitsPerPixelY_ = userScale_ ? height_ / std::max(1, logical_.height()) : kTwipsPerPixel;
  unitsPerRasterX_ = userScale_ ? width_ / std::max(1, image_.width()) : kTwipsPerPixel / ratio_;
  unitsPerRasterY_ = userScale_ ? height_ / std::max(1, image_.height()) : kTwipsPerPixel / ratio_;
  pixelsPerUnitX_ = 1 / unitsPerPixelX_;
  pixelsPerUnitY_ = 1 / unitsPerPixelY_;
  rasterPerUnitX_ = 1 / unitsPerRasterX_;
  rasterPerUnitY_ = 1 / unitsPerRasterY_;
  rasterW_ = image_.width();
  rasterH_ = image_.height();
  rasterShift_ = (ratio_ - 1) / 2;
  if (blockX_.size() != size_t(logical_.width()) + 1 ||
      blockY_.size() != size_t(logical_.height()) + 1 || blockX_.back() != rasterW_ ||
      blockY_.back() != rasterH_ || blocksRatio_ != ratio_) {
    blocksRatio_ = ratio_;
    updateBlockStarts();
  }
  for (CircleSize& s : shapes_)
    s = CircleSize{};
}

void Canvas::setDrawWidth(int px) {
  drawWidth_ = std::max(1, px);
  stateChanged_ = true;
  penPixels_ = ratio_ == 1 ? drawWidth_ : std::max(1, int(std::lround(drawWidth_ * ratio_)));
  for (CircleSize& s : shapes_)
    s = CircleSize{};
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
  settleRaster();
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

QRgb* Canvas::findRasterBits() {
  // A shared raster would detach from under the painter: finish painting first.
  if (!image_.isDetached()) finishPainting();
  bits_ = reinterpret_cast<QRgb*>(image_.bits());
  stride_ = image_.bytesPerLine() / qsizetype(sizeof(QRgb));
  return bits_;
}

// A colour as the raster stores it; plain colours without a QColor on the way.
QRgb Canvas::rasterColorOf(Color c) {
  if (c & 0x80000000u) return toQColor(c).rgb();
  return qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

void Canvas::finishPainting() const {
  if (painter_) {
    painter_->end();
    painter_.reset();
  }
}

int Canvas::penStyle() const {
  return drawWidth_ == 1 && drawStyle_ == kDrawDashDot ? kDrawDashDot : kDrawSolid;
}

QPen Canvas::figurePen(const QColor& colour) const {
  QPen pen(colour);
  pen.setWidth(penPixels_ == 1 ? 0 : penPixels_);
  pen.setStyle(penStyle() == kDrawDashDot ? Qt::DashDotLine : Qt::SolidLine);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

void Canvas::setPen(Color c) {
  const int style = penStyle();
  QPainter& p = painter();
  if (c == penColor_ && penPixels_ == penWidth_ && style == penStyle_) return;
  p.setPen(figurePen(toQColor(c)));
  penColor_ = c;
  penWidth_ = penPixels_;
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

[[gnu::always_inline]] inline void Canvas::storePattern(QPoint at, const Pattern& pattern,
                                                        QRgb rgb) {
  QRgb* const bits = rasterBits();
  if (pattern.stride != stride_) pattern.storesFor(stride_);
  QRgb* const centre = bits + at.y() * stride_ + at.x();
  const std::array<QRgb, 4> four{rgb, rgb, rgb, rgb};
  const qint32* store = pattern.stores.data();
  const qint32* const quadsEnd = store + pattern.quads;
  const qint32* const pairsEnd = quadsEnd + pattern.pairs;
  const qint32* const end = store + pattern.stores.size();
  // Four stores a step, two for single pixels: each kind comes in a multiple of that. GCC
  // unrolls the steps only when they are written out.
  const auto runs = [&](const qint32* kindEnd, size_t pixels) {
    for (; store != kindEnd; store += 4) {
      std::memcpy(centre + store[0], four.data(), pixels * sizeof(QRgb));
      std::memcpy(centre + store[1], four.data(), pixels * sizeof(QRgb));
      std::memcpy(centre + store[2], four.data(), pixels * sizeof(QRgb));
      std::memcpy(centre + store[3], four.data(), pixels * sizeof(QRgb));
    }
  };
  runs(quadsEnd, 4);
  runs(pairsEnd, 2);
  for (; store != end; store += 2) {
    centre[store[0]] = rgb;
    centre[store[1]] = rgb;
  }
}

void Canvas::plotPattern(QPoint at, const Pattern& pattern, Color c) {
  if (onRaster(at, pattern)) {
    // Wholly on the raster, as nearly every figure of a curve is.
    storePattern(at, pattern, rgbOf(c));
    return;
  }
  // Beyond the raster, as the crests of a curve higher than the picture are.
  const int w = rasterW_, h = rasterH_;
  const QRect& b = pattern.bounds;
  if (at.x() + b.right() < 0 || at.x() + b.left() >= w || at.y() + b.bottom() < 0 ||
      at.y() + b.top() >= h)
    return;
  QRgb* const bits = rasterBits();
  const QRgb rgb = rgbOf(c);
  for (const QPoint& o : pattern.offsets) {
    const int x = at.x() + o.x(), y = at.y() + o.y();
    if (x >= 0 && x < w && y >= 0 && y < h) bits[y * stride_ + x] = rgb;
  }
}

void Canvas::Pattern::storesFor(qsizetype rasterStride) const {
  std::vector<QPoint> rows = offsets;
  std::sort(rows.begin(), rows.end(),
            [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  std::vector<qint32> fours, twos, ones;
  for (size_t i = 0; i < rows.size();) {
    size_t j = i + 1;
    while (j < rows.size() && rows[j].y() == rows[i].y() && rows[j].x() == rows[j - 1].x() + 1)
      ++j;
    const int length = int(j - i);
    const qint32 first = qint32(rows[i].y() * rasterStride + rows[i].x());
    if (length == 1) {
      ones.push_back(first);
    } else if (length < 4) {
      twos.push_back(first);
      if (length == 3) twos.push_back(first + 1);
    } else {
      for (int k = 0; k + 4 <= length; k += 4)
        fours.push_back(first + k);
      if (length % 4) fours.push_back(first + length - 4);
    }
    i = j;
  }
  // The last store of a kind is given again up to a multiple of four, so that the stores go
  // four at a time; single pixels, rare in outlines, two at a time.
  for (std::vector<qint32>* kind : {&fours, &twos})
    while (kind->size() % 4)
      kind->push_back(kind->back());
  if (ones.size() % 2) ones.push_back(ones.back());
  stores = fours;
  stores.insert(stores.end(), twos.begin(), twos.end());
  stores.insert(stores.end(), ones.begin(), ones.end());
  quads = qint32(fours.size());
  pairs = qint32(twos.size());
  stride = rasterStride;
}

void Canvas::cls() {
  pendingCount_ = 0;  // the clear covers them
  finishPainting();
  forgetRasterBits();
  if (image_.isNull()) {
    image_ = QImage(1, 1, QImage::Format_RGB32);
    logical_ = QSize(1, 1);
    ratio_ = 1;
    updateUnitsPerPixel();
  }
  image_.fill(toQColor(back_));
  curX_ = left_;
  curY_ = top_;
  forgetFigures(true);
  if (logging_) record(rec(DrawRecord::Cls, {}, {}, back_));
  touched();
}

void Canvas::psetAt(double x, double y, bool step, Color c) {
  if (step) {
    x += curX_;
    y += curY_;
  }
  curX_ = x;
  curY_ = y;
  if (logging_) record(rec(DrawRecord::PSet, {x, y}, {x, y}, c));
  keep(KeptFigure::PSet, x, y, x, y, c);
  const QPoint px = toRaster(x, y);
  if (drawWidth_ == 1 && ratio_ != 1) {
    // All the raster pixels of its logical pixel, so that points tile as they do at ratio 1.
    fillBlock(x, y, c);
  } else if (penPixels_ == 1) {
    if (unsigned(px.x()) < unsigned(rasterW_) && unsigned(px.y()) < unsigned(rasterH_)) {
      QRgb* const bits = rasterBits();
      bits[px.y() * stride_ + px.x()] = rgbOf(c);
    }
  } else if (ratio_ != 1) {
    // The points of curves drawn on a fine screen: copied like small circles.
    plotPattern(px, figurePattern(0, 0, penPixels_), c);
  } else {
    widePoint(px, c);
  }
  touched();
}

// The size of a block changes from one logical pixel to the next, between the floor and the
// ceiling of the ratio: a fixed number of overlapping stores covers every size there is, where
// loops over rows and pixels would guess their ends wrong half the time.
[[gnu::always_inline]] inline void Canvas::fillPixelBlock(const QRect& r, QRgb rgb) {
  const int w = r.width(), h = r.height();
  if (r.isEmpty()) return;
  const bool corners = blockStores_ == BlockStores::Corners && w <= 2 && h <= 2;
  if (!corners && !(blockStores_ == BlockStores::ThreeRows && w >= 2 && w <= 4 && h <= 3)) {
    fillRaster(r, rgb);
    return;
  }
  QRgb* const top = rasterBits() + r.top() * stride_ + r.left();
  QRgb* const bottom = top + (h - 1) * stride_;
  const int right = w - 1;
  if (corners) {
    top[0] = top[right] = bottom[0] = bottom[right] = rgb;
    return;
  }
  fillRun(top, w, rgb);
  fillRun(top + h / 2 * stride_, w, rgb);
  fillRun(bottom, w, rgb);
}

// Apart from the points drawn at ratio 1, which pass here by the thousand.
[[gnu::noinline]] void Canvas::fillBlock(double x, double y, Color c) {
  fillPixelBlock(pixelBlock(x, y), rgbOf(c));
}

// Apart from the points of curves, which pass here by the thousand.
[[gnu::noinline]] void Canvas::widePoint(QPoint px, Color c) {
  paintWide({3, px.x(), px.y()}, QRect(px, px), c, [&](QPainter& q) { q.drawPoint(px); });
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
  keep(mode == LineMode::Line  ? KeptFigure::Line
       : mode == LineMode::Box ? KeptFigure::Box
                               : KeptFigure::FilledBox,
       a.x(), a.y(), b.x(), b.y(), c);
  const QPoint pa = toRaster(a.x(), a.y()), pb = toRaster(b.x(), b.y());
  // Between whole ratios, one-pixel lines along a row or column and the insides of boxes
  // cover whole logical pixels, so that what tiles at ratio 1 tiles at every ratio.
  const bool blocks = ratio_ != 1;
  const bool thin = blocks && drawWidth_ == 1 && drawStyle_ != kDrawDashDot;
  const QPoint la = blocks ? toPixel(a.x(), a.y()) : QPoint(),
               lb = blocks ? toPixel(b.x(), b.y()) : QPoint();
  QPainter& p = painter();
  setPen(c);
  switch (mode) {
    case LineMode::Line:
      if (logging_) record(rec(DrawRecord::Line, a, b, c));
      if (thin && (la.x() == lb.x() || la.y() == lb.y()))
        fillRaster(rasterBlocks(la, lb), rgbOf(c));
      else if (penPixels_ > 1)
        paintWide({2, pa.x(), pa.y(), pb.x(), pb.y()}, QRect(pa, pb).normalized(), c,
                  [&](QPainter& q) { pa == pb ? q.drawPoint(pa) : q.drawLine(pa, pb); });
      else if (pa == pb)
        p.drawPoint(pa);
      else
        p.drawLine(pa, pb);
      break;
    case LineMode::Box: {
      if (logging_) record(rec(DrawRecord::Box, a, b, c));
      const QRect r = QRect(pa, pb).normalized();
      if (fillStyle_ == kFillSolid && blocks)
        fillRaster(rasterBlocks(la, lb), rgbOf(fillColor_));
      else if (fillStyle_ != kFillTransparent)
        p.fillRect(blocks ? rasterBlocks(la, lb) : r, fillBrush(fillStyle_, fillColor_));
      if (thin) {
        const QRect l = QRect(la, lb).normalized();
        for (const auto& [from, to] : {std::pair{l.topLeft(), l.topRight()},
                                       {l.bottomLeft(), l.bottomRight()},
                                       {l.topLeft(), l.bottomLeft()},
                                       {l.topRight(), l.bottomRight()}})
          fillRaster(rasterBlocks(from, to), rgbOf(c));
      } else {
        outline(r);
      }
      break;
    }
    case LineMode::FilledBox: {
      if (logging_) record(rec(DrawRecord::FilledBox, a, b, c));
      const QRect r = QRect(pa, pb).normalized();
      if (blocks)
        fillRaster(rasterBlocks(la, lb), rgbOf(c));
      else
        p.fillRect(r, toQColor(c));
      if (drawWidth_ > 1) outline(r);
      break;
    }
  }
  touched();
}

// Logical pixel p covers the raster pixels from floor(p × ratio) to the next one's less one;
// the last also takes the part pixel the raster, rounded up, has beyond the picture.
int Canvas::firstRasterPixel(int p, int logical, int raster) const {
  return p >= logical ? raster + (p - logical) : int(std::floor(p * ratio_ + 1e-9));
}

// The first raster pixel of every logical column and row, and of the one after the last: the
// points of curves find their blocks here rather than by rounding twice.
void Canvas::updateBlockStarts() {
  const auto fill = [this](std::vector<int>& starts, int logical, int raster) {
    starts.resize(size_t(logical) + 1);
    for (int p = 0; p <= logical; ++p)
      starts[size_t(p)] = firstRasterPixel(p, logical, raster);
  };
  fill(blockX_, logical_.width(), rasterW_);
  fill(blockY_, logical_.height(), rasterH_);
  // The last column and row also take what the raster has beyond the picture: they may be
  // wider, and are written row by row.
  int least = rasterW_ + rasterH_, most = 0;
  for (const std::vector<int>* starts : {&blockX_, &blockY_})
    for (size_t p = 1; p + 1 < starts->size(); ++p) {
      least = std::min(least, (*starts)[p] - (*starts)[p - 1]);
      most = std::max(most, (*starts)[p] - (*starts)[p - 1]);
    }
  blockStores_ = least >= 1 && most <= 2   ? BlockStores::Corners
                 : least >= 2 && most <= 3 ? BlockStores::ThreeRows
                                           : BlockStores::Rows;
}

QRect Canvas::rasterBlocks(QPoint a, QPoint b) const {
  const int x0 = std::min(a.x(), b.x()), x1 = std::max(a.x(), b.x());
  const int y0 = std::min(a.y(), b.y()), y1 = std::max(a.y(), b.y());
  const int w = logical_.width(), h = logical_.height();
  if (x0 >= 0 && y0 >= 0 && x1 < w && y1 < h) {
    // Wholly on the picture, as nearly every point is.
    return QRect(QPoint(blockX_[size_t(x0)], blockY_[size_t(y0)]),
                 QPoint(blockX_[size_t(x1) + 1] - 1, blockY_[size_t(y1) + 1] - 1));
  }
  const QRect r(
      QPoint(firstRasterPixel(x0, w, rasterW_), firstRasterPixel(y0, h, rasterH_)),
      QPoint(firstRasterPixel(x1 + 1, w, rasterW_) - 1, firstRasterPixel(y1 + 1, h, rasterH_) - 1));
  return r & QRect(0, 0, rasterW_, rasterH_);
}

void Canvas::fillRaster(const QRect& r, QRgb rgb) {
  if (r.isEmpty()) return;
  QRgb* const bits = rasterBits();
  const int w = r.width();
  QRgb* line = bits + r.top() * stride_ + r.left();
  for (int y = r.top(); y <= r.bottom(); ++y, line += stride_)
    fillRun(line, w, rgb);
}

namespace {

// The raster pixels a figure drawn by the painter covers, as runs along rows, for the figures
// drawn again and again (the wide arcs of a wave front, drawn and wiped every frame).
struct CoveredKey {
  std::array<int, 24> v{};
  bool operator==(const CoveredKey& o) const { return v == o.v; }
};
struct CoveredKeyHash {
  size_t operator()(const CoveredKey& k) const {
    quint64 h = 1469598103934665603ull;
    for (const int i : k.v)
      h = (h ^ quint32(i)) * 1099511628211ull;
    return size_t(h);
  }
};
struct Covered {
  int drawn = 0;
  bool exact = true;  // false: the painter left pixels only partly covered; drawn each time
  bool known = false;
  std::vector<Canvas::Span> spans;
};
std::unordered_map<CoveredKey, Covered, CoveredKeyHash>& coveredFigures() {
  static std::unordered_map<CoveredKey, Covered, CoveredKeyHash> figures;
  return figures;
}
size_t coveredSpans = 0;
constexpr size_t kCoveredFiguresLimit = 8192;
constexpr size_t kCoveredSpansLimit = size_t(1) << 19;  // 6 MB of runs

// A raster as large as the canvas's, black but while a figure is being measured on it.
QImage& coverageScratch(QSize size) {
  static QImage scratch;
  if (scratch.size() != size) {
    scratch = QImage(size, QImage::Format_RGB32);
    scratch.fill(Qt::black);
  }
  return scratch;
}

}  // namespace

// The painter rasterises a figure the same way on every raster of one size: drawn with the same
// pen at the same raster coordinates, it covers the same pixels. So the second time a figure is
// drawn it is rasterised once more on a scratch raster of the canvas's size, white on black,
// its pixels kept, and from then on written straight into the raster.
template <typename Draw>
void Canvas::paintCovered(std::initializer_list<int> shape, const QRect& reach, Color c, Draw draw,
                          const QRect* ring) {
  CoveredKey key;
  size_t n = 0;
  for (const int v : {penPixels_, penStyle(), rasterW_, rasterH_})
    key.v[n++] = v;
  for (const int v : shape)
    key.v[n++] = v;
  const QRect bounds = reach & QRect(0, 0, rasterW_, rasterH_);
  auto& figures = coveredFigures();
  auto it = figures.find(key);
  if (it == figures.end()) {
    if (figures.size() >= kCoveredFiguresLimit || coveredSpans >= kCoveredSpansLimit) {
      figures.clear();
      coveredSpans = 0;
    }
    it = figures.emplace(key, Covered{}).first;
  }
  Covered& figure = it->second;
  if (!figure.known && figure.exact && ++figure.drawn >= 2 && !bounds.isEmpty()) {
    figure.known = true;
    figure.exact = measureCovered(figure.spans, bounds, reach, draw, ring);
    coveredSpans += figure.spans.size();
  }
  if (!figure.known || !figure.exact) {
    setPen(c);
    draw(painter());
    return;
  }
  QRgb* const bits = rasterBits();
  const QRgb rgb = rgbOf(c);
  for (const Span& span : figure.spans)
    fillRun(bits + span.y * stride_ + span.x, span.length, rgb);
}

// A figure of a wide pen around the raster rectangle `along`: a line or a point.
template <typename Draw>
void Canvas::paintWide(std::initializer_list<int> shape, const QRect& along, Color c, Draw draw) {
  const int margin = penPixels_ + 4;
  if (along.width() <= kCoveredFigureLimit && along.height() <= kCoveredFigureLimit) {
    paintCovered(shape, along.adjusted(-margin, -margin, margin, margin), c, draw);
  } else {
    setPen(c);
    draw(painter());
  }
}

// The runs `draw` covers within `bounds` (of the raster) and whether they are whole pixels
// that lie within `reach` too. A figure along the circle in the square `ring` covers pixels
// only near it: each row is looked at there alone, between circles half the pen and three
// pixels more within and beyond it, which leaves a large circle's inside and corners unread
// (at full screen, the interference picture's 40 arcs took 12-15 ms to measure, now 4-6).
template <typename Draw>
bool Canvas::measureCovered(std::vector<Span>& spans, const QRect& bounds, const QRect& reach,
                            Draw draw, const QRect* ring) {
  QImage& scratch = coverageScratch(image_.size());
  bool exact = true;
  {
    QPainter p(&scratch);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(figurePen(Qt::white));
    draw(p);
  }
  const QRgb black = QColor(Qt::black).rgb(), white = QColor(Qt::white).rgb();
  // The runs from `from` to `to` of row y; one that reaches `lo` or `hi`, the ends of what
  // is read or of `reach`, may go on beyond.
  const auto read = [&](QRgb* line, int y, int from, int to, int lo, int hi) {
    for (int x = from; x <= to;) {
      if (line[x] == black) {
        ++x;
        continue;
      }
      const int start = x;
      for (; x <= to && line[x] != black; ++x) {
        exact = exact && line[x] == white;
        line[x] = black;
      }
      spans.push_back({y, start, x - start});
      exact = exact && start > lo && x - 1 < hi;
    }
  };
  const double cx = ring ? ring->x() + ring->width() / 2.0 : 0,
               cy = ring ? ring->y() + ring->height() / 2.0 : 0;
  // Qt draws a circle as curves that stray from it by up to about a thousandth of its radius.
  const double margin = penPixels_ / 2.0 + 3 + (ring ? ring->width() / 2000.0 : 0);
  const double outer = ring ? ring->width() / 2.0 + margin : 0,
               inner = ring ? ring->width() / 2.0 - margin : 0;
  for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
    QRgb* const line = reinterpret_cast<QRgb*>(scratch.scanLine(y));
    const bool inside = y > reach.top() && y < reach.bottom();
    const size_t before = spans.size();
    if (!ring) {
      read(line, y, bounds.left(), bounds.right(), reach.left(), reach.right());
    } else {
      const double dy = std::fabs(y + 0.5 - cy);
      if (dy > outer) continue;
      const double far = std::sqrt(outer * outer - dy * dy),
                   near = dy < inner ? std::sqrt(inner * inner - dy * dy) : 0;
      const int l1 = int(std::floor(cx - far)) - 1, r1 = int(std::ceil(cx - near)) + 1,
                l2 = int(std::floor(cx + near)) - 1, r2 = int(std::ceil(cx + far)) + 1;
      const auto part = [&](int from, int to) {
        const int a = std::max(from, bounds.left()), b = std::min(to, bounds.right());
        if (a <= b) read(line, y, a, b, std::max(from, reach.left()), std::min(to, reach.right()));
      };
      if (r1 + 1 >= l2) {
        part(l1, r2);
      } else {
        part(l1, r1);
        part(l2, r2);
      }
    }
    // A figure that reaches its bounds' edge may cover more beyond: draw it each time.
    exact = exact && (inside || spans.size() == before);
  }
  if (!exact) {
    scratch.fill(Qt::black);
    spans.clear();
  }
  return exact;
}

[[gnu::always_inline]] inline const Canvas::CircleSize& Canvas::shapeOf(double radius,
                                                                        double aspect) {
  for (const CircleSize& s : shapes_)
    if (s.radius == radius && s.aspect == aspect) return s;
  return measureCircle(radius, aspect);
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
  keep(KeptFigure::Circle, at.x(), at.y(), radius, aspect, c, nullptr, start.value_or(kNoAngle),
       end.value_or(kNoAngle));
  const CircleSize& shape = shapeOf(radius, aspect);
  const double rx = shape.rx, ry = shape.ry;
  const int irx = shape.irx, iry = shape.iry;
  const QPoint pc = toRaster(at.x(), at.y());
  if (shape.pattern && !start && !end && drawStyle_ != kDrawDashDot &&
      fillStyle_ == kFillTransparent) {
    plotPattern(pc, *shape.pattern, c);
    touched();
    return;
  }
  const QRect box(pc.x() - irx, pc.y() - iry, 2 * irx, 2 * iry);
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
  double span = e - s;
  if (span <= 0) span += kTwoPi;
  const int a16 = whole ? 0 : int(std::lround(s * 180.0 / M_PI * 16)),
            span16 = whole ? 0 : int(std::lround(span * 180.0 / M_PI * 16));
  const auto draw = [&](QPainter& q) {
    if (whole) {
      q.drawEllipse(box);
    } else if (pie) {
      q.drawPie(box, a16, span16);
    } else {
      q.drawArc(box, a16, span16);
      if (radiusToStart) q.drawLine(pc, ps);
      if (radiusToEnd) q.drawLine(pc, pe);
    }
  };
  // Only closed figures are filled, a circle or a pie: an arc stays open even when its ends
  // meet and it is drawn as a whole ellipse.
  if (fillStyle_ != kFillTransparent && (!arc || pie)) {
    p.setBrush(fillBrush(fillStyle_, fillColor_));
    draw(p);
    p.setBrush(Qt::NoBrush);
  } else if (box.width() <= kCoveredFigureLimit && box.height() <= kCoveredFigureLimit) {
    const int margin = penPixels_ + 4 + std::max(irx, iry) / 1000;
    // A circle or an arc of one, without radii, lies along its circle.
    const bool ring = irx == iry && (whole || (!pie && !radiusToStart && !radiusToEnd));
    paintCovered({1, box.x(), box.y(), box.width(), box.height(), whole, pie, a16, span16,
                  radiusToStart, radiusToEnd, ps.x(), ps.y(), pe.x(), pe.y()},
                 (whole ? box : arcBounds(box, a16, span16) | QRect(pc, QSize(1, 1)))
                     .adjusted(-margin, -margin, margin, margin),
                 c, draw, ring ? &box : nullptr);
  } else {
    draw(p);
  }
  touched();
}

// The rectangle that holds the arc of the ellipse in `box` from a16 on for span16 (sixteenths of
// a degree): its ends and the ends of the axes it passes.
QRect Canvas::arcBounds(const QRect& box, int a16, int span16) {
  const QPointF centre = QRectF(box).center();
  const double rx = box.width() / 2.0, ry = box.height() / 2.0;
  double left = centre.x(), right = left, top = centre.y(), bottom = top;
  const auto take = [&](double degrees) {
    const double t = degrees * M_PI / 180, x = centre.x() + rx * std::cos(t),
                 y = centre.y() - ry * std::sin(t);
    left = std::min(left, x), right = std::max(right, x);
    top = std::min(top, y), bottom = std::max(bottom, y);
  };
  take(a16 / 16.0);
  take((a16 + span16) / 16.0);
  const int from = std::min(a16, a16 + span16), to = std::max(a16, a16 + span16);
  for (int axis = int(std::floor(from / 1440.0)) * 1440; axis <= to; axis += 1440)
    if (axis >= from) take(axis / 16.0);
  return QRect(QPoint(int(std::floor(left)) - 1, int(std::floor(top)) - 1),
               QPoint(int(std::ceil(right)) + 1, int(std::ceil(bottom)) + 1));
}

const Canvas::CircleSize& Canvas::measureCircle(double radius, double aspect) {
  CircleSize& s = shapes_[nextShape_];
  nextShape_ = (nextShape_ + 1) % int(std::size(shapes_));
  s = CircleSize{};
  s.radius = radius;
  s.aspect = aspect;
  // The radius is measured in horizontal units and applies to the longer axis.
  const double a = std::fabs(aspect);
  const double base = std::min(std::fabs(radius / unitsPerRasterX_), 1.0e5);
  s.rx = a <= 1 ? base : base / a;
  s.ry = a <= 1 ? base * a : base;
  s.irx = int(std::lround(s.rx));
  s.iry = int(std::lround(s.ry));
  // On a screen of ratio 1 wider pens keep the painter's own outline.
  if (s.rx <= kOutlinePatternLimit && s.ry <= kOutlinePatternLimit &&
      (penPixels_ == 1 || ratio_ != 1)) {
    s.pattern = &figurePattern(s.irx, s.iry, penPixels_);
    s.marker = &markerPattern(s.irx, s.iry, penPixels_);
  }
  return s;
}

[[gnu::always_inline]] inline void Canvas::keepMarker(double x, double y, double radius, Color c) {
  if (!keeping_) return;
  // markerAt copies a pattern only for transparent circles of an unbroken pen.
  const quint8 drawStyle = quint8(drawStyle_), fillStyle = quint8(fillStyle_);
  // A point in a circle is kept with no text, no angles and an aspect of 1: of the figures of
  // its kind, the points, radius, scale and style tell it apart.
  const auto same = [&](const KeptFigure& g) {
    return KeptFigure::sameBits(g.x1, x) && KeptFigure::sameBits(g.y1, y) &&
           g.kind == KeptFigure::Marker && g.state == state_ &&
           KeptFigure::sameBits(g.x2, radius) && g.drawStyle == drawStyle &&
           g.fillStyle == fillStyle;
  };
  if (!stateChanged_ && c == back_) {
    const size_t w = wipeCursor_;
    if (w < figures_.size() && !isDead(w) && same(figures_[w])) {
      wipeCursor_ = w + 1;
      misses_ = 0;
      frame_ = waitsBegun();
      lastBlank_ = true;
      return wipeCovers(w, c);
    }
  } else if (!stateChanged_ && !lastBlank_ && waitsBegun() == frame_ && kept_ < kKeptLimit &&
             repeatMisses_ >= kRepeatMissRun && (repeatMisses_ + 1) % kRepeatMissRun != 0 &&
             !figures_.empty() &&
             !(KeptFigure::sameBits(figures_.back().x1, x) &&
               KeptFigure::sameBits(figures_.back().y1, y))) {
    // Within a drawing, on a curve that has repeated nothing for a while.
    ++repeatMisses_;
    wipedLast_ = false;
    return appendFigure(KeptFigure::Marker, drawStyle, fillStyle, false, state_, kNoText, c,
                        fillColor_, x, y, radius, 1.0, kNoAngle, kNoAngle);
  }
  keepFigure(KeptFigure::Marker, x, y, radius, 1.0, c, nullptr, kNoAngle, kNoAngle);
}

void Canvas::markerAt(double x, double y, bool step, double radius, Color c) {
  const CircleSize* shape = nullptr;
  if (!logging_ && drawStyle_ != kDrawDashDot && fillStyle_ == kFillTransparent)
    shape = &shapeOf(radius, 1.0);
  if (!shape || !shape->marker) {
    psetAt(x, y, step, c);
    circle(Step(0, 0), radius, c);
    return;
  }
  if (step) {
    x += curX_;
    y += curY_;
  }
  // The circle's centre is the point plus a step of nothing.
  curX_ = x + 0.0;
  curY_ = y + 0.0;
  // On a fine screen, the circle's outline and the raster pixels of the point's logical pixel.
  const bool fine = drawWidth_ == 1 && ratio_ != 1;
  const PendingMarker marker{x - left_, y - top_, fine ? shape->pattern : shape->marker, c, fine};
  // The one held last is the last figure drawn: the same again changes neither the picture nor
  // the figures kept (a lesson wipes a curve twice where two waves ran along it).
  if (pendingCount_ > 0 && pending_[size_t(pendingCount_ - 1)] == marker) return;
  keepMarker(x, y, radius, c);
  if (pendingCount_ == int(pending_.size())) drawPendingMarkers();
  pending_[size_t(pendingCount_++)] = marker;
  askRepaint();
}

void Canvas::drawPendingMarkers() {
  const auto end = pending_.begin() + pendingCount_;
  pendingCount_ = 0;
  for (auto m = pending_.begin(); m != end; ++m) {
    const QPoint at = rasterAt(m->dx, m->dy);
    const QRect block = m->block ? blockAt(m->dx, m->dy) : QRect();
    if (m->pattern == lastMarker_ && at == lastMarkerAt_ && m->color == lastMarkerColor_ &&
        block == lastMarkerBlock_)
      continue;
    const QRgb rgb = rgbOf(m->color);
    if (onRaster(at, *m->pattern))
      storePattern(at, *m->pattern, rgb);
    else
      plotPattern(at, *m->pattern, m->color);
    fillPixelBlock(block, rgb);
    lastMarker_ = m->pattern;
    lastMarkerAt_ = at;
    lastMarkerColor_ = m->color;
    lastMarkerBlock_ = block;
  }
}

void Canvas::printText(const QString& text, bool newline) {
  const QPointF at(curX_, curY_);
  if (logging_) {
    DrawRecord r = rec(DrawRecord::Print, at, at, fore_);
    r.text = text;
    record(std::move(r));
  }
  keep(KeptFigure::Print, at.x(), at.y(), at.x(), at.y(), fore_, &text);
  const QFontMetrics& fm = metrics();
  const QPoint px = toPixel(at.x(), at.y());
  // Drawn in the raster's own pixels at the font's size; the current point moves as the
  // logical metrics say.
  const QPoint at0 = toRaster(at.x(), at.y());
  const QPoint baseline(at0.x(), at0.y() + rasterAscent_);
  if (const Pattern* glyphs = textPattern(text)) {
    plotPattern(baseline, *glyphs, fore_);
  } else {
    QPainter& p = painter();
    if (!painterHasFont_) {
      p.setFont(*rasterFont_);
      painterHasFont_ = true;
    }
    setPen(fore_);
    p.drawText(baseline, text);
  }
  if (newline) {
    curX_ = left_;
    curY_ = fromPixel(QPointF(px.x(), px.y() + fm.height())).y();
  } else {
    curX_ = fromPixel(QPointF(px.x() + fm.horizontalAdvance(text), px.y())).x();
  }
  touched();
}

// Texts printed again and again (the numbers of axes redrawn every frame) are copied from the
// pixels their drawing covered: text is set without antialiasing from a whole pixel baseline,
// so it covers the same pixels wherever it stands. A text is kept from its third printing on,
// so that a number drawn once and wiped once costs no more than drawing it twice.
const Canvas::Pattern* Canvas::textPattern(const QString& text) {
  auto it = texts_.find(text);
  if (it == texts_.end()) {
    if (texts_.size() > 2048) texts_.clear();
    texts_.emplace(text, TextPattern{});
    return nullptr;
  }
  TextPattern& kept = it->second;
  if (kept.pattern) return kept.pattern->exact ? &*kept.pattern : nullptr;
  if (++kept.printed < 3) return nullptr;
  Pattern& pattern = kept.pattern.emplace();
  // The scratch reaches a line's height beyond every pixel the glyphs' boxes, as placed on the
  // line, touch, so that ink standing far from the line (stacked accents, a large italic's
  // tails) is copied too; ink at its edge is drawn each time below.
  const QFontMetrics fm(*rasterFont_);
  const int margin = 4 + fm.height();
  const QRect ink =
      (fm.boundingRect(text) | QRect(0, -fm.ascent(), fm.horizontalAdvance(text), fm.height()))
          .adjusted(-margin, -margin, margin, margin);
  QImage scratch(ink.size(), QImage::Format_RGB32);
  scratch.fill(Qt::black);
  QPainter p(&scratch);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  p.setFont(*rasterFont_);
  p.setPen(Qt::white);
  p.drawText(-ink.topLeft(), text);
  p.end();
  const QRgb white = QColor(Qt::white).rgb(), black = QColor(Qt::black).rgb();
  const int w = scratch.width(), h = scratch.height();
  for (int y = 0; y < h && pattern.exact; ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      if (line[x] == black) continue;
      // A pixel only partly covered, or ink at the scratch's edge: draw such texts directly.
      if (line[x] != white || x == 0 || y == 0 || x == w - 1 || y == h - 1) {
        pattern.exact = false;
        break;
      }
      pattern.offsets.emplace_back(x + ink.left(), y + ink.top());
      pattern.bounds |= QRect(pattern.offsets.back(), QSize(1, 1));
    }
  }
  return pattern.exact ? &pattern : nullptr;
}

const QFontMetrics& Canvas::metrics() const {
  if (!qfont_) {
    qfont_ = toQFont(font_, false);
    metrics_.emplace(*qfont_);
    rasterFont_.reset();
  }
  if (!rasterFont_) {
    texts_.clear();
    rasterFont_ = *qfont_;
    if (ratio_ != 1)
      rasterFont_->setPixelSize(std::max(1, int(std::lround(font_.size * 96.0 / 72.0 * ratio_))));
    rasterAscent_ = ratio_ == 1 ? metrics_->ascent() : QFontMetrics(*rasterFont_).ascent();
  }
  return *metrics_;
}

void Canvas::setFont(const FontSpec& f) {
  font_ = f;
  stateChanged_ = true;
  qfont_.reset();
  rasterFont_.reset();
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

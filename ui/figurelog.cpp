// SPDX-License-Identifier: GPL-3.0-or-later
// The figures a canvas keeps since its last clear, so that a change of ratio (another screen,
// a zoom) draws the picture again in the new raster's own pixels: as sharp as a picture drawn
// after the change, and erasable exactly by the same figures in the background colour.
//
// Animations draw thousands of figures a frame and wipe them again by drawing them in the
// background colour, so the log forgets figures that can no longer show:
// - A wiping of a kept figure's shape (the same points, scale, pen, style and text) covers it
//   at every ratio: both go at once. Wiping follows drawing, mostly in the same order, so the
//   figure is looked for after the one wiped last, and once a wiping run through the recent
//   drawings. Dropping the wiping too differs from the picture only where a figure drawn
//   between the two, and not wiped itself, crossed the wiped one: it is drawn again whole.
// - Figures are drawn opaque, so a later figure of the same shape, in any colour, covers an
//   earlier one: when the log is looked over the earlier one is forgotten (a lesson draws its
//   axes again every frame).
// - A wiping that found no figure (a curve switched off is wiped all the same) changes the
//   picture only where it covers a kept figure drawn before it that is not blank. When the
//   log is looked over, each one's box is compared with theirs, boxes drawn wide enough for
//   the raster at every ratio: one that meets none of them is forgotten.
// The log is looked over as a drawing begins, after the wiping before it: all of it when the
// figures standing have doubled since the last time, else only the forgotten ones dropped,
// found by a bit each.
//
// The kept figures of all canvases together are bounded. Past the bound a canvas forgets its
// figures until its next clear, and a change of ratio resamples its raster smoothly instead:
// such a picture is then no longer erased exactly by drawing its figures again.
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "canvas.h"
#include "platform.h"
#include "qtbridge.h"

namespace ui {
namespace {

constexpr quint32 kNone = ~0u;
constexpr double kTwoPi = 6.283185307179586;
constexpr int kCell = 16;  // logical pixels a side of the cells figures are filed by

quint64 mixed(quint64 h, double v) {
  quint64 bits;
  std::memcpy(&bits, &v, sizeof bits);
  h = (h ^ bits) * 0x9E3779B97F4A7C15ull;
  return h ^ (h >> 29);
}

// Held within the range a drawing maps a point into: a NaN goes to the far left or top, as it
// does there.
double withinRange(double v) {
  return !(v > -1.0e6) ? -1.0e6 : v > 1.0e6 ? 1.0e6 : v;
}

qint16 within16(double v) {
  return qint16(!(v > -32000) ? -32000 : v > 32000 ? 32000 : v);
}

}  // namespace

size_t Canvas::kept_ = 0;
size_t Canvas::keptPeak_ = 0;

size_t Canvas::keptFigureBytes() {
  return kept_ * sizeof(KeptFigure);
}

size_t Canvas::keptFigureBytesPeak() {
  return keptPeak_ * sizeof(KeptFigure);
}

quint64 Canvas::KeptFigure::shapeHash() const {
  // Not of the scale and text, which a compaction renumbers: figures alike but for those are
  // told apart by sameShape.
  quint64 h = quint64(kind) | quint64(drawStyle) << 8 | quint64(fillStyle) << 16;
  for (const double v : {x1, y1, x2, y2, start, end})
    h = mixed(h, v);
  return h;
}

void Canvas::keepState() {
  stateChanged_ = false;
  const KeptState now{userScale_, left_, top_, width_, height_, drawWidth_, font_};
  // Programs switch between a few scales and fonts: look among the recent ones.
  const size_t n = states_.size();
  for (size_t i = n; i-- > 0 && i + 16 >= n;)
    if (states_[i] == now) {
      state_ = quint32(i);
      return;
    }
  states_.push_back(now);
  state_ = quint32(n);
  countKept(1);
}

// The logical pixels a figure can cover at any ratio from 0.5 up: a point rounds to within a
// logical pixel there, a pen of w logical pixels reaches w / 2 + 1 beyond its line, and a
// raster rounded up to whole pixels stretches a scale by up to two more.
Canvas::FigureBox Canvas::figureBox(const KeptFigure& f, const KeptState& state,
                                    const QFontMetrics* fm) const {
  const double m = state.drawWidth / 2.0 + 5;
  const double perX =
      state.userScale ? state.width / std::max(1, logical_.width()) : kTwipsPerPixel;
  const double perY =
      state.userScale ? state.height / std::max(1, logical_.height()) : kTwipsPerPixel;
  const auto toPixelF = [&](double x, double y) {
    return QPointF((x - state.left) / perX, (y - state.top) / perY);
  };
  const QPointF given = toPixelF(f.x1, f.y1);
  const QPointF a(withinRange(given.x()), withinRange(given.y()));
  double x0 = a.x(), y0 = a.y(), x1 = a.x(), y1 = a.y();
  const auto take = [&](double x, double y) {
    x = withinRange(x);
    y = withinRange(y);
    x0 = std::min(x0, x);
    x1 = std::max(x1, x);
    y0 = std::min(y0, y);
    y1 = std::max(y1, y);
  };
  switch (f.kind) {
    case KeptFigure::PSet:
      break;
    case KeptFigure::Line:
    case KeptFigure::Box:
    case KeptFigure::FilledBox: {
      const QPointF b = toPixelF(f.x2, f.y2);
      take(b.x(), b.y());
      break;
    }
    case KeptFigure::Circle:
    case KeptFigure::Marker: {
      const double aspect = f.kind == KeptFigure::Marker ? 1.0 : std::fabs(f.y2);
      const double base = std::min(std::fabs(f.x2 / perX), 1.0e5);
      const double rx = aspect <= 1 ? base : base / aspect, ry = aspect <= 1 ? base * aspect : base;
      const bool arc = f.kind == KeptFigure::Circle && (!std::isnan(f.start) || !std::isnan(f.end));
      if (!arc) {
        take(a.x() - rx, a.y() - ry);
        take(a.x() + rx, a.y() + ry);
        break;
      }
      const auto on = [&](double angle) {
        return QPointF(a.x() + rx * std::cos(angle), a.y() - ry * std::sin(angle));
      };
      const double s = std::fmod(std::isnan(f.start) ? 0.0 : std::fabs(f.start), kTwoPi);
      double span = std::fmod(std::isnan(f.end) ? kTwoPi : std::fabs(f.end), kTwoPi) - s;
      if (span <= 0) span += kTwoPi;
      const QPointF ps = on(s), pe = on(s + span);
      // Ends a few pixels apart may fall on one raster pixel: the whole ellipse is drawn then.
      if (!(std::hypot(ps.x() - pe.x(), ps.y() - pe.y()) >= 4) || !(span < kTwoPi)) {
        take(a.x() - rx, a.y() - ry);
        take(a.x() + rx, a.y() + ry);
        break;
      }
      // An arc without radii keeps clear of its centre.
      if (!(f.start < 0) && !(f.end < 0)) {
        x0 = x1 = withinRange(ps.x());
        y0 = y1 = withinRange(ps.y());
      }
      take(ps.x(), ps.y());
      take(pe.x(), pe.y());
      for (int quarter = 1; quarter < 8; ++quarter) {
        const double extreme = quarter * kTwoPi / 4;
        if (extreme > s && extreme < s + span) {
          const QPointF p = on(extreme);
          take(p.x(), p.y());
        }
      }
      break;
    }
    case KeptFigure::Print: {
      // Ink may stand beyond the advance and the line (accents, italics, a font's pixel size
      // rounded at another ratio): a line's height around it and a fifth of its width more.
      const QString& text = keptTexts_[f.text];
      const double w = fm->horizontalAdvance(text), h = fm->height();
      const double lines = text.count(QLatin1Char('\n')) + 1;
      take(a.x() - h, a.y() - h);
      take(a.x() + w * 1.2 + h, a.y() + h * (lines + 1));
      break;
    }
  }
  // Truncated a pixel further out instead of rounded: the box only has to be wide enough.
  return {within16(x0 - m - 1), within16(y0 - m - 1), within16(x1 + m + 1), within16(y1 + m + 1)};
}

void Canvas::fileShape(const KeptFigure& f, quint32 i, quint64 hash) {
  const size_t mask = byShape_.size() - 1;
  for (size_t slot = size_t(hash) & mask;; slot = (slot + 1) & mask) {
    const quint32 j = byShape_[slot];
    if (j == kNone) {
      byShape_[slot] = i;
      return;
    }
    KeptFigure& earlier = figures_[j];
    if (shapeHashes_[j] == hash && earlier.sameShape(f)) {
      if (!isDead(j)) {
        setDead(j);
        ++deadFigures_;
      }
      byShape_[slot] = i;
      return;
    }
  }
}

// Forgets every figure a later one of the same shape covers.
void Canvas::fileShapes(bool blanks) {
  size_t size = 1024;
  while (size < 2 * (figures_.size() - deadFigures_))
    size *= 2;
  byShape_.assign(size, kNone);
  shapeHashes_.resize(figures_.size());
  for (quint32 i = 0; i < quint32(figures_.size()); ++i)
    if (KeptFigure& f = figures_[i]; !isDead(i) && (blanks || !f.blank)) {
      fileShape(f, i, shapeHashes_[i] = f.shapeHash());
    }
}

template <typename Same>
qsizetype Canvas::wipedFigure(const Same& same, size_t n) {
  // The figure drawn last, as a moving body is wiped before it moves.
  for (size_t i = n, steps = 0; i-- > 0 && steps < 8; ++steps)
    if (!isDead(i)) {
      if (same(figures_[i])) return qsizetype(i);
      break;
    }
  const auto found = [&](qsizetype i) {
    if (i >= 0) {
      wipeCursor_ = size_t(i) + 1;
      misses_ = 0;
    }
    return i;
  };
  // After the one wiped last, as a curve is wiped point by point in the order it was drawn.
  if (const qsizetype i = findStanding(same, wipeCursor_, n, 4); i >= 0) return found(i);
  // Once a wiping run, and again after many misses in a row: through the recent drawings,
  // newest first, as a wiping begins where the wiped curve began, behind whatever was drawn
  // before it in the same run. Figures that were never drawn (a curve switched off) are
  // wiped all the same: they cost one such search a run.
  if (wipeSearched_ && ++misses_ % 1024 != 0) return -1;
  wipeSearched_ = true;
  return found(findInRecentDrawings(same, n, n));
}

template <typename Same>
[[gnu::always_inline]] inline qsizetype Canvas::findStanding(const Same& same, size_t start,
                                                             size_t end, size_t reach) const {
  // Forgotten figures are passed over, a few times as many as the live ones looked at.
  end = std::min(end, start + 8 * reach);
  for (size_t i = start, live = 0; i < end && live < reach; ++i)
    if (!isDead(i) && (++live, same(figures_[i]))) return qsizetype(i);
  return -1;
}

template <typename Same>
qsizetype Canvas::findInRecentDrawings(const Same& same, size_t n, size_t reach) const {
  size_t end = n;
  for (size_t k = kDrawingStarts; k-- > 0 && drawingStarts_[k] <= end;) {
    const size_t start = drawingStarts_[k];
    if (const qsizetype i = findStanding(same, start, end, reach); i >= 0) return i;
    end = start;
  }
  return -1;
}

// A figure drawn again over a standing one of its shape covers it at every ratio: the earlier
// one is forgotten at once, as the lessons draw their axes again every frame and the log
// would fill with them. A drawing repeats in the order it was first drawn, so the earlier one
// is looked for among the few after the one found last; where that misses, as a run begins
// or just after a repeat, through the first figures of the recent runs, twice a run at most.
// A moving curve draws thousands of figures in a row none of which was drawn before: past a
// run of misses the few after the one found last are looked at only now and then, and a
// repeat missed meanwhile is found when the log is looked over.
template <typename Same>
void Canvas::coverRepeated(const Same& same, size_t n) {
  if (repeatMisses_ >= kRepeatMissRun && ++repeatMisses_ % kRepeatMissRun != 0) return;
  const auto cover = [&](size_t j) {
    setDead(j);
    ++deadFigures_;
    repeatCursor_ = j + 1;
    repeating_ = true;
    repeatMisses_ = 0;
  };
  const auto standingFrom = [&](size_t at) {
    for (size_t steps = 0; at < n && isDead(at) && steps < 8; ++steps)
      ++at;
    return at;
  };
  const size_t at = standingFrom(repeatCursor_);
  // A figure of the last drawing that is not drawn again (a label that changed) is passed over.
  for (size_t j = at, live = 0; j < n && live < 4; j = standingFrom(j + 1), ++live)
    if (!isDead(j) && same(figures_[j])) return cover(j);
  if (repeatMisses_ < kRepeatMissRun) ++repeatMisses_;
  const bool search = repeating_ || at == n || repeatSearches_ == 0;
  repeating_ = false;
  // A search that finds nothing means the figures are new: two such a drawing. One that finds
  // the figure picks the chain up again where the drawing left the order of the last one (the
  // axes drawn again with other labels before a curve drawn again), a few times a drawing.
  if (!search || repeatSearches_ >= 16 || missedSearches_ >= 2) return;
  ++repeatSearches_;
  if (const qsizetype j = findInRecentDrawings(same, n, 512); j >= 0)
    cover(size_t(j));
  else
    ++missedSearches_;
}

// Calls use(cell) for the cells f's box meets while it returns true.
template <typename Use>
void Canvas::forCells(const FigureBox& f, Use&& use) {
  if (cells_.empty()) emptyCells();
  // Boxes beyond the picture share its edge cells.
  const auto column = [&](int x) {
    return std::clamp(x < 0 ? -1 : x / kCell, 0, cellColumns_ - 1);
  };
  const auto row = [&](int y) { return std::clamp(y < 0 ? -1 : y / kCell, 0, cellRows_ - 1); };
  for (int r = row(f.top); r <= row(f.bottom); ++r)
    for (int c = column(f.left); c <= column(f.right); ++c)
      if (!use(cells_[size_t(r) * size_t(cellColumns_) + size_t(c)])) return;
}

void Canvas::emptyCells() {
  cellColumns_ = std::max(1, (logical_.width() + kCell - 1) / kCell);
  cellRows_ = std::max(1, (logical_.height() + kCell - 1) / kCell);
  cells_.resize(size_t(cellColumns_) * size_t(cellRows_));
  for (std::vector<quint32>& cell : cells_)
    cell.clear();
}

void Canvas::fileCells(quint32 i) {
  forCells(boxes_[i], [i](std::vector<quint32>& cell) {
    cell.push_back(i);
    return true;
  });
}

bool Canvas::coversKept(const FigureBox& f, size_t before) {
  bool covers = false;
  forCells(f, [&](std::vector<quint32>& cell) {
    // Cells hold figures in the order drawn: those before come first.
    size_t dead = 0;
    for (const quint32 k : cell) {
      if (k >= before) break;
      if (isDead(k)) {
        ++dead;
      } else if (boxes_[k].meets(f)) {
        covers = true;
        break;
      }
    }
    // The forgotten figures go from a cell as soon as they crowd it.
    if (dead > 16)
      cell.erase(std::remove_if(cell.begin(), cell.end(), [this](quint32 k) { return isDead(k); }),
                 cell.end());
    return !covers;
  });
  return covers;
}

void Canvas::dropBareBlanks() {
  emptyCells();
  boxes_.resize(figures_.size());
  std::vector<std::optional<QFontMetrics>> metricsOf(states_.size());
  for (quint32 i = 0; i < quint32(figures_.size()); ++i) {
    if (isDead(i)) continue;
    const KeptFigure& f = figures_[i];
    const KeptState& state = states_[f.state];
    std::optional<QFontMetrics>& fm = metricsOf[f.state];
    if (f.kind == KeptFigure::Print && !fm) fm.emplace(toQFont(state.font, false));
    boxes_[i] = figureBox(f, state, fm ? &*fm : nullptr);
    if (!f.blank) {
      fileCells(i);
      continue;
    }
    if (!coversKept(boxes_[i], i)) {
      setDead(i);
      ++deadFigures_;
    }
  }
}

void Canvas::keepFigure(KeptFigure::Kind kind, double x1, double y1, double x2, double y2, Color c,
                        const QString* text, double start, double end) {
  const bool filled =
      (kind == KeptFigure::Box || kind == KeptFigure::Circle) && fillStyle_ != kFillTransparent;
  const bool blank = c == back_ && (!filled || fillColor_ == back_);
  // A figure drawn first after a pause begins a drawing too, for the pictures that are drawn
  // again frame after frame with nothing wiped between.
  if (const unsigned long frame = waitsBegun(); frame != frame_) {
    frame_ = frame;
    lastBlank_ = true;
  }
  const bool drawingStarts = !blank && lastBlank_;
  lastBlank_ = blank;
  // Looked over as a drawing begins, when the wiping before it has left the least standing:
  // all of it when what stands has doubled since, else only the wiped figures dropped.
  if (kept_ >= kKeptLimit) {
    compactFigures(true);
    if (kept_ >= kKeptLimit / 8 * 7) {
      forgetFigures(false);
      return;
    }
  } else if (drawingStarts) {
    const size_t live = figures_.size() - deadFigures_;
    if (live > std::max<size_t>(2 * keptAtCompaction_, 8192))
      compactFigures(true);
    else if (deadFigures_ > std::max<size_t>(live, 4096))
      compactFigures(false);
  }
  if (stateChanged_) keepState();
  quint32 textNo = kNoText;
  if (text) {
    const auto [at, fresh] = textAt_.try_emplace(*text, quint32(keptTexts_.size()));
    if (fresh) {
      keptTexts_.push_back(*text);
      countKept(1);
    }
    textNo = at->second;
  }
  if (blank && kind == KeptFigure::FilledBox && drawStyle_ != kDrawDashDot) {
    // A box in the background colour over the whole picture is a clear.
    const QRect box = QRect(toPixel(x1, y1), toPixel(x2, y2)).normalized();
    if (box.contains(QRect(QPoint(0, 0), logical_))) {
      forgetFigures(true);
      return;
    }
  }
  // Compared with the kept figures as given, and only then written in its place: animations
  // keep tens of thousands of figures a second.
  const quint8 drawStyle = quint8(drawStyle_), fillStyle = quint8(fillStyle_);
  const quint32 state = state_;
  const auto same = [&](const KeptFigure& g) {
    return g.sameShape(kind, drawStyle, fillStyle, state, textNo, x1, y1, x2, y2, start, end);
  };
  const size_t i = figures_.size();
  // The figure drawn just before, drawn again in its colour, changes nothing; nor does the
  // wiping just before, given again.
  if (i > 0 && !isDead(i - 1) && figures_[i - 1].color == c &&
      figures_[i - 1].fillColor == fillColor_ && same(figures_[i - 1]))
    return;
  if (blank && wipedLast_ && lastWipeColor_ == c && same(figures_[lastWiped_])) return;
  wipedLast_ = false;
  if (drawingStarts) {
    std::rotate(std::begin(drawingStarts_), std::begin(drawingStarts_) + 1,
                std::end(drawingStarts_));
    drawingStarts_[kDrawingStarts - 1] = i;
    wipeSearched_ = false;
    repeatSearches_ = missedSearches_ = repeatMisses_ = 0;
  }
  if (blank)
    if (const qsizetype wiped = wipedFigure(same, i); wiped >= 0)
      return wipeCovers(size_t(wiped), c);
  if (!blank) coverRepeated(same, i);
  appendFigure(kind, drawStyle, fillStyle, blank, state, textNo, c, fillColor_, x1, y1, x2, y2,
               start, end);
}

void Canvas::forgetFigures(bool keepFromNowOn) {
  kept_ -= figures_.size() + states_.size() + keptTexts_.size();
  figures_.clear();
  deadBits_.clear();
  states_.clear();
  keptTexts_.clear();
  textAt_.clear();
  byShape_.clear();
  shapeHashes_.clear();
  boxes_.clear();
  cells_.clear();
  if (!keepFromNowOn) {
    figures_.shrink_to_fit();
    deadBits_.shrink_to_fit();
    keptTexts_.shrink_to_fit();
    byShape_.shrink_to_fit();
    shapeHashes_.shrink_to_fit();
    boxes_.shrink_to_fit();
    cells_.shrink_to_fit();
  }
  deadFigures_ = 0;
  keptAtCompaction_ = 0;
  wipeCursor_ = misses_ = repeatCursor_ = 0;
  wipeSearched_ = repeating_ = false;
  repeatSearches_ = missedSearches_ = repeatMisses_ = 0;
  lastBlank_ = true;
  wipedLast_ = false;
  std::fill(std::begin(drawingStarts_), std::end(drawingStarts_), 0);
  keeping_ = keepFromNowOn;
  stateChanged_ = true;
}

// Drops the forgotten figures, and the scales and texts no kept figure uses.
void Canvas::compactFigures(bool full) {
  if (full) {
    // The figures drawn over again first, then the wipings that cover nothing left.
    fileShapes(false);
    dropBareBlanks();
    fileShapes(true);
  }
  const size_t before = figures_.size() + states_.size() + keptTexts_.size();
  std::vector<quint32> stateAt(states_.size(), kNone), textAt(keptTexts_.size(), kNone);
  std::vector<KeptState> states;
  std::vector<QString> texts;
  textAt_.clear();
  // The standing figures, found a word of the dead bits at a time: most are dead.
  std::vector<quint32> standing;
  standing.reserve(figures_.size() - deadFigures_);
  for (size_t w = 0; w < deadBits_.size(); ++w)
    for (quint64 alive = ~deadBits_[w]; alive; alive &= alive - 1) {
      const size_t i = w * 64 + size_t(__builtin_ctzll(alive));
      if (i < figures_.size()) standing.push_back(quint32(i));
    }
  // Where a place in the log moves to: the number of standing figures before it.
  const auto moved = [&](size_t at) {
    return size_t(std::lower_bound(standing.begin(), standing.end(), at) - standing.begin());
  };
  size_t out = 0;
  for (const quint32 i : standing) {
    KeptFigure f = figures_[i];
    if (stateAt[f.state] == kNone) {
      stateAt[f.state] = quint32(states.size());
      states.push_back(states_[f.state]);
    }
    f.state = stateAt[f.state];
    if (f.text != kNoText) {
      if (textAt[f.text] == kNone) {
        textAt[f.text] = quint32(texts.size());
        textAt_.emplace(keptTexts_[f.text], quint32(texts.size()));
        texts.push_back(keptTexts_[f.text]);
      }
      f.text = textAt[f.text];
    }
    figures_[out++] = f;
  }
  const size_t cursor = moved(wipeCursor_);
  repeatCursor_ = moved(repeatCursor_);
  size_t starts[kDrawingStarts];
  for (size_t k = 0; k < kDrawingStarts; ++k)
    starts[k] = moved(drawingStarts_[k]);
  figures_.resize(out);
  deadBits_.assign((out + 63) / 64, 0);
  states_ = std::move(states);
  keptTexts_ = std::move(texts);
  deadFigures_ = 0;
  if (full) keptAtCompaction_ = out;
  wipeCursor_ = std::min(cursor, out);
  wipedLast_ = false;
  for (size_t k = 0; k < kDrawingStarts; ++k)
    drawingStarts_[k] = std::min(starts[k], out);
  stateChanged_ = true;  // the state figures are drawn with may have gone
  kept_ -= before - (figures_.size() + states_.size() + keptTexts_.size());
}

void Canvas::redrawFigures() {
  compactFigures(true);
  const KeptState was{userScale_, left_, top_, width_, height_, drawWidth_, font_};
  const int drawStyle = drawStyle_, fillStyle = fillStyle_;
  const Color fillColor = fillColor_, fore = fore_;
  const double curX = curX_, curY = curY_;
  const bool logging = logging_;
  keeping_ = logging_ = false;
  const auto use = [this](const KeptState& s) {
    userScale_ = s.userScale;
    left_ = s.left;
    top_ = s.top;
    width_ = s.width;
    height_ = s.height;
    updateUnitsPerPixel();
    setDrawWidth(s.drawWidth);
    if (!(s.font == font_)) setFont(s.font);
  };
  quint32 state = kNone;
  const auto angle = [](double a) { return std::isnan(a) ? std::optional<double>() : a; };
  for (size_t i = 0; i < figures_.size(); ++i) {
    if (isDead(i)) continue;
    const KeptFigure& f = figures_[i];
    if (f.state != state) use(states_[state = f.state]);
    drawStyle_ = f.drawStyle;
    fillStyle_ = f.fillStyle;
    fillColor_ = f.fillColor;
    switch (f.kind) {
      case KeptFigure::PSet:
        psetAt(f.x1, f.y1, false, f.color);
        break;
      case KeptFigure::Line:
      case KeptFigure::Box:
      case KeptFigure::FilledBox:
        line(At(f.x1, f.y1), At(f.x2, f.y2), f.color,
             f.kind == KeptFigure::Line  ? LineMode::Line
             : f.kind == KeptFigure::Box ? LineMode::Box
                                         : LineMode::FilledBox);
        break;
      case KeptFigure::Circle:
        circle(At(f.x1, f.y1), f.x2, f.color, angle(f.start), angle(f.end), f.y2);
        break;
      case KeptFigure::Marker:
        markerAt(f.x1, f.y1, false, f.x2, f.color);
        break;
      case KeptFigure::Print:
        fore_ = f.color;
        curX_ = f.x1;
        curY_ = f.y1;
        printText(keptTexts_[f.text], false);
        break;
    }
  }
  use(was);
  drawStyle_ = drawStyle;
  fillStyle_ = fillStyle;
  fillColor_ = fillColor;
  fore_ = fore;
  curX_ = curX;
  curY_ = curY;
  logging_ = logging;
  keeping_ = true;
  stateChanged_ = true;
}

// The scales of the kept figures, made to give the same logical pixels at the new size.
void Canvas::rescaleKeptStates(QSize from, QSize to) {
  for (KeptState& s : states_)
    if (s.userScale) {
      s.width *= double(to.width()) / from.width();
      s.height *= double(to.height()) / from.height();
    }
  stateChanged_ = true;
}

// The raster as it stands, resampled smoothly to the new ratio: for pictures past the bound.
void Canvas::resampleRaster(QImage& next, double ratio) const {
  QPainter p(&next);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QRectF(0, 0, image_.width() * ratio / ratio_, image_.height() * ratio / ratio_),
              image_);
}

}  // namespace ui

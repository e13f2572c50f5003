// SPDX-License-Identifier: GPL-3.0-or-later
// The figures a canvas keeps since its last clear, so that a change of ratio (another screen,
// a zoom) draws the picture again in the new raster's own pixels: as sharp as a picture drawn
// after the change, and erasable exactly by the same figures in the background colour.
//
// Animations draw thousands of figures a frame and wipe them again by drawing them in the
// background colour. A wiping figure that repeats a kept one removes it instead of being kept:
// wiping follows drawing, mostly in the same order, so the kept figure is looked for at the
// last figure kept and after the one wiped last, with a short search from the start when both
// miss. Dropping a figure and its wiping may differ from the picture only where another kept
// figure, drawn between them, crossed the wiped one: after a change of ratio that figure is
// shown whole where the picture had a gap in it.
//
// The kept figures of all canvases together are bounded. Past the bound a canvas forgets its
// figures until its next clear, and a change of ratio resamples its raster smoothly instead:
// such a picture is then no longer erased exactly by drawing its figures again.
#include <QPainter>
#include <cmath>
#include <cstring>

#include "canvas.h"
#include "qtbridge.h"

namespace ui {
namespace {

// Figures, texts and scales kept by all canvases together: about 3.6 MB of figures, twice
// that at most while a vector grows.
constexpr size_t kKeptLimit = 50000;
size_t kept = 0;
size_t keptPeak = 0;

constexpr quint32 kNoText = ~0u;

bool sameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;  // NaN, the arc angle not given, equals itself
}

void count(qsizetype n) {
  kept += n;
  keptPeak = std::max(keptPeak, kept);
}

}  // namespace

size_t Canvas::keptFigureBytes() {
  return kept * sizeof(KeptFigure);
}

size_t Canvas::keptFigureBytesPeak() {
  return keptPeak * sizeof(KeptFigure);
}

bool Canvas::KeptFigure::sameShape(const KeptFigure& o) const {
  return kind == o.kind && state == o.state && text == o.text && drawStyle == o.drawStyle &&
         fillStyle == o.fillStyle && sameBits(x1, o.x1) && sameBits(y1, o.y1) &&
         sameBits(x2, o.x2) && sameBits(y2, o.y2) && sameBits(start, o.start) &&
         sameBits(end, o.end);
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
  count(1);
}

void Canvas::keepFigure(const KeptFigure& given, const QString* text) {
  if (kept >= kKeptLimit) {
    compactFigures();
    if (kept >= kKeptLimit / 8 * 7) {
      forgetFigures(false);
      return;
    }
  }
  KeptFigure f = given;
  if (stateChanged_) keepState();
  f.state = state_;
  f.text = kNoText;
  if (text) {
    const size_t n = keptTexts_.size();
    for (size_t i = n; i-- > 0 && i + 8 >= n;)
      if (keptTexts_[i] == *text) {
        f.text = quint32(i);
        break;
      }
    if (f.text == kNoText) {
      f.text = quint32(n);
      keptTexts_.push_back(*text);
      count(1);
    }
  }
  const bool filled = (f.kind == KeptFigure::Box || f.kind == KeptFigure::Circle) &&
                      f.fillStyle != kFillTransparent;
  if (f.color == back_ && (!filled || f.fillColor == back_)) {
    if (f.kind == KeptFigure::FilledBox && f.drawStyle != kDrawDashDot) {
      // A box in the background colour over the whole picture is a clear.
      const QRect box = QRect(toPixel(f.x1, f.y1), toPixel(f.x2, f.y2)).normalized();
      if (box.contains(QRect(QPoint(0, 0), logical_))) {
        forgetFigures(true);
        return;
      }
    }
    const qsizetype wiped = wipedFigure(f);
    if (wiped >= 0) {
      figures_[size_t(wiped)].dead = true;
      ++deadFigures_;
      if (deadFigures_ > 1024 && 2 * deadFigures_ > figures_.size()) compactFigures();
      return;
    }
  }
  figures_.push_back(f);
  count(1);
}

qsizetype Canvas::wipedFigure(const KeptFigure& f) {
  const size_t n = figures_.size();
  // The figure drawn last, as a moving body is wiped before it moves.
  for (size_t i = n, steps = 0; i-- > 0 && steps < 8; ++steps)
    if (!figures_[i].dead) {
      if (figures_[i].sameShape(f)) return qsizetype(i);
      break;
    }
  // After the one wiped last, as a curve is wiped point by point in the order it was drawn;
  // then from the start. After many misses in a row only the nearest places are looked at.
  const int reach = misses_ > 256 ? 2 : 16;
  for (const size_t from : {wipeCursor_, size_t(0)}) {
    int live = 0;
    for (size_t i = from; i < n && live < reach; ++i) {
      if (figures_[i].dead) continue;
      ++live;
      if (figures_[i].sameShape(f)) {
        wipeCursor_ = i + 1;
        misses_ = 0;
        return qsizetype(i);
      }
    }
  }
  ++misses_;
  return -1;
}

void Canvas::forgetFigures(bool keepFromNowOn) {
  kept -= figures_.size() + states_.size() + keptTexts_.size();
  figures_.clear();
  states_.clear();
  keptTexts_.clear();
  if (!keepFromNowOn) {
    figures_.shrink_to_fit();
    keptTexts_.shrink_to_fit();
  }
  deadFigures_ = 0;
  wipeCursor_ = 0;
  misses_ = 0;
  keeping_ = keepFromNowOn;
  stateChanged_ = true;
}

// Drops the wiped figures, and the scales and texts no kept figure uses.
void Canvas::compactFigures() {
  const size_t before = figures_.size() + states_.size() + keptTexts_.size();
  std::vector<quint32> stateAt(states_.size(), kNoText), textAt(keptTexts_.size(), kNoText);
  std::vector<KeptState> states;
  std::vector<QString> texts;
  size_t out = 0, cursor = 0;
  for (size_t i = 0; i < figures_.size(); ++i) {
    if (i == wipeCursor_) cursor = out;
    KeptFigure f = figures_[i];
    if (f.dead) continue;
    if (stateAt[f.state] == kNoText) {
      stateAt[f.state] = quint32(states.size());
      states.push_back(states_[f.state]);
    }
    f.state = stateAt[f.state];
    if (f.text != kNoText) {
      if (textAt[f.text] == kNoText) {
        textAt[f.text] = quint32(texts.size());
        texts.push_back(keptTexts_[f.text]);
      }
      f.text = textAt[f.text];
    }
    figures_[out++] = f;
  }
  wipeCursor_ = wipeCursor_ >= figures_.size() ? out : cursor;
  figures_.resize(out);
  states_ = std::move(states);
  keptTexts_ = std::move(texts);
  deadFigures_ = 0;
  stateChanged_ = true;  // the state figures are drawn with may have gone
  kept -= before - (figures_.size() + states_.size() + keptTexts_.size());
}

void Canvas::redrawFigures() {
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
  quint32 state = kNoText;
  const auto angle = [](double a) { return std::isnan(a) ? std::optional<double>() : a; };
  for (const KeptFigure& f : figures_) {
    if (f.dead) continue;
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

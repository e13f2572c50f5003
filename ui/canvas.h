// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing surface with user coordinates, a current point and pen and fill state, painting
// into a persistent raster without antialiasing so that redrawing a figure in the background
// colour erases it exactly.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform.h"
#include "values.h"

namespace ui {

// A point in user coordinates, absolute or a step from the current point.
struct Pt {
  double x = 0;
  double y = 0;
  bool step = false;
};
inline Pt At(double x, double y) {
  return {x, y, false};
}
inline Pt Step(double x, double y) {
  return {x, y, true};
}

enum class LineMode { Line, Box, FilledBox };

// FillStyle values: the inside of boxes and circles.
constexpr int kFillSolid = 0;
constexpr int kFillTransparent = 1;
constexpr int kFillHorizontal = 2;
constexpr int kFillVertical = 3;
// DrawStyle values.
constexpr int kDrawSolid = 0;
constexpr int kDrawDashDot = 3;

// One primitive as the program asked for it, in user coordinates (tests read these).
struct DrawRecord {
  enum Kind { Cls, PSet, Line, Box, FilledBox, Circle, Print };
  Kind kind = PSet;
  QPointF p1;  // point, line start, box corner, circle centre, text position
  QPointF p2;  // line end, other box corner
  Color color = 0;
  int width = 1;  // px
  double radius = 0;
  std::optional<double> start, end;  // arc angles, radians
  double aspect = 1;
  Color fillColor = 0;
  int fillStyle = kFillTransparent;
  QString text;
};

class Canvas {
 public:
  // `changed` is called when a drawing call finds the picture shown as it was: the owner
  // schedules a repaint, and the calls after it up to that repaint ask for nothing more.
  explicit Canvas(std::function<void()> changed = {});
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // The picture's size in logical pixels and the screen's pixels per logical pixel; the raster
  // holds size × ratio pixels. A new size or ratio keeps what was drawn.
  void resizePixels(QSize size, double ratio = 1.0);
  // The size in logical pixels: what the lessons' arithmetic sees at every ratio.
  QSize pixelSize() const { return logical_; }
  double devicePixelRatio() const { return ratio_; }
  // The raster itself, in the screen's pixels; the painter is finished first so the image is
  // complete.
  const QImage& image() const;
  // The raster as a window shows it, one raster pixel to one screen pixel; a repaint calls it,
  // so drawing after it asks for the next repaint.
  QImage screenImage() const;
  // The colour of one logical pixel, as RGB(r, g, b).
  Color pixel(int px, int py) const;

  // User coordinates: the left edge becomes x1, the top y1, the right x2, the bottom y2.
  void scale(double x1, double y1, double x2, double y2);
  // Back to twips from the top left corner.
  void scaleTwips();
  double scaleLeft() const { return left_; }
  double scaleTop() const { return top_; }
  double scaleWidth() const;
  double scaleHeight() const;
  // The one mapping from user coordinates to logical pixels, and back.
  QPointF toPixelF(double x, double y) const;
  QPoint toPixel(double x, double y) const;
  QPointF fromPixel(QPointF px) const;
  // User units per logical pixel along each axis (signed).
  double unitsPerPixelX() const { return unitsPerPixelX_; }
  double unitsPerPixelY() const { return unitsPerPixelY_; }

  double currentX() const { return curX_; }
  double currentY() const { return curY_; }
  void setCurrentX(double x) { curX_ = x; }
  void setCurrentY(double y) { curY_ = y; }

  Color backColor() const { return back_; }
  // Fills the canvas with the new colour, as a clear does.
  void setBackColor(Color c);
  Color foreColor() const { return fore_; }
  void setForeColor(Color c) { fore_ = c; }
  Color fillColor() const { return fillColor_; }
  void setFillColor(Color c) { fillColor_ = c; }
  int fillStyle() const { return fillStyle_; }
  void setFillStyle(int style) { fillStyle_ = style; }
  int drawWidth() const { return drawWidth_; }
  void setDrawWidth(int px);
  int drawStyle() const { return drawStyle_; }
  void setDrawStyle(int style) { drawStyle_ = style; }
  const FontSpec& font() const { return font_; }
  void setFont(const FontSpec& f);
  void setFontName(const QString& name) { setFont(font_.with(&FontSpec::name, name)); }
  void setFontSize(double pt) { setFont(font_.with(&FontSpec::size, pt)); }
  void setFontBold(bool on) { setFont(font_.with(&FontSpec::bold, on)); }
  void setFontItalic(bool on) { setFont(font_.with(&FontSpec::italic, on)); }
  void setFontUnderline(bool on) { setFont(font_.with(&FontSpec::underline, on)); }

  // Fills with the background colour; the current point goes to (ScaleLeft, ScaleTop).
  void cls();
  // One point DrawWidth pixels across; the current point becomes p.
  void pset(Pt p, std::optional<Color> color = {}) {
    psetAt(p.x, p.y, p.step, color.value_or(fore_));
  }
  // A line (or box) from the current point to `to`.
  void line(Pt to, std::optional<Color> color = {}, LineMode mode = LineMode::Line);
  // A line (or box) from `from` (a step from the current point) to `to` (a step from `from`).
  void line(Pt from, Pt to, std::optional<Color> color = {}, LineMode mode = LineMode::Line);
  // A circle, ellipse or arc; radius in horizontal units; angles counter-clockwise in radians,
  // a negative angle also draws the radius to it; aspect is height over width.
  void circle(Pt centre, double radius, std::optional<Color> color = {},
              std::optional<double> start = {}, std::optional<double> end = {},
              double aspect = 1.0);

  // A point with a circle of `radius` around it, the pixels and the current point that
  // pset(p, color) followed by circle(Step(0, 0), radius, color) give: the figure of curves
  // made of thousands of small circles, mapped and checked once.
  void marker(Pt p, double radius, std::optional<Color> color = {}) {
    markerAt(p.x, p.y, p.step, radius, color.value_or(fore_));
  }

  // Writes the items at the current point (numbers as Str gives them and one blank), then
  // moves to the left edge of the next line.
  template <typename... Items>
  void print(const Items&... items) {
    printText((printItem(items) + ... + QString()), true);
  }
  // Writes the items and leaves the current point just after them.
  template <typename... Items>
  void printInline(const Items&... items) {
    printText((printItem(items) + ... + QString()), false);
  }
  // The size of a text in the canvas font, in user units.
  double textWidth(const QString& text) const;
  double textHeight(const QString& text = QStringLiteral("Ag")) const;

  // The draw log: off until switched on; records every primitive in user coordinates.
  void setLogging(bool on) { logging_ = on; }
  const std::vector<DrawRecord>& log() const { return log_; }
  void clearLog() { log_.clear(); }

  // The figures drawn since the last clear are kept, so that a change of ratio draws them
  // again in the new raster's pixels: the figures kept now (none once the bound is passed),
  // and the bytes the kept figures of all canvases take now and at most so far.
  size_t keptFigures() const { return figures_.size() - deadFigures_; }
  static size_t keptFigureBytes();
  static size_t keptFigureBytesPeak();

  // A run of raster pixels along a row.
  struct Span {
    int y = 0, x = 0, length = 0;
  };

  // The pixels a small figure covers, as offsets from its centre pixel.
  struct Pattern {
    bool exact = true;  // false: the figure cannot be copied, it is drawn each time
    std::vector<QPoint> offsets;
    QRect bounds;  // of the offsets
    // The runs of the offsets along rows, for a raster `stride` pixels a line: each run as
    // stores of four pixels, the last overlapping the one before when the run is no multiple of
    // four, or of two pixels, or one pixel alone. The offsets from the centre of the quads come
    // first, then those of the pairs, then those of the single pixels: quads and pairs a
    // multiple of four, single pixels an even number, the last one given again where needed.
    mutable qsizetype stride = -1;
    mutable std::vector<qint32> stores;
    mutable qint32 quads = 0, pairs = 0;
    void storesFor(qsizetype rasterStride) const;
  };

 private:
  static QString printItem(const QString& s) { return s; }
  static QString printItem(const char* s) { return QString::fromUtf8(s); }
  static QString printItem(double v) { return Str(v) + QLatin1Char(' '); }
  static QString printItem(float v) { return Str(v) + QLatin1Char(' '); }
  static QString printItem(int v) { return Str(v) + QLatin1Char(' '); }

  // A small circle as the raster draws it at the present scale and pen.
  struct CircleSize {
    // Not measured yet: NaN, which equals no radius asked for.
    double radius = std::numeric_limits<double>::quiet_NaN(), aspect = 0;
    double rx = 0, ry = 0;  // half-axes, raster pixels
    int irx = 0, iry = 0;
    const Pattern* pattern = nullptr;  // the outline, when copied from a pattern
    const Pattern* marker = nullptr;   // the outline and the point at its centre
  };

  // The figures of curves, called for every point: their arguments travel in registers.
  void psetAt(double x, double y, bool step, Color c);
  void markerAt(double x, double y, bool step, double radius, Color c);
  void widePoint(QPoint px, Color c);
  void fillBlock(double x, double y, Color c);
  // The raster pixels of a logical pixel, a block from pixelBlock.
  void fillPixelBlock(const QRect& block, QRgb rgb);
  const QFontMetrics& metrics() const;
  QPointF resolve(Pt p) const;
  // User coordinates to raster pixels, and offsets from the scale's corner.
  QPoint toRaster(double x, double y) const { return rasterAt(x - left_, y - top_); }
  QPoint rasterAt(double dx, double dy) const;
  QPainter& painter();
  void finishPainting() const;
  // The raster's pixels for writing without a painter.
  QRgb* rasterBits() {
    if (pendingCount_) drawPendingMarkers();
    return bits_ ? bits_ : findRasterBits();
  }
  QRgb* findRasterBits();
  static QRgb rgbOf(Color c) {
    if (c & 0x80000000u) return rasterColorOf(c);  // a system colour follows the palette
    return 0xFF000000u | (c & 0xFFu) << 16 | (c & 0xFF00u) | (c >> 16 & 0xFFu);
  }
  static QRgb rasterColorOf(Color c);
  void forgetRasterBits() const { bits_ = nullptr; }
  void setPen(Color c);
  int penStyle() const;
  QPen figurePen(const QColor& colour) const;
  // Draws a figure with the pen in colour c: `draw(painter)` the first time, from its covered
  // pixels once it comes again. `shape` with the pen and raster decides the pixels; `reach`
  // holds them all.
  template <typename Draw>
  void paintCovered(std::initializer_list<int> shape, const QRect& reach, Color c, Draw draw,
                    const QRect* ring = nullptr);
  template <typename Draw>
  void paintWide(std::initializer_list<int> shape, const QRect& along, Color c, Draw draw);
  template <typename Draw>
  bool measureCovered(std::vector<Span>& spans, const QRect& bounds, const QRect& reach, Draw draw,
                      const QRect* ring);
  static QBrush fillBrush(int style, Color c);
  void outline(const QRect& r);
  void printText(const QString& text, bool newline);
  void record(DrawRecord r);
  // Sets the pixels of `pattern` around `at` that lie on the raster, without a painter.
  void plotPattern(QPoint at, const Pattern& pattern, Color c);
  // Whether the pattern around `at` lies wholly on the raster; storePattern then writes it.
  bool onRaster(QPoint at, const Pattern& pattern) const {
    const QRect& b = pattern.bounds;
    return at.x() + b.left() >= 0 && at.x() + b.right() < rasterW_ && at.y() + b.top() >= 0 &&
           at.y() + b.bottom() < rasterH_;
  }
  void storePattern(QPoint at, const Pattern& pattern, QRgb rgb);
  // Writes the points in circles still waiting: before anything else touches the raster or
  // the mapping changes.
  void drawPendingMarkers();
  void settleRaster() const {
    // Canvases are never defined const: the waiting pixels belong to the raster being read.
    if (pendingCount_) const_cast<Canvas*>(this)->drawPendingMarkers();
  }
  const CircleSize& shapeOf(double radius, double aspect);
  const CircleSize& measureCircle(double radius, double aspect);
  static QRect arcBounds(const QRect& box, int a16, int span16);
  // The pixels a text covers in the raster font from its baseline's left end, or nullptr
  // when it is to be drawn.
  const Pattern* textPattern(const QString& text);
  void touched() {
    lastMarker_ = nullptr;  // the raster may have changed under the last point in a circle
    askRepaint();
  }
  void askRepaint() {
    if (repaintAsked_) return;
    repaintAsked_ = true;
    if (changed_) changed_();
  }
  void updateUnitsPerPixel();
  // The raster pixels of the logical pixels from a to b (logical pixel corners), clipped.
  QRect rasterBlocks(QPoint a, QPoint b) const;
  QRect pixelBlock(double x, double y) const { return blockAt(x - left_, y - top_); }
  QRect blockAt(double dx, double dy) const;
  int firstRasterPixel(int p, int logical, int raster) const;
  void updateBlockStarts();
  void fillRaster(const QRect& r, QRgb rgb);

  // One figure as drawn, in user coordinates, with the scale, pen and font of `state`.
  struct KeptFigure {
    enum Kind : quint8 { PSet, Line, Box, FilledBox, Circle, Marker, Print };
    Kind kind = PSet;
    quint8 drawStyle = 0, fillStyle = 0;
    bool blank = false;  // paints the background colour only
    quint32 state = 0;
    quint32 text = 0;  // of texts, for Print
    Color color = 0, fillColor = 0;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // points; a circle's centre, radius and aspect
    double start = 0, end = 0;              // arc angles, NaN when not given
    KeptFigure() = default;
    KeptFigure(Kind k, quint8 ds, quint8 fs, bool b, quint32 st, quint32 tx, Color c, Color fc,
               double ax, double ay, double bx, double by, double s, double e)
        : kind(k),
          drawStyle(ds),
          fillStyle(fs),
          blank(b),
          state(st),
          text(tx),
          color(c),
          fillColor(fc),
          x1(ax),
          y1(ay),
          x2(bx),
          y2(by),
          start(s),
          end(e) {}
    // The same points, scale, pen, style and text, compared bit for bit: a NaN, the arc angle
    // not given, equals itself.
    bool sameShape(const KeptFigure& o) const {
      return sameShape(o.kind, o.drawStyle, o.fillStyle, o.state, o.text, o.x1, o.y1, o.x2, o.y2,
                       o.start, o.end);
    }
    bool sameShape(Kind k, quint8 ds, quint8 fs, quint32 st, quint32 tx, double a, double b,
                   double c, double d, double s, double e) const {
      // The first point first: it tells most figures apart.
      return sameBits(x1, a) && sameBits(y1, b) && kind == k && state == st && text == tx &&
             drawStyle == ds && fillStyle == fs && sameBits(x2, c) && sameBits(y2, d) &&
             sameBits(start, s) && sameBits(end, e);
    }
    static bool sameBits(double a, double b) {
      quint64 x, y;
      std::memcpy(&x, &a, sizeof x);
      std::memcpy(&y, &b, sizeof y);
      return x == y;
    }
    quint64 shapeHash() const;
  };
  // The logical pixels a kept figure may cover at any ratio, held within the 16-bit range.
  struct FigureBox {
    qint16 left = 0, top = 0, right = 0, bottom = 0;
    bool meets(const FigureBox& o) const {
      return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom;
    }
  };
  struct KeptState {
    bool userScale = false;
    double left = 0, top = 0, width = 0, height = 0;
    int drawWidth = 1;
    FontSpec font;
    bool operator==(const KeptState& o) const {
      return userScale == o.userScale && left == o.left && top == o.top && width == o.width &&
             height == o.height && drawWidth == o.drawWidth && font == o.font;
    }
  };
  // Keeps a figure drawn now, in the state it is drawn with.
  void keep(KeptFigure::Kind kind, double x1, double y1, double x2, double y2, Color c,
            const QString* text = nullptr, double start = kNoAngle, double end = kNoAngle) {
    if (keeping_) keepFigure(kind, x1, y1, x2, y2, c, text, start, end);
  }
  static constexpr double kNoAngle = std::numeric_limits<double>::quiet_NaN();
  static constexpr quint32 kNoText = ~0u;
  // Keeps a point in a circle. What a moving curve asks thousands of times a frame is settled
  // here: its wiping, which covers the standing figure after the one wiped last, and its
  // drawing, added while a drawing goes on and repeats nothing; the rest goes to keepFigure.
  void keepMarker(double x, double y, double radius, Color c);
  // The wiping in colour c covers kept figure w at every ratio: both go.
  void wipeCovers(size_t w, Color c) {
    setDead(w);
    ++deadFigures_;
    lastWiped_ = w;
    lastWipeColor_ = c;
    wipedLast_ = true;
  }
  // Keeps a figure drawn now, made of `args`, after the others.
  template <typename... Args>
  void appendFigure(Args&&... args) {
    if (figures_.size() % 64 == 0) deadBits_.push_back(0);
    figures_.emplace_back(std::forward<Args>(args)...);
    countKept(1);
  }
  void keepState();
  void keepFigure(KeptFigure::Kind kind, double x1, double y1, double x2, double y2, Color c,
                  const QString* text, double start, double end);
  FigureBox figureBox(const KeptFigure& f, const KeptState& state, const QFontMetrics* fm) const;
  // Forgets the earlier figure of f's shape; files f under its shape as figure i.
  void fileShape(const KeptFigure& f, quint32 i, quint64 hash);
  void fileShapes(bool blanks);
  // The kept figure of the same shape near the last one a wiping covered, or -1.
  // `same` tells a kept figure of the wiping's shape.
  template <typename Same>
  qsizetype wipedFigure(const Same& same, size_t before);
  // The first standing figure `same` tells from `start` on, before `end`, among the first
  // `reach` standing ones and eight times as many in all; or -1.
  template <typename Same>
  qsizetype findStanding(const Same& same, size_t start, size_t end, size_t reach) const;
  // The same through the recent drawings, newest first.
  template <typename Same>
  qsizetype findInRecentDrawings(const Same& same, size_t before, size_t reach) const;
  // Forgets the standing figure of the shape `same` tells that a figure drawn now covers.
  template <typename Same>
  void coverRepeated(const Same& same, size_t before);
  // Forgets the blank figures that cover no kept figure.
  void dropBareBlanks();
  template <typename Use>
  void forCells(const FigureBox& f, Use&& use);
  void emptyCells();
  void fileCells(quint32 i);
  // Whether f's box meets a kept figure, not blank, of those before `before`.
  bool coversKept(const FigureBox& f, size_t before);
  void forgetFigures(bool keepFromNowOn);
  // Drops the forgotten figures; when `full`, first forgets those that can no longer show.
  void compactFigures(bool full);
  // Draws the kept figures again on the fresh raster.
  void redrawFigures();
  void rescaleKeptStates(QSize from, QSize to);
  void resampleRaster(QImage& next, double ratio) const;

  std::function<void()> changed_;
  mutable bool repaintAsked_ = false;
  mutable QImage image_;
  mutable std::unique_ptr<QPainter> painter_;
  mutable QRgb* bits_ = nullptr;
  qsizetype stride_ = 0;  // raster pixels a line
  int rasterW_ = 0, rasterH_ = 0;
  Color penColor_ = 0xFFFFFFFFu;
  int penWidth_ = -1;
  int penStyle_ = -1;

  QSize logical_{0, 0};
  double ratio_ = 1;
  bool userScale_ = false;
  double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  double unitsPerPixelX_ = 1, unitsPerPixelY_ = 1;
  double unitsPerRasterX_ = 1, unitsPerRasterY_ = 1;
  // Their reciprocals: logical and raster pixels per user unit.
  double pixelsPerUnitX_ = 1, pixelsPerUnitY_ = 1;
  double rasterPerUnitX_ = 1, rasterPerUnitY_ = 1;
  double rasterShift_ = 0;  // raster pixels added to every mapped point
  // The first raster pixel of each logical column and row and of the one past the last, at
  // the ratio blocksRatio_.
  std::vector<int> blockX_, blockY_;
  double blocksRatio_ = 0;
  // How fillPixelBlock writes a block: by its four corners when blocks are one or two pixels
  // each way, by its top, middle and bottom rows when they are two or three, or row by row.
  enum class BlockStores : quint8 { Corners, ThreeRows, Rows };
  BlockStores blockStores_ = BlockStores::Rows;
  double curX_ = 0, curY_ = 0;
  Color back_ = kWhite;
  Color fore_ = kBlack;
  Color fillColor_ = kBlack;
  int fillStyle_ = kFillTransparent;
  int drawWidth_ = 1;
  int penPixels_ = 1;  // DrawWidth in raster pixels
  int drawStyle_ = kDrawSolid;
  FontSpec font_;
  mutable std::optional<QFont> qfont_;
  mutable std::optional<QFontMetrics> metrics_;
  mutable std::optional<QFont> rasterFont_;
  mutable int rasterAscent_ = 0;
  struct TextPattern {
    int printed = 1;
    std::optional<Pattern> pattern;
  };
  mutable std::unordered_map<QString, TextPattern> texts_;
  bool painterHasFont_ = false;
  // Points in circles are mapped and written a few dozen at a time, when the run is full or
  // before anything else uses the raster or the mapping: a lesson computes the next point while
  // the last waits, where a point written at once holds up the arithmetic of the next until
  // its own coordinates are known. Their places are kept from the scale's corner.
  struct PendingMarker {
    double dx = 0, dy = 0;  // user units
    const Pattern* pattern = nullptr;
    Color color = 0;
    bool block = false;  // and its logical pixel's block, on a fine screen
    bool operator==(const PendingMarker& o) const {
      return dx == o.dx && dy == o.dy && pattern == o.pattern && color == o.color &&
             block == o.block;
    }
  };
  std::array<PendingMarker, 32> pending_;
  int pendingCount_ = 0;
  // The point in a circle drawn last, while nothing has been drawn since: drawing it again
  // changes no pixel.
  const Pattern* lastMarker_ = nullptr;
  QPoint lastMarkerAt_;
  Color lastMarkerColor_ = 0;
  QRect lastMarkerBlock_;  // of a point's logical pixel, on a fine screen
  CircleSize shapes_[4];
  int nextShape_ = 0;

  bool logging_ = false;
  std::vector<DrawRecord> log_;

  // Figures, texts and scales kept by all canvases together, the forgotten ones until they are
  // dropped: about 3 MB of figures, twice that at most while a vector grows.
  static constexpr size_t kKeptLimit = 40000;
  static size_t kept_, keptPeak_;
  static void countKept(qsizetype n) {
    kept_ += size_t(n);
    keptPeak_ = std::max(keptPeak_, kept_);
  }
  bool keeping_ = true;  // false past the bound, until the next clear
  bool stateChanged_ = true;
  std::vector<KeptFigure> figures_;
  // A bit for each of figures_, set when it can no longer show: covered by a later figure of
  // its shape, or a wiping that covers nothing kept.
  std::vector<quint64> deadBits_;
  bool isDead(size_t i) const { return deadBits_[i / 64] >> (i % 64) & 1; }
  void setDead(size_t i) { deadBits_[i / 64] |= quint64(1) << (i % 64); }
  std::vector<KeptState> states_;
  std::vector<QString> keptTexts_;
  std::unordered_map<QString, quint32> textAt_;  // of keptTexts_
  quint32 state_ = 0;                            // of states_, the one figures are drawn with now
  size_t deadFigures_ = 0;
  size_t keptAtCompaction_ = 0;  // figures standing after the last whole compaction
  size_t wipeCursor_ = 0;        // after the figure wiped last: wiping follows drawing
  size_t misses_ = 0;            // wipings in a row that found none near
  static constexpr size_t kDrawingStarts = 4;
  size_t drawingStarts_[kDrawingStarts] = {};  // where the last runs of figures not blank began
  // The last kept figure of each shape, open addressed by hash, while compacting.
  std::vector<quint32> byShape_;
  std::vector<quint64> shapeHashes_;  // of figures_, while compacting
  std::vector<FigureBox> boxes_;      // of figures_, while compacting
  // The kept figures not blank by the cells of the picture their boxes meet.
  std::vector<std::vector<quint32>> cells_;
  int cellColumns_ = 1, cellRows_ = 1;
  bool wipeSearched_ = false;  // through the recent drawings, since a drawing began
  size_t repeatCursor_ = 0;    // after the figure a figure drawn again covered last
  int repeatSearches_ = 0;     // for figures drawn again, since a drawing began
  int missedSearches_ = 0;     // of those, the ones that found none
  unsigned repeatMisses_ = 0;  // figures in a row that covered none, up to a run
  static constexpr unsigned kRepeatMissRun = 32;
  bool repeating_ = false;   // the figure kept last covered one drawn before
  bool lastBlank_ = true;    // the figure given last painted the background colour
  unsigned long frame_ = 0;  // the pauses begun when the last figure was given
  // The last wiping, when it went with its figure: the same again just after changes nothing.
  size_t lastWiped_ = 0;  // of figures_, the figure it covered
  Color lastWipeColor_ = 0;
  bool wipedLast_ = false;
};

}  // namespace ui

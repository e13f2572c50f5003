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
#include <functional>
#include <memory>
#include <optional>
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
  // `changed` is called after every drawing call (the owner schedules a repaint).
  explicit Canvas(std::function<void()> changed = {});
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // The raster's size in pixels; a new size keeps what was drawn.
  void resizePixels(QSize size);
  QSize pixelSize() const { return image_.size(); }
  // The raster itself; the painter is finished first so the image is complete.
  const QImage& image() const;
  // The colour of one pixel, as RGB(r, g, b).
  Color pixel(int px, int py) const;

  // User coordinates: the left edge becomes x1, the top y1, the right x2, the bottom y2.
  void scale(double x1, double y1, double x2, double y2);
  // Back to twips from the top left corner.
  void scaleTwips();
  double scaleLeft() const { return left_; }
  double scaleTop() const { return top_; }
  double scaleWidth() const;
  double scaleHeight() const;
  // The one mapping from user coordinates to pixels, and back.
  QPointF toPixelF(double x, double y) const;
  QPoint toPixel(double x, double y) const;
  QPointF fromPixel(QPointF px) const;
  // User units per pixel along each axis (signed).
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
  void setDrawWidth(int px) { drawWidth_ = std::max(1, px); }
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
  void pset(Pt p, std::optional<Color> color = {});
  // A line (or box) from the current point to `to`.
  void line(Pt to, std::optional<Color> color = {}, LineMode mode = LineMode::Line);
  // A line (or box) from `from` (a step from the current point) to `to` (a step from `from`).
  void line(Pt from, Pt to, std::optional<Color> color = {}, LineMode mode = LineMode::Line);
  // A circle, ellipse or arc; radius in horizontal units; angles counter-clockwise in radians,
  // a negative angle also draws the radius to it; aspect is height over width.
  void circle(Pt centre, double radius, std::optional<Color> color = {},
              std::optional<double> start = {}, std::optional<double> end = {},
              double aspect = 1.0);

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

 private:
  static QString printItem(const QString& s) { return s; }
  static QString printItem(const char* s) { return QString::fromUtf8(s); }
  static QString printItem(double v) { return Str(v) + QLatin1Char(' '); }
  static QString printItem(float v) { return Str(v) + QLatin1Char(' '); }
  static QString printItem(int v) { return Str(v) + QLatin1Char(' '); }

  const QFontMetrics& metrics() const;
  QPointF resolve(Pt p) const;
  QPainter& painter();
  void finishPainting() const;
  void setPen(Color c);
  static QBrush fillBrush(int style, Color c);
  void outline(const QRect& r);
  void printText(const QString& text, bool newline);
  void record(DrawRecord r);
  // Sets the pixels at `offsets` from `at` that lie on the raster, without a painter.
  void plotPattern(QPoint at, const std::vector<QPoint>& offsets, Color c);
  void touched();
  void updateUnitsPerPixel();

  std::function<void()> changed_;
  mutable QImage image_;
  mutable std::unique_ptr<QPainter> painter_;
  Color penColor_ = 0xFFFFFFFFu;
  int penWidth_ = -1;
  int penStyle_ = -1;

  bool userScale_ = false;
  double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  double unitsPerPixelX_ = 1, unitsPerPixelY_ = 1;
  double curX_ = 0, curY_ = 0;
  Color back_ = kWhite;
  Color fore_ = kBlack;
  Color fillColor_ = kBlack;
  int fillStyle_ = kFillTransparent;
  int drawWidth_ = 1;
  int drawStyle_ = kDrawSolid;
  FontSpec font_;
  mutable std::optional<QFont> qfont_;
  mutable std::optional<QFontMetrics> metrics_;
  bool painterHasFont_ = false;

  bool logging_ = false;
  std::vector<DrawRecord> log_;
};

}  // namespace ui

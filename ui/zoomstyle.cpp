// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoomstyle.h"

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QProxyStyle>
#include <QStyleOption>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

#include "controls.h"

namespace ui {
namespace {

// The zoom of the form window that shows `w`, or that opened the menu or dialog `w` is in.
double zoomOf(const QWidget* w) {
  for (; w; w = w->parentWidget())
    if (w->isWindow())
      if (const Form* form = Form::ofWindow(w)) return form->zoom();
  return 1;
}

// A device of `dpi` dots an inch for measuring fonts: one a resolution, made once.
const QImage& deviceAt(int dpi) {
  static std::map<int, QImage> devices;
  auto [it, fresh] = devices.try_emplace(dpi, 1, 1, QImage::Format_Mono);
  if (fresh) {
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    it->second.setDotsPerMeterX(dotsPerMeter);
    it->second.setDotsPerMeterY(dotsPerMeter);
  }
  return it->second;
}

const char* const kZoomedFontProperty = "lessonZoomedFont";

void zoomWindowFont(QWidget* window, double zoom) {
  if (zoom == 1) {
    // Back to the font the window inherits, untouched when no zoom ever changed it.
    if (!window->property(kZoomedFontProperty).toBool()) return;
    window->setFont(QFont());
    window->setProperty(kZoomedFontProperty, false);
    return;
  }
  QFont font = QApplication::font(window);
  // In pixels, so that the style's own resolution (below) does not grow it once more.
  font.setPixelSize(std::max(1, int(std::lround(QFontInfo(font).pixelSize() * zoom))));
  window->setFont(font);
  window->setProperty(kZoomedFontProperty, true);
}

// While it lives, a style option of a widget in a zoomed window measures its font at the
// widget's resolution times the zoom. Fusion sizes its margins, indicators, arrows and check
// marks by that resolution, as it does on a screen of many dots an inch; its lines stay one
// pixel wide and sharp. The fonts of a zoomed window are set in pixels, which a resolution
// does not change.
class ZoomedOption {
 public:
  ZoomedOption(const QStyleOption* option, const QWidget* widget)
      : shown_(option), zoom_(zoomOf(widget)) {
    if (zoom_ == 1) return;
    const int dpi = int(std::lround(widget->logicalDpiY() * zoom_));
    if (option && std::lround(option->fontMetrics.fontDpi()) == dpi) return;  // done above
    QFontMetrics metrics(widget->font(), &deviceAt(dpi));
    if (option) {
      // The options are the widgets' own, made for this one call and handed down const.
      changed_ = const_cast<QStyleOption*>(option);
      kept_ = changed_->fontMetrics;
      changed_->fontMetrics = metrics;
    } else {
      own_.emplace();
      own_->initFrom(widget);
      own_->fontMetrics = metrics;
      shown_ = &*own_;
    }
  }
  ~ZoomedOption() {
    if (changed_) changed_->fontMetrics = *kept_;
  }
  ZoomedOption(const ZoomedOption&) = delete;
  ZoomedOption& operator=(const ZoomedOption&) = delete;
  operator const QStyleOption*() const { return shown_; }
  double zoom() const { return zoom_; }

 private:
  const QStyleOption* shown_;
  double zoom_;
  QStyleOption* changed_ = nullptr;
  std::optional<QFontMetrics> kept_;
  std::optional<QStyleOption> own_;  // for a call without an option
};

class LessonStyle : public QProxyStyle {
 public:
  LessonStyle() : QProxyStyle(QStringLiteral("Fusion")) {
    if (qApp) qApp->installEventFilter(this);
  }

  // Qt shows every tooltip in one window, made once and polished then: before a tooltip is
  // asked for, that window takes the zoom of the one it is shown for.
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::ToolTip && o->isWidgetType())
      for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel")) zoomWindowFont(top, zoomOf(static_cast<QWidget*>(o)));
    return QProxyStyle::eventFilter(o, e);
  }

  using QProxyStyle::polish;
  void polish(QWidget* w) override {
    QProxyStyle::polish(w);
    if (w->isWindow() && !Form::ofWindow(w)) zoomWindowFont(w, zoomOf(w->parentWidget()));
  }
  int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override {
    return QProxyStyle::pixelMetric(m, ZoomedOption(o, w), w);
  }
  QSize sizeFromContents(ContentsType t, const QStyleOption* o, const QSize& size,
                         const QWidget* w) const override {
    return QProxyStyle::sizeFromContents(t, ZoomedOption(o, w), size, w);
  }
  QRect subElementRect(SubElement e, const QStyleOption* o, const QWidget* w) const override {
    return QProxyStyle::subElementRect(e, ZoomedOption(o, w), w);
  }
  QRect subControlRect(ComplexControl c, const QStyleOptionComplex* o, SubControl sc,
                       const QWidget* w) const override {
    const ZoomedOption zoomed(o, w);
    return QProxyStyle::subControlRect(c, o, sc, w);
  }
  void drawPrimitive(PrimitiveElement e, const QStyleOption* o, QPainter* p,
                     const QWidget* w) const override {
    QProxyStyle::drawPrimitive(e, ZoomedOption(o, w), p, w);
  }
  void drawControl(ControlElement e, const QStyleOption* o, QPainter* p,
                   const QWidget* w) const override {
    const ZoomedOption zoomed(o, w);
    const auto* caption = qstyleoption_cast<const QStyleOptionButton*>(zoomed);
    if (zoomed.zoom() == 1 || !caption || (e != CE_CheckBoxLabel && e != CE_RadioButtonLabel))
      return QProxyStyle::drawControl(e, zoomed, p, w);
    // Font sizes are whole pixels, so a zoomed caption may be a few pixels wider than the
    // zoom makes its room, and one that fills its room at 100 % would lose its last letter:
    // the gap between the mark and the caption gives way first, down to its width at 100 %.
    QStyleOptionButton room = *caption;
    const int over =
        room.fontMetrics.size(Qt::TextShowMnemonic, room.text).width() - room.rect.width();
    const int gap = pixelMetric(
        e == CE_CheckBoxLabel ? PM_CheckBoxLabelSpacing : PM_RadioButtonLabelSpacing, o, w);
    if (over > 0)
      room.rect.setLeft(room.rect.left() -
                        std::min(over, gap - int(std::lround(gap / zoomed.zoom()))));
    QProxyStyle::drawControl(e, &room, p, w);
  }
  void drawComplexControl(ComplexControl c, const QStyleOptionComplex* o, QPainter* p,
                          const QWidget* w) const override {
    const ZoomedOption zoomed(o, w);
    QProxyStyle::drawComplexControl(c, o, p, w);
  }
};

}  // namespace

QStyle* makeLessonStyle() {
  return new LessonStyle;
}

void zoomOwnedWindows(QWidget* window, double zoom) {
  for (QWidget* w : window->findChildren<QWidget*>())
    if (w->isWindow()) zoomWindowFont(w, zoom);
}

}  // namespace ui

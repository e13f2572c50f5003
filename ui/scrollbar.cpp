// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls_p.h"

#include <QAccessibleWidget>
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
#include <QStyleOptionSlider>
#include <QStylePainter>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "pointer.h"
#include "qtbridge.h"

namespace ui {

using namespace detail;

// ---- ScrollBar ----

namespace {

// The widget of a scroll bar, telling where the style puts its arrows, track and thumb. The
// style draws no focus on a scroll bar; this one draws the style's focus frame over itself.
class BarWidget : public QScrollBar {
 public:
  BarWidget(ScrollBar& owner, Qt::Orientation o, QWidget* parent)
      : QScrollBar(o, parent), owner_(owner) {}
  ScrollBar& owner() const { return owner_; }
  QRect part(QStyle::SubControl sc) const {
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    return style()->subControlRect(QStyle::CC_ScrollBar, &opt, sc, this);
  }

 protected:
  void paintEvent(QPaintEvent* e) override {
    QScrollBar::paintEvent(e);
    if (!hasFocus()) return;
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    QPainter p(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
  }

 private:
  ScrollBar& owner_;
};

// What a screen reader reads of a scroll bar: its Value, Min and Max as the window has them,
// though the widget counts an upside-down bar's values the other way.
class BarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit BarAccessible(BarWidget* bar) : QAccessibleWidget(bar, QAccessible::ScrollBar) {}
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? QString::number(bar().value()) : QAccessibleWidget::text(t);
  }
  QVariant currentValue() const override { return bar().value(); }
  void setCurrentValue(const QVariant& v) override { bar().setValue(v.toInt()); }
  QVariant minimumValue() const override { return bar().min(); }
  QVariant maximumValue() const override { return bar().max(); }
  QVariant minimumStepSize() const override {
    return static_cast<QScrollBar*>(widget())->singleStep();
  }

 private:
  ScrollBar& bar() const { return static_cast<BarWidget*>(widget())->owner(); }
};

QAccessibleInterface* barAccessible(const QString&, QObject* object) {
  auto* bar = dynamic_cast<BarWidget*>(object);
  return bar ? new BarAccessible(bar) : nullptr;
}

}  // namespace

ScrollBar::ScrollBar(Container* parent, QString name, Orientation o, int min, int max, int value,
                     const Rect& r)
    : Control(parent, std::move(name),
              o == Horizontal ? ControlKind::HScrollBar : ControlKind::VScrollBar,
              new BarWidget(*this, o == Horizontal ? Qt::Horizontal : Qt::Vertical,
                            parent->clientWidget()),
              r, kSysButtonText, kSysButtonFace),
      min_(min),
      max_(max),
      lastValue_(value) {
  static const bool readable = (QAccessible::installFactory(barAccessible), true);
  Q_UNUSED(readable);
  auto* bar = static_cast<QScrollBar*>(widget());
  // The value changes when the thumb is let go; while it is dragged only Scroll is raised.
  bar->setTracking(false);
  // The keys move a bar the pupil has tabbed to or clicked, as every other control.
  bar->setFocusPolicy(Qt::StrongFocus);
  // The up and left keys move towards the top or left end, where the widget's count starts.
  // Qt gets that for a vertical bar by inverting its controls; inverted, a horizontal bar would
  // turn its left and right keys round.
  bar->setInvertedControls(o == Vertical);
  bar->setSingleStep(1);
  bar->setPageStep(1);
  applyRange();
  QObject::connect(bar, &QScrollBar::valueChanged, bar, [this](int q) {
    if (fromBar(q) == lastValue_) return;
    lastValue_ = fromBar(q);
    fire(onChange);
  });
  QObject::connect(bar, &QScrollBar::sliderMoved, bar, [this] { fire(onScroll); });
}
void ScrollBar::applyRange() {
  auto* bar = static_cast<QScrollBar*>(widget());
  const int lo = std::min(min_, max_), hi = std::max(min_, max_);
  const int v = std::clamp(lastValue_, lo, hi);
  {
    const QSignalBlocker quiet(bar);
    bar->setRange(std::min(toBar(min_), toBar(max_)), std::max(toBar(min_), toBar(max_)));
    bar->setValue(toBar(v));
  }
  if (v != lastValue_) {
    lastValue_ = v;
    fire(onChange);
  }
}
void ScrollBar::setMin(int v) {
  min_ = v;
  applyRange();
}
void ScrollBar::setMax(int v) {
  max_ = v;
  applyRange();
}
int ScrollBar::value() const {
  auto* bar = static_cast<QScrollBar*>(widget());
  return fromBar(bar->isSliderDown() ? bar->sliderPosition() : bar->value());
}
void ScrollBar::setValue(int v) {
  static_cast<QScrollBar*>(widget())->setValue(toBar(v));
}
void ScrollBar::setSmallChange(int v) {
  static_cast<QScrollBar*>(widget())->setSingleStep(v);
}
void ScrollBar::setLargeChange(int v) {
  static_cast<QScrollBar*>(widget())->setPageStep(v);
}
void ScrollBar::drag(int to) {
  if (!reachable()) return;
  auto* bar = static_cast<BarWidget*>(widget());
  const int target = std::clamp(toBar(to), bar->minimum(), bar->maximum());
  const QRect groove = bar->part(QStyle::SC_ScrollBarGroove);
  const QRect thumb = bar->part(QStyle::SC_ScrollBarSlider);
  const bool horizontal = bar->orientation() == Qt::Horizontal;
  // Take the thumb by its middle and move it until its leading edge stands where the target
  // value lies along the groove.
  const QPoint grip = thumb.center();
  const int span = horizontal ? groove.width() - thumb.width() : groove.height() - thumb.height();
  const int offset =
      QStyle::sliderPositionFromValue(bar->minimum(), bar->maximum(), target, std::max(0, span));
  const QPoint dropAt = horizontal
                            ? QPoint(groove.left() + offset + (grip.x() - thumb.left()), grip.y())
                            : QPoint(grip.x(), groove.top() + offset + (grip.y() - thumb.top()));
  pointer::Hand hand(bar->window());
  if (hand.press(pointer::windowPos(bar, grip)) != bar) {
    hand.release(pointer::windowPos(bar, grip));
    return;
  }
  hand.moveTo(pointer::windowPos(bar, dropAt));
  // A bar with more values than pixels: the hand settles on the exact value within its pixel.
  if (bar->isSliderDown() && bar->sliderPosition() != target) bar->setSliderPosition(target);
  hand.release(pointer::windowPos(bar, dropAt));
}
void ScrollBar::step(int direction) {
  if (!reachable()) return;
  auto* bar = static_cast<BarWidget*>(widget());
  const QRect arrow =
      bar->part(direction > 0 ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine);
  pointer::click(bar->window(), pointer::windowPos(bar, arrow.center()));
}

}  // namespace ui

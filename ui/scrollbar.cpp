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

#include "qtbridge.h"

namespace ui {

using namespace detail;

// ---- ScrollBar ----

ScrollBar::ScrollBar(Container* parent, QString name, Orientation o, int min, int max, int value,
                     const Rect& r)
    : Control(
          parent, std::move(name),
          o == Horizontal ? ControlKind::HScrollBar : ControlKind::VScrollBar,
          new QScrollBar(o == Horizontal ? Qt::Horizontal : Qt::Vertical, parent->clientWidget()),
          r, kSysButtonText, kSysButtonFace),
      min_(min),
      max_(max) {
  auto* bar = static_cast<QScrollBar*>(widget());
  // The value changes when the thumb is let go; while it is dragged only Scroll is raised.
  bar->setTracking(false);
  bar->setSingleStep(1);
  bar->setPageStep(1);
  applyRange();
  bar->setValue(value);
  QObject::connect(bar, &QScrollBar::valueChanged, bar, [this] { fire(onChange); });
  QObject::connect(bar, &QScrollBar::sliderMoved, bar, [this] { fire(onScroll); });
}
void ScrollBar::applyRange() {
  auto* bar = static_cast<QScrollBar*>(widget());
  const bool inverted = min_ > max_;
  bar->setInvertedAppearance(inverted);
  bar->setInvertedControls(inverted);
  bar->setRange(std::min(min_, max_), std::max(min_, max_));
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
  return bar->isSliderDown() ? bar->sliderPosition() : bar->value();
}
void ScrollBar::setValue(int v) {
  static_cast<QScrollBar*>(widget())->setValue(v);
}
void ScrollBar::setSmallChange(int v) {
  static_cast<QScrollBar*>(widget())->setSingleStep(v);
}
void ScrollBar::setLargeChange(int v) {
  static_cast<QScrollBar*>(widget())->setPageStep(v);
}
void ScrollBar::drag(int to) {
  auto* bar = static_cast<QScrollBar*>(widget());
  if (!bar->isEnabled()) return;
  bar->setSliderDown(true);
  bar->setSliderPosition(std::clamp(to, bar->minimum(), bar->maximum()));
  bar->setSliderDown(false);
}
void ScrollBar::step(int direction) {
  auto* bar = static_cast<QScrollBar*>(widget());
  if (!bar->isEnabled()) return;
  const int towardsMax = max_ >= min_ ? direction : -direction;
  setValue(std::clamp(value() + towardsMax * bar->singleStep(), bar->minimum(), bar->maximum()));
}

}  // namespace ui

// A pupil at the mouse: a click at the middle of a control, on a scroll bar's arrow or on a
// point of the window, delivered to whatever widget the window has at that point.
#pragma once

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QtTest>

#include "ui/controls.h"

namespace pupil {

// A left click at a point of the window's own coordinates (pixels).
inline void clickWindowAt(ui::Form& form, QPoint at) {
  QWidget* top = form.window();
  QWidget* target = top->childAt(at);
  if (!target) target = top;
  QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(top, at));
}

inline QPoint centreOf(ui::Form& form, const ui::Control& c) {
  return c.widget()->mapTo(form.window(), c.widget()->rect().center());
}

inline void click(ui::Form& form, const ui::Control& c) {
  clickWindowAt(form, centreOf(form, c));
}

// One click on the arrow of a horizontal scroll bar: the right arrow for +1, the left for -1,
// where the style draws them.
inline void arrow(ui::Form& form, ui::ScrollBar& bar, int direction) {
  auto* sb = static_cast<QScrollBar*>(bar.widget());
  QStyleOptionSlider opt;
  opt.initFrom(sb);
  opt.subControls = QStyle::SC_All;
  opt.orientation = sb->orientation();
  opt.minimum = sb->minimum();
  opt.maximum = sb->maximum();
  opt.sliderPosition = sb->sliderPosition();
  opt.sliderValue = sb->value();
  opt.singleStep = sb->singleStep();
  opt.pageStep = sb->pageStep();
  opt.upsideDown = sb->invertedAppearance();
  const QRect r = sb->style()->subControlRect(
      QStyle::CC_ScrollBar, &opt,
      direction > 0 ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine, sb);
  clickWindowAt(form, sb->mapTo(form.window(), r.center()));
}

// Clicks an arrow until the bar reads `value` (at most 20 clicks).
inline void arrowTo(ui::Form& form, ui::ScrollBar& bar, int value) {
  for (int k = 0; k < 20 && bar.value() != value; ++k)
    arrow(form, bar, value > bar.value() ? 1 : -1);
}

}  // namespace pupil

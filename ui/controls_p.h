// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the control sources: not part of the ui interface.
#pragma once

#include <QMouseEvent>
#include <QObject>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include "controls.h"
#include "qtbridge.h"

namespace ui::detail {

// The point of `w` nearest its centre that none of its child widgets covers: where the pupil
// clicks a picture or frame itself rather than a control inside it. None when they cover it all.
std::optional<QPoint> barePoint(const QWidget* w);

// Copies the canvas's raster into `area` of a widget whose screen has `screenRatio`, one raster
// pixel to one screen pixel; what the raster does not reach shows the background colour.
void paintRaster(QPainter& p, const Canvas& canvas, const QRect& area, qreal screenRatio);

// Turns the mouse events of a widget into Click and DblClick: a click on release inside the
// widget, a double click on the second press; the release that ends a double click is not a
// further click. `consume` keeps the events from reaching the window beneath.
class ClickFilter : public QObject {
 public:
  ClickFilter(QObject* parent, std::function<void()> click, std::function<void()> dblClick,
              bool consume)
      : QObject(parent), click_(std::move(click)), dbl_(std::move(dblClick)), consume_(consume) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    // A disabled control takes no click, though its filters still see the mouse.
    if (auto* w = qobject_cast<QWidget*>(watched); w && !w->isEnabled())
      return event->type() == QEvent::MouseButtonPress ||
                     event->type() == QEvent::MouseButtonRelease ||
                     event->type() == QEvent::MouseButtonDblClick
                 ? consume_
                 : false;
    switch (event->type()) {
      case QEvent::MouseButtonPress:
        return consume_;
      case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(event);
        auto* w = qobject_cast<QWidget*>(watched);
        if (me->button() == Qt::LeftButton) {
          if (afterDouble_)
            afterDouble_ = false;
          else if (w && w->rect().contains(me->position().toPoint()) && click_)
            click_();
        }
        return consume_;
      }
      case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
          afterDouble_ = true;
          if (dbl_) dbl_();
        }
        return consume_;
      default:
        return false;
    }
  }

 private:
  std::function<void()> click_, dbl_;
  bool consume_;
  bool afterDouble_ = false;
};

inline void setRoleColors(QWidget* w, QPalette::ColorRole foreRole, Color fore,
                          QPalette::ColorRole backRole, Color back) {
  QPalette pal = w->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    pal.setColor(group, foreRole, toQColor(fore));
    pal.setColor(group, backRole, toQColor(back));
  }
  pal.setColor(QPalette::Disabled, backRole, toQColor(back));
  w->setPalette(pal);
}

inline Qt::Alignment toQtAlignment(Align a) {
  switch (a) {
    case Align::Right:
      return Qt::AlignRight;
    case Align::Center:
      return Qt::AlignHCenter;
    default:
      return Qt::AlignLeft;
  }
}

inline int pixels(double units, double unitsPerPixel) {
  return std::max(0, int(std::lround(std::fabs(units / unitsPerPixel))));
}

}  // namespace ui::detail

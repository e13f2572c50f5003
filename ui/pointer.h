// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's mouse: events at a point of a top-level window, delivered to whatever widget
// lies there, as the window system delivers them. A press grabs the mouse for the widget that
// took it, so the moves and the release that follow go to that widget too.
#pragma once

#include <QEvent>
#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace ui::pointer {

// The widget a click at `pos` (pixels of the top-level `window`) lands on: the top-most child
// there that takes mouse events, or the window itself.
QWidget* widgetAt(QWidget* window, QPoint pos);
// Where pixel `local` of `w` lies in its top-level window.
QPoint windowPos(const QWidget* w, QPoint local);

class Hand {
 public:
  explicit Hand(QWidget* window) : window_(window) {}
  // Presses the left button at `pos`; gives the widget that took the press.
  QWidget* press(QPoint pos);
  // Moves the mouse with the button held.
  void moveTo(QPoint pos);
  void release(QPoint pos);
  // The second press of a double click, at `pos`.
  void doublePress(QPoint pos);

 private:
  void send(QEvent::Type type, QPoint pos, Qt::MouseButtons buttons);
  QWidget* window_;
  QPointer<QWidget> grabber_;
};

// Press and release at `pos`; gives the widget that took them.
QWidget* click(QWidget* window, QPoint pos);
// Press, release, the double-click press and release at `pos`.
QWidget* doubleClick(QWidget* window, QPoint pos);

}  // namespace ui::pointer

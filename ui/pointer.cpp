// SPDX-License-Identifier: GPL-3.0-or-later
#include "pointer.h"

#include <QApplication>
#include <QMouseEvent>

namespace ui::pointer {

QWidget* widgetAt(QWidget* window, QPoint pos) {
  QWidget* w = window->childAt(pos);
  return w ? w : window;
}

QPoint windowPos(const QWidget* w, QPoint local) {
  return w->mapTo(w->window(), local);
}

void Hand::send(QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
  if (!grabber_) return;
  const QPoint local = grabber_->mapFrom(window_, pos);
  QMouseEvent event(type, QPointF(local), QPointF(pos), QPointF(grabber_->mapToGlobal(local)),
                    type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(grabber_, &event);
}

QWidget* Hand::press(QPoint pos) {
  grabber_ = widgetAt(window_, pos);
  QWidget* target = grabber_;
  send(QEvent::MouseButtonPress, pos, Qt::LeftButton);
  return target;
}

void Hand::moveTo(QPoint pos) {
  send(QEvent::MouseMove, pos, Qt::LeftButton);
}

void Hand::release(QPoint pos) {
  send(QEvent::MouseButtonRelease, pos, Qt::NoButton);
  grabber_ = nullptr;
}

void Hand::doublePress(QPoint pos) {
  grabber_ = widgetAt(window_, pos);
  send(QEvent::MouseButtonDblClick, pos, Qt::LeftButton);
}

QWidget* click(QWidget* window, QPoint pos) {
  Hand hand(window);
  QWidget* target = hand.press(pos);
  hand.release(pos);
  return target;
}

QWidget* doubleClick(QWidget* window, QPoint pos) {
  Hand hand(window);
  QWidget* target = hand.press(pos);
  hand.release(pos);
  hand.doublePress(pos);
  hand.release(pos);
  return target;
}

}  // namespace ui::pointer

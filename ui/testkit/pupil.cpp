// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupil.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <QtTest>
#include <algorithm>

namespace ui::testkit {

namespace {

QWidget* topLevel(const Form& form) {
  return form.window();
}

// The style's description of a scroll bar as it stands.
QStyleOptionSlider sliderOption(const QScrollBar* bar) {
  QStyleOptionSlider opt;
  opt.initFrom(bar);
  opt.subControls = QStyle::SC_None;
  opt.activeSubControls = QStyle::SC_None;
  opt.orientation = bar->orientation();
  opt.minimum = bar->minimum();
  opt.maximum = bar->maximum();
  opt.sliderPosition = bar->sliderPosition();
  opt.sliderValue = bar->value();
  opt.singleStep = bar->singleStep();
  opt.pageStep = bar->pageStep();
  opt.upsideDown = bar->invertedAppearance();
  if (bar->orientation() == Qt::Horizontal) opt.state |= QStyle::State_Horizontal;
  return opt;
}

}  // namespace

QPoint windowPoint(const Control& c) {
  return windowPoint(c, c.widget()->rect().center());
}
QPoint windowPoint(const Control& c, QPoint local) {
  return pointer::windowPos(c.widget(), local);
}

QWidget* widgetAt(const Form& form, QPoint pos) {
  return pointer::widgetAt(topLevel(form), pos);
}
QWidget* clickAt(const Form& form, QPoint pos) {
  return pointer::click(topLevel(form), pos);
}
QWidget* doubleClickAt(const Form& form, QPoint pos) {
  return pointer::doubleClick(topLevel(form), pos);
}
QWidget* clickOn(const Control& c) {
  return pointer::click(c.widget()->window(), windowPoint(c));
}

QRect scrollBarPart(const ScrollBar& s, QStyle::SubControl part) {
  auto* bar = static_cast<QScrollBar*>(s.widget());
  const QStyleOptionSlider opt = sliderOption(bar);
  return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, part, bar);
}

void clickScrollBarPart(const ScrollBar& s, QStyle::SubControl part) {
  pointer::click(s.widget()->window(), windowPoint(s, scrollBarPart(s, part).center()));
}

void dragThumbBy(const ScrollBar& s, int pixels) {
  const QPoint from = windowPoint(s, scrollBarPart(s, QStyle::SC_ScrollBarSlider).center());
  const bool horizontal = s.kind() == ControlKind::HScrollBar;
  const QPoint to = from + (horizontal ? QPoint(pixels, 0) : QPoint(0, pixels));
  pointer::Hand hand(s.widget()->window());
  hand.press(from);
  hand.moveTo((from + to) / 2);
  hand.moveTo(to);
  hand.release(to);
}

void pressKey(const Control& c, Qt::Key key, Qt::KeyboardModifiers mods) {
  c.widget()->setFocus(Qt::OtherFocusReason);
  QWidget* focused = c.widget()->window()->focusWidget();
  QTest::keyClick(focused ? focused : c.widget(), key, mods);
}

void typeText(const Control& box, const QString& text) {
  pressKey(box, Qt::Key_A, Qt::ControlModifier);
  QWidget* focused = box.widget()->window()->focusWidget();
  QWidget* target = focused ? focused : box.widget();
  if (text.isEmpty()) QTest::keyClick(target, Qt::Key_Delete);
  // Key by key with the character as the key's text: QTest's own typing takes Latin-1 only.
  for (const QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(target, &release);
  }
}

void turnWheel(const Control& c, int notches) {
  QWidget* w = c.widget();
  const QPoint local = w->rect().center();
  QWheelEvent event(QPointF(local), QPointF(w->mapToGlobal(local)), QPoint(),
                    QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                    false);
  QApplication::sendEvent(w, &event);
}

QStringList controlsUnderDecorations(const Form& form) {
  QStringList found;
  std::vector<const QWidget*> decorations;
  for (const Control* c : form.controls())
    if (c->kind() == ControlKind::Label || c->kind() == ControlKind::Decoration)
      decorations.push_back(c->widget());
  const auto isDecoration = [&](const QWidget* w) {
    for (; w; w = w->parentWidget())
      if (std::find(decorations.begin(), decorations.end(), w) != decorations.end()) return true;
    return false;
  };
  for (const Control* c : form.controls()) {
    const QWidget* w = c->widget();
    if (c->kind() == ControlKind::Label || c->kind() == ControlKind::Decoration ||
        !w->isVisibleTo(w->window()))
      continue;
    for (int y = 0; y < w->height(); y += 2)
      for (int x = 0; x < w->width(); x += 2) {
        const QPoint at = windowPoint(*c, QPoint(x, y));
        if (isDecoration(widgetAt(form, at))) {
          found << QStringLiteral("%1 at %2,%3").arg(c->name()).arg(x).arg(y);
          x = w->width();
          y = w->height();
        }
      }
  }
  return found;
}

bool accessibleAction(const Control& c, const QString& action) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(c.widget());
  if (!iface) return false;
  QAccessibleActionInterface* actions = iface->actionInterface();
  if (!actions || !actions->actionNames().contains(action)) return false;
  actions->doAction(action);
  return true;
}

QStringList resizeOrder(Form& form, double w, double h) {
  struct Recorder : QObject {
    QStringList order;
    bool eventFilter(QObject* o, QEvent* e) override {
      if (e->type() == QEvent::Move ||
          (e->type() == QEvent::Resize && o->objectName() == QLatin1String("Picture1")))
        order.append(o->objectName());
      return false;
    }
  } recorder;
  for (Control* c : form.controls())
    c->widget()->installEventFilter(&recorder);
  form.setClientSize(w, h);
  for (Control* c : form.controls())
    c->widget()->removeEventFilter(&recorder);
  return recorder.order;
}

int pixelsOf(const QImage& img, Color c, QRect area) {
  const QRgb want = qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
  const QRect within = area.isNull() ? img.rect() : area.intersected(img.rect());
  int n = 0;
  for (int y = within.top(); y <= within.bottom(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = within.left(); x <= within.right(); ++x)
      n += (line[x] | 0xFF000000u) == want;
  }
  return n;
}

}  // namespace ui::testkit

// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil's hand on the windows, through the window system: mouse events at points of the
// top-level window that go to whatever widget lies there, scroll-bar arrows and tracks at the
// rectangles the style reports for them, keys to the focused widget, the wheel, and the
// actions a screen reader performs through Qt's accessibility interface.
#pragma once

#include <QPoint>
#include <QRect>
#include <QStringList>
#include <QStyle>

#include "ui/controls.h"
#include "ui/pointer.h"

namespace ui::testkit {

// The point of the window where pixel `local` of the control lies (its centre by default).
QPoint windowPoint(const Control& c);
QPoint windowPoint(const Control& c, QPoint local);
// The widget a click at `pos` of the form's window lands on.
QWidget* widgetAt(const Form& form, QPoint pos);
// A left click (or double click) at `pos` of the form's window; gives the widget that took it.
QWidget* clickAt(const Form& form, QPoint pos);
QWidget* doubleClickAt(const Form& form, QPoint pos);
// A click at the middle of the control as the pupil sees it.
QWidget* clickOn(const Control& c);

// The part of a scroll bar (SC_ScrollBarSubLine: the top or left arrow, SC_ScrollBarAddLine,
// SC_ScrollBarSubPage, SC_ScrollBarAddPage, SC_ScrollBarSlider) in the bar's own pixels.
QRect scrollBarPart(const ScrollBar& s, QStyle::SubControl part);
// A click in the middle of that part.
void clickScrollBarPart(const ScrollBar& s, QStyle::SubControl part);
// Takes the thumb with the mouse and moves it by `pixels` along the bar before letting go.
void dragThumbBy(const ScrollBar& s, int pixels);

// Gives the control the keyboard focus and presses `key` there.
void pressKey(const Control& c, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier);
// Types into a text box as the pupil does: the box takes the focus, Ctrl+A selects its text and
// the keys replace it one by one (Change after each); an empty text deletes it.
void typeText(const Control& box, const QString& text);
// Turns the mouse wheel over the control: positive notches away from the pupil (up).
void turnWheel(const Control& c, int notches);
// Performs a screen reader's action (QAccessibleActionInterface::toggleAction(),
// pressAction(), ...) on the control; false when the control does not offer it.
bool accessibleAction(const Control& c, const QString& action);

// "Control at x,y" for every visible spot of a button, bar, box or picture of the window where
// a click would land on a label, shape or line instead: decorations must lie beneath.
QStringList controlsUnderDecorations(const Form& form);

// Resizes the form's inner area to w x h twips and gives the names of its controls in the
// order the resize moved them; a picture already in its corner reports its new size instead.
QStringList resizeOrder(Form& form, double w, double h);

// How many pixels of the raster within `area` (all of it when empty) show exactly colour `c`.
int pixelsOf(const QImage& img, Color c, QRect area = {});
inline int pixelsOf(const PictureBox& p, Color c) {
  return pixelsOf(p.image(), c);
}

}  // namespace ui::testkit

// SPDX-License-Identifier: GPL-3.0-or-later
// The style the lesson windows are drawn in: Fusion, with the parts it draws itself grown by
// the zoom of the window they are in, and the menus and dialogs a zoomed window opens in its
// zoomed font.
#pragma once

class QStyle;
class QWidget;

namespace ui {

QStyle* makeLessonStyle();
// Gives the menus, dialogs and tips that `window` has opened (its child windows) the font of
// their class times `zoom`; at 1 the font they had before any zoom.
void zoomOwnedWindows(QWidget* window, double zoom);

}  // namespace ui

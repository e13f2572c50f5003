// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's commands every window has without code of its own: the zoom steps, full
// screen, the picture saved or copied and About, as one context menu and one set of keys.
#pragma once

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <vector>

class QAction;
class QContextMenuEvent;

namespace ui {

class Form;

// The program as the suite's launcher lists it: About shows it, saved pictures are named by it.
struct ProgramInfo {
  QString name;          // the name the suite calls it by
  QString line;          // what it shows, the launcher's line
  QString english = {};  // the same line in English
};

// A real run's classroom settings: the program's remembered zoom, overridden by
// `--zoom PERCENT`, `--fullscreen` for the main window, and windows opened no larger than the
// screen. Without this call (the tests) every window opens at 100 %.
void startClassroom(const ProgramInfo& info, const QStringList& arguments);
const ProgramInfo& programInfo();

// The zoom steps, in per cent.
const std::vector<int>& zoomSteps();

class Teacher : public QObject {
  Q_OBJECT

 public:
  explicit Teacher(Form& form);
  ~Teacher() override;

  void zoomIn();
  void zoomOut();
  void zoomReset();
  void toggleFullScreen();
  void savePicture();
  void copyPicture();
  void about();
  // Opens the menu at the mouse for a right click, below the focused widget for a key (and
  // for Shift+F10, which comes without an event).
  void showMenu(const QContextMenuEvent* e);
  // The menu, once it has been opened.
  QMenu* menu() const { return menu_; }
  QString aboutText() const;

 private:
  // The program's name in the windows' language.
  QString shownName() const;
  friend class Form;
  // Before the window shows for the first time: the remembered zoom, or the largest step at
  // which the window fits the screen when that is smaller.
  void firstShowing();
  // After: full screen when the command line asked for it.
  void shown();
  void zoomTo(double zoom);
  // The screen's free area less the window's frame.
  QSize freeArea() const;
  QAction* command(const QString& text, const QList<QKeySequence>& keys, void (Teacher::*run)());

  Form& form_;
  std::vector<QAction*> commands_;  // in the menu's order
  QAction* leave_;                  // Esc, while the window fills the screen
  QPointer<QMenu> menu_;
};

}  // namespace ui

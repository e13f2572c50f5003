// SPDX-License-Identifier: GPL-3.0-or-later
// The window a pupil starts the lessons from: every program of the suite with its icon and
// what it shows; each starts as a process of its own.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

#include "program.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

class Launcher : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(Launcher)

 public:
  // Starts the executable at `path` with `arguments` as a separate process; false when it
  // could not.
  using Starter = std::function<bool(const QString& path, const QStringList& arguments)>;

  // Programs are looked for beside each of `searchDirs`, the folders the launcher may lie in:
  // an installed bin folder, whose programs lie in the suite's folder under lib, or the
  // launcher's folder in the build tree, beside the programs' folders.
  Launcher(std::vector<Program> programs, QStringList searchDirs, Starter starter = startDetached);
  // A starter that needs no arguments.
  Launcher(std::vector<Program> programs, QStringList searchDirs,
           std::function<bool(const QString& path)> starter);

  // The launcher's own folder, from which the installed programs, or the build tree's, are found.
  static QStringList defaultSearchDirs();
  static bool startDetached(const QString& path, const QStringList& arguments = {});

  // A start of the same program within this time is the second click of a double click.
  static constexpr int kRepeatGuardMs = 1000;

  QListWidget* list() const { return list_; }
  QPushButton* startButton() const { return startButton_; }
  QLabel* message() const { return message_; }
  // "Во весь экран": the program starts filling the screen; kept between runs.
  QCheckBox* fullScreen() const { return fullScreen_; }

 private:
  // The selected entry, or the current one while none is selected.
  int chosenRow() const;
  void start(int row);
  QString findExecutable(const QString& executable) const;
  void say(const QString& text, bool problem);
  // As many rows in view as the screen's free height leaves room for, nine at most.
  void fitScreen();

  std::vector<Program> programs_;
  QStringList searchDirs_;
  Starter starter_;
  std::map<int, QElapsedTimer> lastStart_;  // by row
  QListWidget* list_;
  QPushButton* startButton_;
  QLabel* message_;
  QCheckBox* fullScreen_;
};

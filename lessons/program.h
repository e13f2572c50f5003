// SPDX-License-Identifier: GPL-3.0-or-later
// A program of the suite as the launcher lists it.
#pragma once

#include <QString>
#include <vector>

struct Program {
  QString executable;    // also the program's folder
  QString name;          // the name the suite calls it by, in Russian
  QString description;   // what it shows, one Russian line
  QString icon;          // resource path of its icon
  QString english = {};  // what it shows, in English; empty: the Russian line serves
};

// The programs built together with the launcher, in the suite's order.
const std::vector<Program>& suitePrograms();

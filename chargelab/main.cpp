// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvel.h"
#include "ui/app.h"

int main(int argc, char** argv) {
  return ui::runProgram<Quorvel>(argc, argv);
}

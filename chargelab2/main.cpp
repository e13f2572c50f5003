// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app.h"
#include "varden.h"

int main(int argc, char** argv) {
  return ui::runProgram<Varden>(argc, argv);
}

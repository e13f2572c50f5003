// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"
#include "ui/app.h"

int main(int argc, char** argv) {
  return ui::runProgram<Form1>(argc, argv);
}

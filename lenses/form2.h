// SPDX-License-Identifier: GPL-3.0-or-later
// The help window of the thin-lens lesson: one text telling the pupil what to do and what the
// colours mean.
#pragma once

#include "ui/controls.h"

class Form2 : public ui::Form {
 public:
  Form2();

  void Form_Load() override;

  ui::TextBox Text1{this, "Text1", "Text1", {240, 120, 6375, 4215}, true};
};

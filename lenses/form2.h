// SPDX-License-Identifier: GPL-3.0-or-later
// The help window of the thin-lens lesson: one text telling the pupil what to do and what the
// colours mean.
#pragma once

#include <QCoreApplication>

#include "ui/controls.h"

class Form2 : public ui::Form {
  Q_DECLARE_TR_FUNCTIONS(Form2)

 public:
  Form2();

  void Form_Load() override;

  ui::TextBox Text1{this, "Text1", "Text1", {240, 120, 6375, 4215}, true};
};

// SPDX-License-Identifier: GPL-3.0-or-later
// What one program's copy of the four-question quiz window has of its own: the questions,
// the captions of the eight options, which option answers each question, the layout and
// the font.
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "ui/controls.h"

struct QuizDesign {
  // Written into Text1 by the question buttons, question 1 first.
  std::array<QString, 4> questions;
  // Captions of Option1..Option8; question n holds Option(2n-1) and Option(2n).
  std::array<QString, 8> options;
  // The correct option (1..8) of questions 1..4.
  std::array<int, 4> correctOptions;

  double clientWidth = 0;   // twips
  double clientHeight = 0;  // twips
  // The window's font, which every control takes over; the default font when not given.
  std::optional<ui::FontSpec> font;

  ui::Rect text1;
  std::array<ui::Rect, 4> frames;
  // Relative to the frame that holds the option.
  std::array<ui::Rect, 8> optionRects;
  // Command1..Command7.
  std::array<ui::Rect, 7> buttons;
};

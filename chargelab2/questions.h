// SPDX-License-Identifier: GPL-3.0-or-later
// The fourteen questions of the charge lab tests: test F asks 1–7, test E asks 8–14.
#pragma once

#include <array>

constexpr int kQuestionCount = 14;
constexpr int kQuestionsPerTest = 7;

struct QuizQuestion {
  const char* text;
  std::array<const char*, 3> options;
  const char* right;  // the number of the right option, as the pupil types it
};

extern const std::array<QuizQuestion, kQuestionCount> kQuizQuestions;

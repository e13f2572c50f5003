// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz of the oscillating circuit: period and frequency against L and C.
#pragma once

#include "quizdesign.h"

QuizDesign oscillationsQuiz();

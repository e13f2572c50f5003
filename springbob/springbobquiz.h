// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz of the spring pendulum: period and frequency against the mass m and the stiffness k.
#pragma once

#include "quizdesign.h"

QuizDesign springBobQuiz();

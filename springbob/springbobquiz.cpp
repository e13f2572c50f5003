// SPDX-License-Identifier: GPL-3.0-or-later
#include "springbobquiz.h"

#include <QCoreApplication>

QuizDesign springBobQuiz() {
  return {
      {QCoreApplication::translate(
           "SpringBobQuiz",
           "Исследуйте и выберите ответ: 1 - Как зависит период колебаний груза на "
           "пружине от массы груза?"),
       QCoreApplication::translate(
           "SpringBobQuiz",
           "Исследуйте и выберите ответ: 2 - Как зависит период колебаний груза на "
           "пружине от жёсткости пружины?"),
       QCoreApplication::translate(
           "SpringBobQuiz",
           "Исследуйте и выберите ответ: 3 - Как зависит частота колебаний груза на "
           "пружине от массы груза?"),
       QCoreApplication::translate(
           "SpringBobQuiz",
           "Исследуйте и выберите ответ: 4 - Как зависит частота колебаний груза на "
           "пружине от жёсткости пружины?")},
      {QCoreApplication::translate("SpringBobQuiz", "1 Прямопропорционально корню из m"),
       QCoreApplication::translate("SpringBobQuiz", "2 Обратнопропорционально корню из m"),
       QCoreApplication::translate("SpringBobQuiz", "3 Прямопропорционально корню из k"),
       QCoreApplication::translate("SpringBobQuiz", "4 Обратнопропорционально корню из k"),
       QCoreApplication::translate("SpringBobQuiz", "5 Прямопропорционально корню из m"),
       QCoreApplication::translate("SpringBobQuiz", "6  Обратнопропорционально корню из m"),
       QCoreApplication::translate("SpringBobQuiz", "7 Прямопропорционально корню из k"),
       QCoreApplication::translate("SpringBobQuiz", "8 Обратнопропорционально корню из k")},
      // T = 2π·√(m/k) grows with √m and falls with √k; the frequency does the opposite.
      {1, 4, 6, 7},
      6825,
      8295,
      ui::FontSpec{QStringLiteral("MS Sans Serif"), 12, true},
      {120, 240, 6375, 1095},
      {{{240, 1440, 6255, 1335},
        {240, 2880, 6255, 1335},
        {240, 4320, 6255, 1335},
        {240, 5760, 6255, 1215}}},
      {{{120, 240, 6015, 495},
        {120, 720, 5895, 495},
        {120, 240, 5895, 495},
        {120, 600, 5895, 615},
        {120, 360, 5775, 375},
        {120, 720, 5775, 495},
        {120, 240, 5775, 375},
        {120, 600, 5775, 465}}},
      // Command1..Command7.
      {{{3600, 7080, 1335, 495},
        {5040, 7080, 1335, 495},
        {1800, 7680, 1455, 495},
        {3600, 7680, 1335, 495},
        {5040, 7680, 1335, 495},
        {1920, 7080, 1335, 495},
        {240, 7680, 1455, 495}}},
  };
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "oscillationsquiz.h"

#include <QCoreApplication>

QuizDesign oscillationsQuiz() {
  return {
      {QCoreApplication::translate(
           "OscillationsQuiz",
           "Исследуйте и выберите ответ: 1 - Как зависит период электромагнитных "
           "колебаний в контуре от индуктивности катушки?"),
       QCoreApplication::translate(
           "OscillationsQuiz",
           "Исследуйте и выберите ответ: 2 - Как зависит период электромагнитных "
           "колебаний в контуре от ёмкости конденсатора?"),
       QCoreApplication::translate(
           "OscillationsQuiz",
           "Исследуйте и выберите ответ: 3 - Как зависит частота электромагнитных "
           "колебаний в контуре от индуктивности катушки?"),
       QCoreApplication::translate(
           "OscillationsQuiz",
           "Исследуйте и выберите ответ: 4 - Как зависит частота электромагнитных "
           "колебаний в контуре от ёмкости конденсатора?")},
      {QCoreApplication::translate("OscillationsQuiz", "1 Прямопропорционально корню из L"),
       QCoreApplication::translate("OscillationsQuiz", "2 Обратнопропорционально корню из L"),
       QCoreApplication::translate("OscillationsQuiz", "3 Прямопропорционально корню из C"),
       QCoreApplication::translate("OscillationsQuiz", "4 Обратнопропорционально корню из C"),
       QCoreApplication::translate("OscillationsQuiz", "5 Прямопропорционально корню из L"),
       QCoreApplication::translate("OscillationsQuiz", "6  Обратнопропорционально корню из L"),
       QCoreApplication::translate("OscillationsQuiz", "7 Прямопропорционально корню из C"),
       QCoreApplication::translate("OscillationsQuiz", "8 Обратнопропорционально корню из C")},
      // T = 2π·√(LC) grows with √L and √C; the frequency falls with both.
      {1, 3, 6, 8},
      6825,
      8085,
      std::nullopt,
      {120, 120, 6375, 1215},
      {{{120, 1440, 6255, 1335},
        {120, 2760, 6255, 1335},
        {120, 4080, 6255, 1335},
        {120, 5400, 6255, 1215}}},
      {{{120, 240, 6015, 495},
        {120, 720, 5895, 495},
        {120, 240, 5895, 495},
        {120, 600, 5895, 615},
        {120, 240, 5775, 375},
        {120, 720, 5775, 495},
        {120, 240, 5775, 375},
        {120, 600, 5775, 465}}},
      {{{3480, 6840, 1335, 495},
        {4920, 6840, 1335, 495},
        {1680, 7440, 1455, 495},
        {3480, 7440, 1335, 495},
        {4920, 7440, 1335, 495},
        {1800, 6840, 1335, 495},
        {0, 7440, 1455, 495}}},
  };
}

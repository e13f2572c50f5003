// SPDX-License-Identifier: GPL-3.0-or-later
#include "errors.h"

namespace ui {

RuntimeError::RuntimeError(Kind kind, QString detail) : kind_(kind), detail_(std::move(detail)) {}

QString RuntimeError::message() const {
  QString text;
  switch (kind_) {
    case Overflow:
      text = QStringLiteral("Переполнение: число вышло за допустимые пределы.");
      break;
    case DivisionByZero:
      text = QStringLiteral("Деление на ноль.");
      break;
    case BadArgument:
      text = QStringLiteral("Недопустимый аргумент математической функции.");
      break;
    case Other:
      text = QStringLiteral("Ошибка выполнения программы.");
      break;
  }
  if (!detail_.isEmpty()) text += QLatin1Char('\n') + detail_;
  return text;
}

double divide(double a, double b) {
  if (b == 0) throw RuntimeError(RuntimeError::DivisionByZero);
  return a / b;
}

}  // namespace ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "errors.h"

#include <QCoreApplication>

namespace ui {

RuntimeError::RuntimeError(Kind kind, QString detail) : kind_(kind), detail_(std::move(detail)) {}

QString RuntimeError::message() const {
  QString text;
  switch (kind_) {
    case Overflow:
      text = QCoreApplication::translate("ui", "Переполнение: число вышло за допустимые пределы.");
      break;
    case DivisionByZero:
      text = QCoreApplication::translate("ui", "Деление на ноль.");
      break;
    case BadArgument:
      text = QCoreApplication::translate("ui", "Недопустимый аргумент математической функции.");
      break;
    case Other:
      text = QCoreApplication::translate("ui", "Ошибка выполнения программы.");
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

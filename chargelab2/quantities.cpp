// SPDX-License-Identifier: GPL-3.0-or-later
#include "quantities.h"

#include <cmath>

#include "ui/errors.h"

namespace chargelab {
namespace {

// Floors twice, to whole units of 10^-9 and then to thousandths of the shown unit.
double cutToThousandths(double scaled) {
  return ui::Int(ui::Int(scaled) / 1000000.0) / 1000.0;
}

double overSquare(double numerator, int r) {
  return ui::divide(numerator, std::pow(double(r), 2.0));
}

}  // namespace

double coulombForce(ui::Int16 k, int q1, int q2, int r) {
  const ui::Int16 product = ui::mul16(k.value(), ui::mul16(q1, q2));
  return cutToThousandths(overSquare(double(product) * 1e10, r));
}

double fieldStrength(ui::Int16 k, int q, int r) {
  const ui::Int16 product = ui::mul16(k.value(), q);
  return cutToThousandths(overSquare(double(product) * 1e10, r));
}

}  // namespace chargelab

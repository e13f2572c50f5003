// SPDX-License-Identifier: GPL-3.0-or-later
// The Coulomb force and the field strengths of two point charges, cut to three decimals the
// way the charge labs show them.
#pragma once

#include "ui/values.h"

namespace chargelab {

// The Coulomb factor 9: the 10^9 of k = 9·10^9 N·m²/C² is folded into the scaling below.
constexpr qint16 kCoulombFactor = 9;

// The force between q1 and q2 (nC) at distance r (cm), in µN, signed (negative when the
// charges attract): Int(Int(k·q1·q2·10^10 / r²) / 10^6) / 1000. The product k·q1·q2 is formed
// in 16 bits. Flooring before any magnitude is taken makes an attraction one unit of the last
// decimal larger than the matching repulsion (−.063 against .062).
double coulombForce(ui::Int16 k, int q1, int q2, int r);

// The field strength of charge q (nC) at distance r (cm), signed, cut the same way.
double fieldStrength(ui::Int16 k, int q, int r);

}  // namespace chargelab

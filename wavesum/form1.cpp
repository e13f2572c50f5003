// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

namespace wavesum {
namespace {

wave::StartButtons twoWaveButtons() {
  wave::StartButtons b;
  b.command2 = {Form1::tr("Волна1"), QStringLiteral("i = I *  Sin(w*(t-x/v))    w=1/sqr(L*C) "), -1,
                0, 0};
  b.command3 = {Form1::tr("Волна2"),
                QStringLiteral("u =U * e^(-b*t)*Cos(w*(t-x/v))   w=1/sqr(L*C) "), 0, -1, 0};
  b.command4 = {Form1::tr("Обе"),
                QStringLiteral("u =U * e^(-b*t)*Cos(w*(t-x/v))   w=1/sqr(L*C)  "
                               "i = I * e^(-b*t)*Sin(w*(t-x/v))"),
                -1, -1, -1};
  return b;
}

wave::WaveRules twoWaveRules() {
  wave::WaveRules r;
  r.reseedOnStart = false;
  r.clearResetsTime = false;  // the next animation goes on from the instant reached
  r.reseedAfterClear = true;
  r.resumeStepsBack = true;
  r.firstWaveRadius = 2;
  return r;
}

}  // namespace

Form1::Form1() : WaveWindow(twoWaveButtons(), twoWaveRules()) {}

}  // namespace wavesum

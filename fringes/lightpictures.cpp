// SPDX-License-Identifier: GPL-3.0-or-later
// The light pictures of the Fringes window: two-slit interference, grating diffraction and the
// wavelength measurement, each a loop of frames in the colour of the chosen wavelength.
#include "form1.h"
#include "ui/platform.h"

namespace fringes {

using ui::At;
using ui::Step;

void Form1::Command8_Click() {
  runLightPicture(&Form1::drawInterference, &Form1::eraseInterference);
}
void Form1::Command7_Click() {
  runLightPicture(&Form1::drawDiffraction, &Form1::eraseDiffraction);
}
void Form1::Command9_Click() {
  runLightPicture(&Form1::drawMeasurement, &Form1::eraseMeasurement);
}

void Form1::runLightPicture(FramePart draw, FramePart erase) {
  Running = -1;
  Picture1.setBackColor(kGrey);
  ui::Randomize();
  Picture1.cls();
  Picture1.scale(0, -200, 1000, 200);
  DelayFactor = 0.8;
  lightAxes();
  while (Running != 0) {
    StepsPerPi = float(HScroll3.value());  // the wavelength, nm
    takeWaveColour();
    (this->*draw)();
    ui::pause(DelayFactor * 0.005);
    // A handler run in the pause may have changed the wavelength, or made the picture white by
    // starting a wave: the wiping follows both.
    (this->*erase)();
  }
}

// The x axis counts hundreds of units from the slits at x = 200.
void Form1::lightAxes() {
  Picture1.pset(At(0, 0), ui::kBlack);
  Picture1.line(Step(0, -200), Step(0, 400));
  Picture1.pset(At(0, 0), ui::kBlack);
  Picture1.line(Step(0, 0), Step(1000, 0));
  for (Counter = 2; Counter <= 9; ++Counter) {
    Picture1.pset(At(100 * Counter, 0), ui::kBlack);
    Picture1.line(Step(0, -5), Step(0, 10));
    Picture1.pset(At(100 * Counter, 0), ui::kBlack);
    Picture1.print(Counter - 1);
  }
}

// Seven bands of the visible range; a wavelength outside them keeps the colour it had.
void Form1::takeWaveColour() {
  const float nm = StepsPerPi;
  if (nm > 700 && nm <= 760) WaveColour = ui::RGB(255, 0, 0);
  if (nm > 650 && nm <= 700) WaveColour = ui::RGB(255, 128, 0);
  if (nm > 590 && nm <= 650) WaveColour = ui::RGB(255, 255, 0);
  if (nm > 540 && nm <= 590) WaveColour = ui::RGB(0, 255, 0);
  if (nm > 490 && nm <= 540) WaveColour = ui::RGB(0, 255, 255);
  if (nm > 440 && nm <= 490) WaveColour = ui::RGB(0, 0, 255);
  if (nm >= 400 && nm <= 440) WaveColour = ui::RGB(255, 0, 255);
}

void Form1::from(double x, double y, double dx, double dy, ui::Color colour) {
  Picture1.pset(At(x, y), colour);
  Picture1.line(Step(0, 0), Step(dx, dy), colour);
}

void Form1::then(double dx, double dy, ui::Color colour) {
  Picture1.line(Step(dx, dy), colour);
}

// ---- Two-slit interference ----

void Form1::drawInterference() {
  const double nm = StepsPerPi;
  Picture1.setDrawWidth(3);
  // The barrier: a middle piece up to y = nm / 50 and the walls from y = 20 outwards, which
  // leaves the two slits open.
  for (Counter = 0; Counter <= 1; ++Counter) {
    from(200, 20 * Counter, 0, nm / 50, ui::kBlack);
    if (Counter == 1) then(0, 200, ui::kBlack);
  }
  for (Counter = 0; Counter <= 1; ++Counter) {
    from(200, -20 * Counter, 0, -nm / 50, ui::kBlack);
    if (Counter == 1) then(0, -200, ui::kBlack);
  }
  ArcStep = float(nm / 200 + 25);
  const double start = PiValue * (4 - nm / 1000) / 2, end = PiValue / (3.6 - nm / 1000);
  wavefronts(-20, start, end, WaveColour, 3);
  wavefronts(20, start, end, WaveColour, 3);
  Picture1.setDrawWidth(1);
  incomingLight();
}

void Form1::eraseInterference() {
  const ui::Color back = Picture1.backColor();
  from(200, -200, 0, 400, back);
  // Wider and over the widest opening any wavelength gives, so every drawn arc is covered.
  wavefronts(-20, PiValue * 3.2 / 2, PiValue / 2.8, back, 6);
  wavefronts(20, PiValue * 3.2 / 2, PiValue / 2.8, back, 6);
  Picture1.setDrawWidth(1);
}

// Twenty arcs around the slit at (200, slitY); after the last, the first-order fringe on its
// side and the central fringe. The screen is drawn after the upper slit's arcs and, in the
// background colour, wiped after the lower slit's.
void Form1::wavefronts(double slitY, double startAngle, double endAngle, ui::Color colour,
                       int width) {
  const double nm = StepsPerPi;
  const bool erasing = colour == Picture1.backColor();
  Picture1.setDrawWidth(width);
  for (Counter = 1; Counter <= 20; ++Counter) {
    Picture1.pset(At(200, slitY), colour);
    Picture1.circle(Step(0, 0), Counter * ArcStep, colour, startAngle, endAngle);
    if (Counter == 20) {
      const double xs = screenX();
      const double fringeY = slitY < 0 ? -nm * 20 / 100 : nm * 20 / 100;
      from(xs, fringeY, 100, 0, colour);
      if (slitY < 0 && !erasing) {
        Picture1.pset(At(xs, -200), ui::kBlack);
        Picture1.line(Step(0, 0), Step(0, 400));
      }
      if (slitY > 0 && erasing) from(xs, -200, 0, 400, colour);
      Picture1.setDrawWidth(5);
      from(xs, 0, 100, 0, colour);
      Picture1.setDrawWidth(width);
    }
  }
}

// ---- The grating ----

void Form1::drawGrating() {
  const double nm = StepsPerPi;
  Picture1.setDrawWidth(3);
  for (Counter = 0; Counter <= 9; ++Counter)
    from(200, 20 * Counter, 0, nm / 100, ui::kBlack);
  for (Counter = 0; Counter <= 9; ++Counter) {
    Picture1.pset(At(200, -20 * Counter), ui::kBlack);
    Picture1.line(Step(0, 0), Step(0, -nm / 200));
  }
  Picture1.setDrawWidth(1);
}

void Form1::incomingLight() {
  for (Counter = 0; Counter <= 9; ++Counter)
    from(0, 20 * Counter, 200, 0, WaveColour);
  for (Counter = 0; Counter <= 9; ++Counter)
    from(0, -20 * Counter, 200, 0, WaveColour);
}

void Form1::screenAt(double x) {
  Picture1.setDrawWidth(3);
  Picture1.pset(At(x, -200), ui::kBlack);
  Picture1.line(Step(0, 0), Step(0, 400));
}

// A fringe mark 100 units long, three pixels wide, from where the last line ended.
void Form1::firstOrderMark(ui::Color colour) {
  Picture1.setDrawWidth(3);
  then(100, 0, colour);
  Picture1.setDrawWidth(1);
}

void Form1::drawDiffraction() {
  const double nm = StepsPerPi;
  drawGrating();
  // Three rays of each first order, bent by the lens at x = 500 to meet on the screen.
  for (Counter = 1; Counter <= 3; ++Counter) {
    from(200, -20 * Counter, 300, -nm * 20 / 100, WaveColour);
    then(200, 20 * Counter, WaveColour);
    firstOrderMark(WaveColour);
  }
  for (Counter = 1; Counter <= 3; ++Counter) {
    from(200, 20 * Counter, 300, nm * 20 / 100, WaveColour);
    then(200, -20 * Counter, WaveColour);
    firstOrderMark(WaveColour);
  }
  Picture1.setDrawWidth(3);
  from(700, 0, 100, 0, WaveColour);
  Picture1.setDrawWidth(1);
  incomingLight();
  screenAt(700);
  // The lens: a double arrow, its heads 10 units across.
  Picture1.pset(At(500, 0), ui::kBlack);
  Picture1.line(Step(0, 0), Step(0, -190));
  Picture1.line(Step(-10, 10));
  Picture1.line(Step(10, -10));
  Picture1.line(Step(10, 10));
  Picture1.pset(At(500, 0), ui::kBlack);
  Picture1.line(Step(0, 0), Step(0, 190));
  Picture1.line(Step(-10, -10));
  Picture1.line(Step(10, 10));
  Picture1.line(Step(10, -10));
  Picture1.setDrawWidth(1);
}

// With "Спектр" checked the first-order marks stay: one pair for every wavelength shown.
void Form1::eraseDiffraction() {
  const double nm = StepsPerPi;
  const ui::Color back = Picture1.backColor();
  from(200, -200, 0, 400, back);
  for (Counter = 1; Counter <= 3; ++Counter) {
    from(200, 20 * Counter, 300, nm / 5, back);
    then(200, -20 * Counter, back);
    if (Check1.value() == 0) firstOrderMark(back);
  }
  for (Counter = 1; Counter <= 3; ++Counter) {
    from(200, -20 * Counter, 300, -nm / 5, back);
    then(200, 20 * Counter, back);
    if (Check1.value() == 0) firstOrderMark(back);
  }
  Picture1.setDrawWidth(3);
  from(700, 0, 100, 0, back);
  Picture1.setDrawWidth(1);
}

// ---- Measuring the wavelength ----

void Form1::drawMeasurement() {
  const double nm = StepsPerPi;
  drawGrating();
  for (Counter = 1; Counter <= 1; ++Counter) {
    from(200, -20, 500, -nm * 20 / 100, WaveColour);
    firstOrderMark(WaveColour);
  }
  for (Counter = 1; Counter <= 1; ++Counter) {
    from(200, 20, 500, nm * 20 / 100, WaveColour);
    firstOrderMark(WaveColour);
  }
  Picture1.setDrawWidth(3);
  from(700, 0, 100, 0, WaveColour);
  Picture1.setDrawWidth(1);
  incomingLight();
  screenAt(700);
  Picture1.setDrawWidth(1);
}

void Form1::eraseMeasurement() {
  const double nm = StepsPerPi;
  const ui::Color back = Picture1.backColor();
  from(200, -200, 0, 400, back);
  for (Counter = 1; Counter <= 1; ++Counter) {
    from(200, 20, 500, nm / 5, back);
    if (Check1.value() == 0) firstOrderMark(back);
  }
  for (Counter = 1; Counter <= 1; ++Counter) {
    from(200, -20, 500, -nm / 5, back);
    if (Check1.value() == 0) firstOrderMark(back);
  }
  Picture1.setDrawWidth(3);
  from(700, 0, 100, 0, back);
  Picture1.setDrawWidth(1);
}

}  // namespace fringes

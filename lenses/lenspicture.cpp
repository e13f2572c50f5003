// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing of the lens view: axis, scale, object, image and lens symbol, and their erase.
#include <cmath>

#include "form1.h"
#include "ui/values.h"

using namespace ui;

namespace {

constexpr double kFootY = -9;  // the object's foot, just above the axis
constexpr double kLensTip = 900;
constexpr double kBarbWidth = 20;
constexpr double kBarbLength = 50;

}  // namespace

void Form1::DrawAxisAndScale() {
  Picture1.pset(At(0, 0), kBlack);
  Picture1.line(At(0, -200), At(0, 200));
  Picture1.pset(At(0, 0), kBlack);
  Picture1.line(At(-1000, 0), At(1000, 0));
  DrawScale();
}

void Form1::DrawScale() {
  for (TickNo = 1; TickNo <= 10; ++TickNo) {
    const Color c = TickNo == 2 || TickNo == 4 ? kYellow : kBlack;
    ImageColor = c;
    for (const double x : {-100.0 * TickNo, 100.0 * TickNo}) {
      Picture1.pset(At(x, 0), c);
      Picture1.line(At(x, -10), At(x, 10), c);
      Picture1.pset(At(x, 0), c);
      Picture1.print(100 * TickNo);
    }
    if (TickNo == 2) {
      DrawFocalMark(-205, QStringLiteral("F"));
      DrawFocalMark(195, QStringLiteral("F"));
    } else if (TickNo == 4) {
      DrawFocalMark(-405, QStringLiteral("2F"));
      DrawFocalMark(395, QStringLiteral("2F"));
    }
  }
}

void Form1::DrawFocalMark(double x, const QString& text) {
  Picture1.pset(At(x, 50), kGrey);
  Picture1.setFontBold(true);
  Picture1.setForeColor(kYellow);
  Picture1.print(text);
  Picture1.setFontBold(false);
  Picture1.setForeColor(kBlack);
}

void Form1::DrawStartObject() {
  BaseOffset = -9;
  ObjectDist = HScroll1.value();
  Picture1.setDrawWidth(3);
  Picture1.pset(At(-ObjectDist, kFootY), kBlack);
  Picture1.line(Step(0, -100));
}

// The image goes to the distance of the previous computation (ShownDist) with the height of
// this one.
void Form1::DrawLensFrame(int objectHeight) {
  if (Option1.value()) {
    LensSign = 1;
    ImageColor = kRed;
  }
  if (Option2.value()) {
    LensSign = -1;
    ImageColor = kLightBlue;
  }
  if (ImageDist < 0) ImageColor = kLightBlue;
  ObjectDist = HScroll1.value();
  if (ShownDist == ObjectDist) ImageColor = kBlue;

  Picture1.setDrawWidth(3);
  Picture1.pset(At(-ObjectDist, kFootY), kBlue);
  Picture1.line(Step(0, -objectHeight), kBlue);

  Picture1.pset(At(LensSign * ShownDist, LensSign * BaseOffset), ImageColor);
  Picture1.line(Step(0, LensSign * double(ImageHeight)), ImageColor);

  DrawLensSymbol(kBlack);
}

void Form1::DrawLensSymbol(Color color) {
  Picture1.setDrawWidth(3);
  for (const double tip : {-kLensTip, kLensTip}) {
    // The barbs turn back towards the centre for the converging lens, outward for the
    // diverging one.
    const double barbY = tip - std::copysign(kBarbLength, tip) * LensSign;
    Picture1.pset(At(0, 0), color);
    Picture1.line(At(0, 0), At(0, tip), color);
    Picture1.line(At(0, tip), At(-kBarbWidth, barbY), color);
    Picture1.line(At(0, tip), color);
    Picture1.line(At(kBarbWidth, barbY), color);
  }
  Picture1.setDrawWidth(1);
}

void Form1::EraseLensFrame(int objectHeight) {
  Picture1.setDrawWidth(3);
  Picture1.pset(At(-ObjectDist, kFootY), kGrey);
  Picture1.line(Step(0, -mul16(2, objectHeight)), kGrey);
  Picture1.pset(At(LensSign * ShownDist, LensSign * BaseOffset), kGrey);
  Picture1.line(Step(0, LensSign * double(EraseHeight)), kGrey);
  DrawLensSymbol(kGrey);
}

void Form1::LensPause() {
  pause(ObjectDist * 0.005);
}

void Form1::LensLoop() {
  Running = -1;
  Picture1.setBackColor(kGrey);
  Randomize();
  Picture1.cls();
  Picture1.scale(-1000, -1000, 1000, 1000);
  DrawAxisAndScale();
  DrawStartObject();
  while (Running) {
    DrawScale();
    ShownDist = ImageDist;
    BaseOffset = ShownDist <= 0 ? -9 : 9;
    EraseHeight = 2 * ImageHeight;
    ComputeImage();
    // h may be lowered during the pause: the object is wiped at the height it was drawn.
    const int objectHeight = HScroll2.value();
    DrawLensFrame(objectHeight);
    ShowImageKind();
    LensPause();
    EraseLensFrame(objectHeight);
  }
}

void Form1::ShowImageKind() {
  const double x = LensSign * ShownDist;
  const auto show = [this](Color color, const QString& text) {
    Text1.setForeColor(color);
    Text1.setText(text);
  };
  if (Option1.value() && x > 200 && x < 400)
    show(ImageColor, tr("действительное, перевёрнутое, уменьшенное"));
  if (Option1.value() && x == 400) show(kBlue, tr("действительное, перевёрнутое, равное предмету"));
  if (Option1.value() && x > 400) show(ImageColor, tr("действительное, перевёрнутое, увеличенное"));
  if (Option1.value() && x < 0) show(ImageColor, tr("мнимое, прямое, увеличенное"));
  if (Option2.value()) show(ImageColor, tr("мнимое, прямое, уменьшенное"));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Measures each canvas primitive against raw QPainter doing the same on the same image, the
// processor time of an empty animation loop with its 4 ms pause, and how long an empty window
// takes to show. Prints ratios measured in this one run.
#include <sys/resource.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <cstdio>
#include <functional>

#include "ui/app.h"
#include "ui/canvas.h"
#include "ui/controls.h"
#include "ui/qtbridge.h"

using namespace ui;

namespace {

constexpr int kWidth = 577, kHeight = 385;  // a picture box of the wave lessons

double nsPerCall(int calls, const std::function<void(int)>& body) {
  body(0);  // warm up
  QElapsedTimer t;
  t.start();
  for (int i = 0; i < calls; ++i)
    body(i);
  return double(t.nsecsElapsed()) / calls;
}

double cpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct Pair {
  const char* name;
  std::function<void(int)> ours;
  std::function<void(int)> raw;
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  setUpApplication();

  Canvas canvas;
  canvas.resizePixels(QSize(kWidth, kHeight));
  canvas.setBackColor(kWhite);
  canvas.scale(0, -200, 1000, 200);

  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter raw(&image);
  raw.setRenderHint(QPainter::Antialiasing, false);
  const QColor red(Qt::red), blue(Qt::blue);
  auto px = [](double x, double y) {
    return QPoint(int(x * kWidth / 1000.0 + 0.5), int((y + 200) * kHeight / 400.0 + 0.5));
  };
  const QFont font = toQFont(canvas.font(), false);
  raw.setFont(font);

  const Pair pairs[] = {
      {"pset", [&](int i) { canvas.pset(At(i % 950, (i % 300) - 150), kRed); },
       [&](int i) {
         raw.setPen(red);
         raw.drawPoint(px(i % 950, (i % 300) - 150));
       }},
      {"line", [&](int i) { canvas.line(At(i % 900, -150), At(900 - i % 900, 150), kBlue); },
       [&](int i) {
         raw.setPen(blue);
         raw.drawLine(px(i % 900, -150), px(900 - i % 900, 150));
       }},
      {"pset+step line (axis tick)",
       [&](int i) {
         canvas.pset(At(100 * (i % 9 + 1), 0), kBlack);
         canvas.line(Step(0, -5), Step(0, 10));
       },
       [&](int i) {
         raw.setPen(Qt::black);
         const QPoint p = px(100 * (i % 9 + 1), 0);
         raw.drawPoint(p);
         raw.drawLine(px(100 * (i % 9 + 1), -5), px(100 * (i % 9 + 1), 5));
       }},
      {"circle r=1 (a curve point)", [&](int i) { canvas.circle(At(i % 950, 50), 1, kRed); },
       [&](int i) {
         raw.setPen(red);
         raw.setBrush(Qt::NoBrush);
         const QPoint c = px(i % 950, 50);
         raw.drawEllipse(QRect(c.x() - 1, c.y() - 1, 2, 2));
       }},
      {"circle r=60", [&](int i) { canvas.circle(At(300 + i % 400, 0), 60, kBlue); },
       [&](int i) {
         raw.setPen(blue);
         raw.setBrush(Qt::NoBrush);
         const QPoint c = px(300 + i % 400, 0);
         raw.drawEllipse(QRect(c.x() - 35, c.y() - 35, 70, 70));
       }},
      {"filled box",
       [&](int i) {
         canvas.line(At(i % 800, -50), At(i % 800 + 100, 50), kRed, LineMode::FilledBox);
       },
       [&](int i) { raw.fillRect(QRect(px(i % 800, -50), px(i % 800 + 100, 50)), red); }},
      {"print a number",
       [&](int i) {
         canvas.pset(At(i % 900, 0));
         canvas.print(i % 9 + 1);
       },
       [&](int i) {
         raw.setPen(Qt::black);
         const QPoint p = px(i % 900, 0);
         raw.drawText(QPoint(p.x(), p.y() + QFontMetrics(font).ascent()),
                      QString::number(i % 9 + 1) + QLatin1Char(' '));
       }},
  };

  std::printf("canvas primitive                 ours ns   raw ns   ratio\n");
  double worst = 0;
  for (const Pair& p : pairs) {
    const int calls = 20000;
    const double ours = nsPerCall(calls, p.ours);
    const double base = nsPerCall(calls, p.raw);
    worst = std::max(worst, ours / base);
    std::printf("%-30s %9.0f %8.0f %7.2f\n", p.name, ours, base, ours / base);
  }
  std::printf("worst ratio: %.2f (goal: at most 1.5)\n\n", worst);
  raw.end();

  // An empty animation loop: nothing but the 4 ms pause, for two seconds.
  {
    QElapsedTimer wall;
    wall.start();
    const double cpu0 = cpuSeconds();
    int frames = 0;
    while (wall.elapsed() < 2000) {
      pause(0.8 * 0.005);
      ++frames;
    }
    const double cpu = cpuSeconds() - cpu0;
    std::printf(
        "empty loop with a 4 ms pause: %d frames in %.2f s, core busy %.1f %% (goal: under 5 %%)\n",
        frames, wall.elapsed() / 1000.0, 100.0 * cpu / (wall.elapsed() / 1000.0));
  }

  // An empty window from construction until it is exposed.
  {
    QElapsedTimer t;
    t.start();
    Form form(QStringLiteral("Form1"), 9510, 6690);
    form.show();
    const bool exposed = QTest::qWaitForWindowExposed(form.window());
    std::printf("empty window %s in %.1f ms (goal: under 150 ms)\n",
                exposed ? "shown" : "NOT shown", t.nsecsElapsed() / 1e6);
  }
  return 0;
}

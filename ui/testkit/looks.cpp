// SPDX-License-Identifier: GPL-3.0-or-later
#include "looks.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

namespace ui::testkit {
namespace {

QRgb fadedGrey(QRgb c) {
  const int grey = 191 + qGray(c) / 4;
  return qRgb(grey, grey, grey);
}

// The reference faded to light grey with every pixel that differs from `got` in red, on the
// larger of the two sizes; counts the differing pixels (a pixel only one picture has counts).
QImage differenceOf(const QImage& got, const QImage& want, int* differing) {
  const QSize size = got.size().expandedTo(want.size());
  QImage diff(size, QImage::Format_RGB32);
  *differing = 0;
  for (int y = 0; y < size.height(); ++y) {
    QRgb* out = reinterpret_cast<QRgb*>(diff.scanLine(y));
    for (int x = 0; x < size.width(); ++x) {
      const bool inGot = got.rect().contains(x, y), inWant = want.rect().contains(x, y);
      const QRgb a = inGot ? got.pixel(x, y) : 0, b = inWant ? want.pixel(x, y) : 0;
      const bool same = inGot && inWant && (a | 0xFF000000u) == (b | 0xFF000000u);
      out[x] = same ? fadedGrey(b) : qRgb(255, 0, 0);
      *differing += !same;
    }
  }
  return diff;
}

}  // namespace

bool matchesReference(const QImage& got, const QString& reference, const QString& outDir,
                      QString* report) {
  const QImage picture = got.convertToFormat(QImage::Format_RGB32);
  if (!qEnvironmentVariableIsEmpty("LESSON_LOOKS_ACCEPT")) {
    QDir().mkpath(QFileInfo(reference).absolutePath());
    const bool saved = picture.save(reference, "PNG", 9);
    *report = saved ? QStringLiteral("accepted %1").arg(reference)
                    : QStringLiteral("could not write %1").arg(reference);
    return saved;
  }
  const QImage want(reference);
  if (!want.isNull() && want.size() == picture.size() &&
      want.convertToFormat(QImage::Format_RGB32) == picture)
    return true;

  QDir().mkpath(outDir);
  const QString base = QDir(outDir).filePath(QFileInfo(reference).completeBaseName());
  const QString gotPath = base + QStringLiteral(".png");
  picture.save(gotPath, "PNG");
  if (want.isNull()) {
    *report = QStringLiteral(
                  "no reference %1; the picture got is %2 (scripts/screenshots "
                  "--accept makes it the reference)")
                  .arg(reference, gotPath);
    return false;
  }
  int differing = 0;
  const QString diffPath = base + QStringLiteral("-diff.png");
  differenceOf(picture, want.convertToFormat(QImage::Format_RGB32), &differing).save(diffPath);
  *report = QStringLiteral(
                "%1 differs from its reference in %2 pixels (got %3x%4, want %5x%6): "
                "got %7, difference %8")
                .arg(reference)
                .arg(differing)
                .arg(picture.width())
                .arg(picture.height())
                .arg(want.width())
                .arg(want.height())
                .arg(gotPath, diffPath);
  return false;
}

}  // namespace ui::testkit

// SPDX-License-Identifier: GPL-3.0-or-later
// Reference pictures: what a window looks like, compared pixel for pixel with a PNG kept beside
// the tests. A mismatch leaves the picture got and a difference image in the build folder.
#pragma once

#include <QImage>
#include <QString>

namespace ui::testkit {

// Compares `got` with the PNG at `reference`. On a mismatch it writes the picture got and a
// difference image (the reference faded, each differing pixel red) into `outDir`, names them in
// `*report` with the count of differing pixels, and returns false. With LESSON_LOOKS_ACCEPT set
// in the environment it writes `got` as the new reference instead and returns true.
bool matchesReference(const QImage& got, const QString& reference, const QString& outDir,
                      QString* report);

}  // namespace ui::testkit

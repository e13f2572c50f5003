// SPDX-License-Identifier: GPL-3.0-or-later
// What the program tests read from a canvas's draw log, and a run of an animation for a given
// number of frames on the scripted platform.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "ui/canvas.h"
#include "ui/controls.h"
#include "ui/testkit/fakeplatform.h"

namespace ui::testkit {

// The records of one kind and colour in a stretch of the draw log.
inline std::vector<DrawRecord> records(const std::vector<DrawRecord>& log, DrawRecord::Kind kind,
                                       Color c, size_t from = 0, size_t to = SIZE_MAX) {
  std::vector<DrawRecord> out;
  for (size_t i = from; i < std::min(to, log.size()); ++i)
    if (log[i].kind == kind && log[i].color == c) out.push_back(log[i]);
  return out;
}
inline std::vector<DrawRecord> records(const Canvas& canvas, DrawRecord::Kind kind, Color c) {
  return records(canvas.log(), kind, c);
}

// Lets the animation of `start` run until the pause numbered `frames` (counted from the click),
// then clicks `stop` during that pause; `each` sees every pause's number on the way.
inline void runFrames(FakePlatform& fake, Control& start, Control& stop, int frames,
                      const std::function<void(int)>& each = {}) {
  const int before = fake.pauses();
  fake.onPause = [&, before, frames](int n) {
    if (each) each(n - before);
    if (n - before == frames) stop.click();
  };
  start.click();
  fake.onPause = nullptr;
}

}  // namespace ui::testkit

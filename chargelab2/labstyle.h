// SPDX-License-Identifier: GPL-3.0-or-later
// The look the charge lab windows share: their teal and pale colours, their two font families
// and the ways they dress captions, value boxes and the small labels inside the picture.
#pragma once

#include "ui/controls.h"

namespace chargelab {

const ui::Color kTeal = ui::RGB(0, 128, 128);    // the window and the captions
const ui::Color kPale = ui::RGB(192, 255, 255);  // the picture and the boxes lying on it

ui::FontSpec sans(double size, bool bold = false, bool italic = false);
ui::FontSpec times(double size, bool bold = false);

// A centred caption on the window's teal.
void styleLabel(ui::Label& label, ui::Color fore, const ui::FontSpec& font);
// A box showing a value, named for a screen reader.
void styleBox(ui::TextBox& box, ui::Color fore, const ui::FontSpec& font, const QString& name);
// A borderless box on the picture's pale background, bold at 8.25 pt.
void styleTag(ui::TextBox& box, const QString& name, bool italic = true);

}  // namespace chargelab

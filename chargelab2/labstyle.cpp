// SPDX-License-Identifier: GPL-3.0-or-later
#include "labstyle.h"

namespace chargelab {

ui::FontSpec sans(double size, bool bold, bool italic) {
  return ui::FontSpec{QStringLiteral("MS Sans Serif"), size, bold, italic, false};
}

ui::FontSpec times(double size, bool bold) {
  return ui::FontSpec{QStringLiteral("Times New Roman"), size, bold, false, false};
}

void styleLabel(ui::Label& label, ui::Color fore, const ui::FontSpec& font) {
  label.setBackColor(kTeal);
  label.setForeColor(fore);
  label.setFont(font);
  label.setAlignment(ui::Align::Center);
}

void styleBox(ui::TextBox& box, ui::Color fore, const ui::FontSpec& font, const QString& name) {
  box.setForeColor(fore);
  box.setFont(font);
  box.setAccessibleName(name);
}

void styleTag(ui::TextBox& box, const QString& name, bool italic) {
  box.setBackColor(kPale);
  box.setBorderStyle(0);
  box.setFont(sans(8.25, true, italic));
  box.setAccessibleName(name);
}

}  // namespace chargelab

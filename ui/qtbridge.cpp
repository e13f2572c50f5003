// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtbridge.h"

#include <QGuiApplication>
#include <QPalette>

namespace ui {

QColor toQColor(Color c) {
  if (c & 0x80000000u) {
    const QPalette pal = QGuiApplication::palette();
    switch (c & 0xFFu) {
      case 0x05:
        return pal.color(QPalette::Base);
      case 0x08:
        return pal.color(QPalette::Text);
      case 0x09:
        return QColor(Qt::white);  // caption text stands on a dark title bar
      case 0x0F:
        return pal.color(QPalette::Button);
      case 0x12:
        return pal.color(QPalette::ButtonText);
      default:
        return pal.color(QPalette::Window);
    }
  }
  return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

Color fromQColor(const QColor& c) {
  return RGB(c.red(), c.green(), c.blue());
}

namespace {

// The bitmap and TrueType families of the lesson designs, served by metric-compatible
// families with Cyrillic glyphs.
QStringList familiesFor(const QString& name) {
  const QString lower = name.toLower();
  if (lower == QLatin1String("ms sans serif") || lower == QLatin1String("arial") ||
      lower == QLatin1String("microsoft sans serif"))
    return {name, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
  if (lower == QLatin1String("times new roman"))
    return {name, QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")};
  if (lower == QLatin1String("courier new") || lower == QLatin1String("courier"))
    return {name, QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};
  return {name, QStringLiteral("DejaVu Sans")};
}

}  // namespace

QFont toQFont(const FontSpec& wanted, bool antialias, double zoom) {
  QFont f;
  f.setFamilies(familiesFor(wanted.name));
  const long px = std::lround(wanted.size * 96.0 / 72.0);
  f.setPixelSize(std::max(1, int(zoom == 1 ? px : std::lround(px * zoom))));
  f.setBold(wanted.bold);
  f.setItalic(wanted.italic);
  f.setUnderline(wanted.underline);
  if (!antialias) f.setStyleStrategy(QFont::NoAntialias);
  return f;
}

FontSpec fromQFont(const QFont& font) {
  FontSpec wanted;
  wanted.name = font.families().isEmpty() ? font.family() : font.families().first();
  wanted.size = font.pixelSize() > 0 ? font.pixelSize() * 72.0 / 96.0 : font.pointSizeF();
  wanted.bold = font.bold();
  wanted.italic = font.italic();
  wanted.underline = font.underline();
  return wanted;
}

}  // namespace ui

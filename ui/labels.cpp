// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls_p.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "pointer.h"
#include "qtbridge.h"

namespace ui {

using namespace detail;

// ---- Label ----

Label::Label(Container* parent, QString name, const QString& caption, const Rect& r)
    : Control(parent, std::move(name), ControlKind::Label, new QLabel(parent->clientWidget()), r,
              kSysButtonText, kSysButtonFace) {
  auto* l = static_cast<QLabel*>(widget());
  l->setWordWrap(true);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  l->setTextFormat(Qt::PlainText);
  l->setMargin(0);
  l->installEventFilter(new ClickFilter(
      l, [this] { fireClick(); }, [this] { fireDblClick(); }, true));
  setCaption(caption);
  applyColors();
}
QString Label::caption() const {
  return static_cast<QLabel*>(widget())->text();
}
void Label::setCaption(const QString& text) {
  static_cast<QLabel*>(widget())->setText(text);
  // An empty label is read as empty: its design name means nothing to the pupil.
  setAccessibleName(text.trimmed().isEmpty() ? QString() : text);
}
void Label::setAlignment(Align a) {
  static_cast<QLabel*>(widget())->setAlignment(toQtAlignment(a) | Qt::AlignTop);
}
void Label::setBorderStyle(int style) {
  auto* l = static_cast<QLabel*>(widget());
  l->setFrameShape(style ? QFrame::Box : QFrame::NoFrame);
}
void Label::setTransparent(bool on) {
  widget()->setAttribute(Qt::WA_TranslucentBackground, on);
  widget()->setAutoFillBackground(!on);
}
QPoint Label::clickPoint() const {
  QWidget* w = widget();
  const QPoint centre = w->rect().center();
  const auto shows = [w](QPoint p) {
    return pointer::widgetAt(w->window(), pointer::windowPos(w, p)) == w;
  };
  if (shows(centre)) return centre;
  std::optional<QPoint> best;
  int bestDistance = 0;
  for (int y = 0; y < w->height(); y += 2)
    for (int x = 0; x < w->width(); x += 2) {
      const int distance = (QPoint(x, y) - centre).manhattanLength();
      if ((!best || distance < bestDistance) && shows(QPoint(x, y))) {
        best = QPoint(x, y);
        bestDistance = distance;
      }
    }
  return best.value_or(centre);
}
void Label::applyColors() {
  const bool transparent = widget()->testAttribute(Qt::WA_TranslucentBackground);
  Control::applyColors();
  widget()->setAutoFillBackground(!transparent);
}

}  // namespace ui

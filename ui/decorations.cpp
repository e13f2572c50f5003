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

#include "qtbridge.h"

namespace ui {

using namespace detail;

// ---- Shape and LineShape ----

namespace {

class DecorationWidget : public QWidget {
 public:
  DecorationWidget(QWidget* parent, std::function<void(QPainter&, QRect)> paint)
      : QWidget(parent), paint_(std::move(paint)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    paint_(p, rect());
  }

 private:
  std::function<void(QPainter&, QRect)> paint_;
};

}  // namespace

Shape::Shape(Container* parent, QString name, const Rect& r, Color border)
    : Control(parent, std::move(name), ControlKind::Decoration,
              new DecorationWidget(
                  parent->clientWidget(),
                  [this](QPainter& p, QRect) {
                    if (zoom() != 1) p.scale(zoom(), zoom());
                    p.setPen(toQColor(foreColor()));
                    p.drawRect(QRect(QPoint(0, 0), designRect().size()).adjusted(0, 0, -1, -1));
                  }),
              r, border, kSysButtonFace) {
  setAccessibleName(this->name());
}
void Shape::setBorderColor(Color c) {
  setForeColor(c);
}
// A decoration paints only its own figure: no background of its own around it.
void Shape::applyColors() {
  widget()->update();
}

LineShape::LineShape(Container* parent, QString name, double x1, double y1, double x2, double y2,
                     Color color, int width)
    : Control(parent, std::move(name), ControlKind::Decoration,
              new DecorationWidget(parent->clientWidget(),
                                   [this, x1, y1, x2, y2, width](QPainter& p, QRect) {
                                     if (zoom() != 1) p.scale(zoom(), zoom());
                                     QPen pen(toQColor(foreColor()));
                                     pen.setWidth(width);
                                     p.setPen(pen);
                                     const QPointF at(designRect().topLeft());
                                     const QPointF a = container().unitsToPixels(x1, y1) - at;
                                     const QPointF b = container().unitsToPixels(x2, y2) - at;
                                     p.drawLine(a.toPoint(), b.toPoint());
                                   }),
              Rect{std::min(x1, x2) - 15 * width, std::min(y1, y2) - 15 * width,
                   std::fabs(x2 - x1) + 30 * width, std::fabs(y2 - y1) + 30 * width},
              color, kSysButtonFace) {
  setAccessibleName(this->name());
}

void LineShape::applyColors() {
  widget()->update();
}

}  // namespace ui

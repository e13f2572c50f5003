// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls_p.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
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

// ---- CommandButton ----

namespace {

// A push button whose caption, when it is wider than the button, wraps onto further lines as
// the designs expect of their tall buttons; a caption that fits is painted as usual. Enter
// presses it when it has the focus, as Space does.
class WrappingButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !e->isAutoRepeat())
      click();
    else
      QPushButton::keyPressEvent(e);
  }
  void paintEvent(QPaintEvent* e) override {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const QString caption = option.text;
    if (fontMetrics().horizontalAdvance(caption) <= area.width()) {
      QPushButton::paintEvent(e);
      return;
    }
    QStylePainter p(this);
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    p.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, option.palette,
                   isEnabled(), caption, QPalette::ButtonText);
  }
};

}  // namespace

CommandButton::CommandButton(Container* parent, QString name, const QString& caption, const Rect& r)
    : Control(parent, std::move(name), ControlKind::Button,
              new WrappingButton(caption, parent->clientWidget()), r, kSysButtonText,
              kSysButtonFace) {
  auto* b = static_cast<QPushButton*>(widget());
  b->setAutoDefault(false);
  b->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(b, &QPushButton::clicked, b, [this] { fireClick(); });
  setCaption(caption);
}
QString CommandButton::caption() const {
  return static_cast<QPushButton*>(widget())->text();
}
void CommandButton::setCaption(const QString& text) {
  static_cast<QPushButton*>(widget())->setText(text);
  setAccessibleName(QString(text).remove(QLatin1Char('&')));
}
void CommandButton::applyColors() {
  setRoleColors(widget(), QPalette::ButtonText, foreColor(), QPalette::Button, backColor());
}

}  // namespace ui

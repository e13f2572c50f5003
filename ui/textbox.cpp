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

// ---- TextBox ----

TextBox::TextBox(Container* parent, QString name, const QString& text, const Rect& r,
                 bool multiLine)
    : Control(parent, std::move(name), ControlKind::TextBox,
              multiLine ? static_cast<QWidget*>(new QTextEdit(parent->clientWidget()))
                        : static_cast<QWidget*>(new QLineEdit(parent->clientWidget())),
              r, kSysWindowText, kSysWindowBack),
      multiLine_(multiLine) {
  auto click = [this] { fireClick(); };
  auto dbl = [this] { fireDblClick(); };
  if (multiLine_) {
    auto* e = static_cast<QTextEdit*>(widget());
    e->setAcceptRichText(false);
    e->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    e->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    e->setPlainText(text);
    e->viewport()->installEventFilter(new ClickFilter(e, click, dbl, false));
    QObject::connect(e, &QTextEdit::textChanged, e, [this] { fire(onChange); });
  } else {
    auto* e = static_cast<QLineEdit*>(widget());
    e->setText(text);
    e->installEventFilter(new ClickFilter(e, click, dbl, false));
    QObject::connect(e, &QLineEdit::textChanged, e, [this] { fire(onChange); });
  }
  applyColors();
}
QString TextBox::text() const {
  if (multiLine_) {
    const QString shown = static_cast<QTextEdit*>(widget())->toPlainText();
    return shown == shownText_ ? setText_ : shown;
  }
  return static_cast<QLineEdit*>(widget())->text();
}
void TextBox::setText(const QString& t) {
  if (t == text()) return;
  if (multiLine_) {
    auto* e = static_cast<QTextEdit*>(widget());
    e->setPlainText(t);
    setText_ = t;
    shownText_ = e->toPlainText();
  } else {
    static_cast<QLineEdit*>(widget())->setText(t);
  }
}
void TextBox::type(const QString& t) {
  if (widget()->isEnabled()) setText(t);
}
void TextBox::setAlignment(Align a) {
  align_ = a;
  if (multiLine_) {
    auto* e = static_cast<QTextEdit*>(widget());
    QTextOption option = e->document()->defaultTextOption();
    option.setAlignment(toQtAlignment(a));
    e->document()->setDefaultTextOption(option);
    const QString t = e->toPlainText();
    e->setPlainText(t);
  } else {
    static_cast<QLineEdit*>(widget())->setAlignment(toQtAlignment(a) | Qt::AlignVCenter);
  }
}
void TextBox::setBorderStyle(int style) {
  if (multiLine_)
    static_cast<QTextEdit*>(widget())->setFrameShape(style ? QFrame::StyledPanel : QFrame::NoFrame);
  else
    static_cast<QLineEdit*>(widget())->setFrame(style != 0);
}
void TextBox::setLocked(bool on) {
  if (multiLine_)
    static_cast<QTextEdit*>(widget())->setReadOnly(on);
  else
    static_cast<QLineEdit*>(widget())->setReadOnly(on);
}
void TextBox::applyColors() {
  setRoleColors(widget(), QPalette::Text, foreColor(), QPalette::Base, backColor());
}

}  // namespace ui

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

// ---- OptionButton ----

OptionButton::OptionButton(Container* parent, QString name, const QString& caption, const Rect& r)
    : Control(parent, std::move(name), ControlKind::Option,
              new QRadioButton(caption, parent->clientWidget()), r, kSysButtonText,
              kSysButtonFace) {
  auto* b = static_cast<QRadioButton*>(widget());
  // A button's background role is Button; an option shows its BackColor around its caption.
  b->setBackgroundRole(QPalette::Window);
  // Selected by the mouse, the keys, a screen reader or the code: Click once. A click on the
  // option already selected is a Click too, though nothing changes.
  QObject::connect(b, &QRadioButton::toggled, b, [this](bool on) {
    if (on) fireClick();
  });
  QObject::connect(b, &QRadioButton::pressed, b, [this, b] { checkedAtPress_ = b->isChecked(); });
  QObject::connect(b, &QRadioButton::clicked, b, [this, b] {
    if (checkedAtPress_ && b->isChecked()) fireClick();
    checkedAtPress_ = false;
  });
  setCaption(caption);
  applyColors();
}
QString OptionButton::caption() const {
  return static_cast<QRadioButton*>(widget())->text();
}
void OptionButton::setCaption(const QString& text) {
  static_cast<QRadioButton*>(widget())->setText(text);
  setAccessibleName(QString(text).remove(QLatin1Char('&')));
}
bool OptionButton::value() const {
  return static_cast<QRadioButton*>(widget())->isChecked();
}
void OptionButton::setValue(bool on) {
  auto* b = static_cast<QRadioButton*>(widget());
  if (on == b->isChecked()) return;
  if (on) {
    b->setChecked(true);
  } else {
    b->setAutoExclusive(false);
    b->setChecked(false);
    b->setAutoExclusive(true);
  }
}
QPoint OptionButton::clickPoint() const {
  auto* b = static_cast<QRadioButton*>(widget());
  QStyleOptionButton opt;
  opt.initFrom(b);
  opt.text = b->text();
  return b->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &opt, b).center();
}

// ---- CheckBox ----

CheckBox::CheckBox(Container* parent, QString name, const QString& caption, const Rect& r)
    : Control(parent, std::move(name), ControlKind::Check,
              new QCheckBox(caption, parent->clientWidget()), r, kSysButtonText, kSysButtonFace) {
  auto* b = static_cast<QCheckBox*>(widget());
  b->setBackgroundRole(QPalette::Window);  // its BackColor around the caption, as an option's
  // Every change of the tick, by the mouse, the keys, a screen reader or the code: Click once.
  QObject::connect(b, &QCheckBox::toggled, b, [this] { fireClick(); });
  setCaption(caption);
  applyColors();
}
QString CheckBox::caption() const {
  return static_cast<QCheckBox*>(widget())->text();
}
void CheckBox::setCaption(const QString& text) {
  static_cast<QCheckBox*>(widget())->setText(text);
  setAccessibleName(QString(text).remove(QLatin1Char('&')));
}
int CheckBox::value() const {
  return static_cast<QCheckBox*>(widget())->checkState() == Qt::Unchecked ? 0 : 1;
}
void CheckBox::setValue(int v) {
  const int next = v ? 1 : 0;
  if (next == value()) return;
  static_cast<QCheckBox*>(widget())->setCheckState(next ? Qt::Checked : Qt::Unchecked);
}
QPoint CheckBox::clickPoint() const {
  auto* b = static_cast<QCheckBox*>(widget());
  QStyleOptionButton opt;
  opt.initFrom(b);
  opt.text = b->text();
  return b->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, b).center();
}

}  // namespace ui

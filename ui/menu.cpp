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

// ---- Menu ----

Menu::Menu(Form* form, QString name, const QString& caption)
    : name_(std::move(name)), form_(form), parent_(nullptr), caption_(caption) {
  // The bar grows with its first entry; the inner area keeps its size.
  const double w = form->clientWidth(), h = form->clientHeight();
  // An entry opens the menu of its items; an entry without items acts itself when picked.
  QAction* action = form->menuBar()->addAction(caption);
  QObject::connect(action, &QAction::triggered, action, [this] {
    if (!hasItems()) fire(onClick);
  });
  action_ = action;
  form->setClientSize(w, h);
  form->menus_.push_back(this);
}

Menu::Menu(Menu* parent, QString name, const QString& caption)
    : name_(std::move(name)), form_(parent->form_), parent_(parent), caption_(caption) {
  QAction* action = parent->submenu()->addAction(caption);
  QObject::connect(action, &QAction::triggered, action, [this] { fire(onClick); });
  action_ = action;
  parent->items_.push_back(this);
  form_->menus_.push_back(this);
}

Menu::~Menu() {
  auto& list = form_->menus_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

QMenu* Menu::submenu() {
  if (!menu_) {
    menu_ = new QMenu(caption_, form_->window());
    action_->setMenu(menu_);
  }
  return menu_;
}
QString Menu::caption() const {
  return caption_;
}
void Menu::setCaption(const QString& text) {
  caption_ = text;
  if (action_) action_->setText(text);
}
bool Menu::enabled() const {
  return action_ && action_->isEnabled();
}
void Menu::setEnabled(bool on) {
  if (action_) action_->setEnabled(on);
}
void Menu::click() {
  if (enabled()) fire(onClick);
}

}  // namespace ui

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
#include <optional>

#include "pointer.h"
#include "qtbridge.h"

namespace ui {

using namespace detail;

// ---- Form ----

class FormWindow : public QWidget {
 public:
  explicit FormWindow(Form* form) : form_(form) {}
  Form* form() const { return form_; }

 protected:
  void resizeEvent(QResizeEvent* e) override {
    QWidget::resizeEvent(e);
    form_->layoutClient();
  }
  void closeEvent(QCloseEvent* e) override {
    if (form_->mainWindow_) requestEnd();
    QWidget::closeEvent(e);
  }

 private:
  Form* form_;
};

namespace {

// The inner area of a window: shows the form's own drawing and takes the clicks on the bare
// window.
class FormClient : public QWidget {
 public:
  FormClient(QWidget* parent, Form* form) : QWidget(parent), form_(form) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    installEventFilter(new ClickFilter(
        this, [form] { fire([form] { form->Form_Click(); }); },
        [form] { fire([form] { form->Form_DblClick(); }); }, true));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    // The window may have moved to a screen of another ratio.
    if (devicePixelRatio() != form_->devicePixelRatio()) fitRaster();
    QPainter p(this);
    p.drawImage(0, 0, form_->screenImage());
  }
  bool event(QEvent* e) override {
    if (isRatioChange(e)) fitRaster();
    return QWidget::event(e);
  }
  void fitRaster() { form_->resizePixels(size(), devicePixelRatio()); }

 private:
  Form* form_;
};

}  // namespace

Form::Form(const QString& caption, double clientWidth, double clientHeight)
    : Canvas([this] { client_->update(); }), window_(std::make_unique<FormWindow>(this)) {
  client_ = new FormClient(window_.get(), this);
  window_->setWindowTitle(caption);
  window_->setAccessibleName(caption);
  Canvas::setFont(FontSpec{});
  window_->setFont(toQFont(FontSpec{}));
  setClientSize(clientWidth, clientHeight);
  Canvas::setBackColor(kSysButtonFace);
}

Form::~Form() = default;

Form* Form::ofWindow(const QWidget* window) {
  const auto* w = dynamic_cast<const FormWindow*>(window);
  return w ? w->form() : nullptr;
}

QWidget* Form::clientWidget() const {
  return client_;
}
QWidget* Form::window() const {
  return window_.get();
}
QString Form::caption() const {
  return window_->windowTitle();
}
void Form::setCaption(const QString& text) {
  window_->setWindowTitle(text);
  window_->setAccessibleName(text);
}
void Form::setMainWindow(bool on) {
  mainWindow_ = on;
}
void Form::setIcon(const QString& resourcePath) {
  window_->setWindowIcon(QIcon(resourcePath));
}
void Form::setResizable(bool on) {
  if (on) {
    window_->setMinimumSize(0, 0);
    window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  } else {
    window_->setFixedSize(window_->size());
  }
}

void Form::load() {
  if (loaded_) return;
  loaded_ = true;
  fire([this] { Form_Load(); });
  lastResize_ = client_->size();
  fire([this] { Form_Resize(); });
}

void Form::setVisible(bool on) {
  if (on) {
    load();
    if (!programEnded()) window_->show();
  } else {
    window_->hide();
  }
}
bool Form::visible() const {
  return window_->isVisible();
}

double Form::clientWidth() const {
  return pixelsToTwips(client_->width());
}
double Form::clientHeight() const {
  return pixelsToTwips(client_->height());
}

void Form::setClientSize(double width, double height) {
  const int bar = menuBar_ ? menuBar_->sizeHint().height() : 0;
  window_->resize(std::max(1, twipsToPixels(width)), std::max(1, twipsToPixels(height) + bar));
  layoutClient();
}

void Form::layoutClient() {
  const int bar = menuBar_ ? menuBar_->sizeHint().height() : 0;
  if (menuBar_) menuBar_->setGeometry(0, 0, window_->width(), bar);
  client_->setGeometry(0, bar, window_->width(), std::max(1, window_->height() - bar));
  clientResized();
}

void Form::clientResized() {
  resizePixels(client_->size(), client_->devicePixelRatio());
  if (loaded_ && client_->size() != lastResize_) {
    lastResize_ = client_->size();
    fire([this] { Form_Resize(); });
  }
}

WindowState Form::windowState() const {
  const Qt::WindowStates s = window_->windowState();
  if (s & Qt::WindowMinimized) return WindowState::Minimized;
  if (s & (Qt::WindowMaximized | Qt::WindowFullScreen)) return WindowState::Maximized;
  return WindowState::Normal;
}
void Form::setWindowState(WindowState s) {
  switch (s) {
    case WindowState::Minimized:
      window_->setWindowState(Qt::WindowMinimized);
      break;
    case WindowState::Maximized:
      window_->setWindowState(Qt::WindowMaximized);
      break;
    default:
      window_->setWindowState(Qt::WindowNoState);
  }
}

void Form::setBackColor(Color c) {
  Canvas::setBackColor(c);
  QPalette pal = window_->palette();
  pal.setColor(QPalette::Window, toQColor(c));
  window_->setPalette(pal);
}
void Form::setFont(const FontSpec& f) {
  Canvas::setFont(f);
  window_->setFont(toQFont(f));
}

void Form::click() {
  if (const auto at = barePoint(client_))
    pointer::click(window_.get(), pointer::windowPos(client_, *at));
}
void Form::dblClick() {
  if (const auto at = barePoint(client_))
    pointer::doubleClick(window_.get(), pointer::windowPos(client_, *at));
}

QMenuBar* Form::menuBar() {
  if (!menuBar_) {
    const double w = clientWidth(), h = clientHeight();
    menuBar_ = new QMenuBar(window_.get());
    menuBar_->setNativeMenuBar(false);
    setClientSize(w, h);
  }
  return menuBar_;
}

}  // namespace ui

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
#include <QScreen>
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
#include "teacher.h"
#include "zoomstyle.h"

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
  void keyPressEvent(QKeyEvent* e) override {
    // Keys no control took open the teacher's menu: Shift+F10, and the menu key except on a
    // text box or scroll bar, which open their own menus for it.
    const QWidget* focus = focusWidget();
    const bool ownMenu = qobject_cast<const QLineEdit*>(focus) ||
                         qobject_cast<const QTextEdit*>(focus) ||
                         qobject_cast<const QScrollBar*>(focus);
    if ((e->key() == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier) ||
        (e->key() == Qt::Key_Menu && !ownMenu))
      form_->teacher().showMenu(nullptr);
    else
      QWidget::keyPressEvent(e);
  }
  void changeEvent(QEvent* e) override {
    QWidget::changeEvent(e);
    // The window system (or the pupil) took the window out of full screen.
    if (e->type() == QEvent::WindowStateChange && form_->fullScreen() &&
        !(windowState() & Qt::WindowFullScreen))
      form_->setFullScreen(false);
  }
  void closeEvent(QCloseEvent* e) override {
    if (form_->mainWindow_) requestEnd();
    QWidget::closeEvent(e);
  }

 private:
  Form* form_;
};

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
    form_->fitRaster();  // the window may have moved to a screen of another ratio
    QPainter p(this);
    paintRaster(p, *form_, rect(), devicePixelRatio());
  }
  bool event(QEvent* e) override {
    if (isRatioChange(e)) form_->fitRaster();
    if (e->type() == QEvent::ContextMenu) {
      form_->teacher().showMenu(static_cast<QContextMenuEvent*>(e));
      return true;
    }
    return QWidget::event(e);
  }

 private:
  Form* form_;
};

Form::Form(const QString& caption, double clientWidth, double clientHeight)
    : Canvas([this] { client_->update(); }), window_(std::make_unique<FormWindow>(this)) {
  client_ = new FormClient(window_.get(), this);
  window_->setWindowTitle(caption);
  window_->setAccessibleName(caption);
  Canvas::setFont(FontSpec{});
  window_->setFont(toQFont(FontSpec{}));
  setClientSize(clientWidth, clientHeight);
  Canvas::setBackColor(kSysButtonFace);
  teacher_ = std::make_unique<Teacher>(*this);
}

Form::~Form() = default;

Form* Form::ofWindow(const QWidget* window) {
  const auto* w = dynamic_cast<const FormWindow*>(window);
  return w ? w->form() : nullptr;
}

QWidget* Form::clientWidget() const {
  return client_;
}
FontSpec Form::childFont() const {
  return windowFont_;
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
  resizable_ = on;
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
    if (programEnded()) return;
    if (!shown_) teacher_->firstShowing();
    window_->show();
    if (!shown_) {
      shown_ = true;
      teacher_->shown();
    }
  } else {
    window_->hide();
  }
}
bool Form::visible() const {
  return window_->isVisible();
}

double Form::clientWidth() const {
  return pixelsToTwips(design_.width());
}
double Form::clientHeight() const {
  return pixelsToTwips(design_.height());
}

void Form::setClientSize(double width, double height) {
  design_ = QSize(std::max(1, twipsToPixels(width)), std::max(1, twipsToPixels(height)));
  if (!fullScreen_.on) fitWindow(false);
  layoutClient();
}

int Form::menuBarHeight() const {
  return menuBar_ ? menuBar_->sizeHint().height() : 0;
}

void Form::fitWindow(bool fixed) {
  const QSize inner = zoomed(design_, zoom_);
  const QSize size(inner.width(), inner.height() + menuBarHeight());
  if (fixed)
    window_->setFixedSize(size);
  else
    window_->resize(size);
}

void Form::layoutClient() {
  if (laying_) return;
  laying_ = true;
  if (fullScreen_.on) {
    // The design's layout, as large as the screen allows, in the middle of it.
    const double fit = zoomToFit(window_->size());
    if (fit != zoom_) setZoom(fit);
    const int bar = menuBarHeight();
    const QSize inner = zoomed(design_, zoom_);
    const QPoint at((window_->width() - inner.width()) / 2,
                    (window_->height() - inner.height() - bar) / 2);
    if (menuBar_) menuBar_->setGeometry(at.x(), at.y(), inner.width(), bar);
    client_->setGeometry(QRect(at + QPoint(0, bar), inner));
  } else {
    const int bar = menuBarHeight();
    if (menuBar_) menuBar_->setGeometry(0, 0, window_->width(), bar);
    client_->setGeometry(0, bar, window_->width(), std::max(1, window_->height() - bar));
    // A size the pupil gave the window is a new design size; the one the zoom gave is not.
    if (zoomed(design_, zoom_) != client_->size())
      design_ = QSize(std::max(1, int(std::lround(client_->width() / zoom_))),
                      std::max(1, int(std::lround(client_->height() / zoom_))));
  }
  laying_ = false;
  clientResized();
}

double Form::zoomToFit(QSize area) const {
  // The menu bar grows with the zoom, as its font does.
  const double bar = menuBarHeight() / zoom_;
  const double fit =
      std::min(area.width() / double(design_.width()), area.height() / (design_.height() + bar));
  return std::floor(fit * 100) / 100;
}

void Form::fitRaster() {
  resizePixels(design_, client_->devicePixelRatio() * zoom_);
}

void Form::clientResized() {
  fitRaster();
  if (loaded_ && design_ != lastResize_) {
    lastResize_ = design_;
    fire([this] { Form_Resize(); });
  }
}

void Form::setZoom(double zoom) {
  if (zoom == zoom_ || !(zoom > 0)) return;
  zoom_ = zoom;
  applyZoom();
}

void Form::applyZoom() {
  window_->setFont(toQFont(windowFont_, true, zoom_));
  zoomOwnedWindows(window_.get(), zoom_);
  for (Control* c : controls_)
    c->applyZoom();
  if (!fullScreen_.on) fitWindow(!resizable_);
  layoutClient();
  client_->update();
}

void Form::setFullScreen(bool on) {
  if (on == fullScreen_.on) return;
  if (on) {
    fullScreen_.zoom = zoom_;
    fullScreen_.place = window_->pos();
    fullScreen_.on = true;
    if (!resizable_) {
      window_->setMinimumSize(0, 0);
      window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    window_->setWindowState(window_->windowState() | Qt::WindowFullScreen);
    // Without a window manager to honour the state (a bare X server), the size is asked too.
    if (const QScreen* screen = window_->screen()) window_->setGeometry(screen->geometry());
    teacher_->leave_->setShortcut(QKeySequence(Qt::Key_Escape));
    layoutClient();
  } else {
    fullScreen_.on = false;
    teacher_->leave_->setShortcut(QKeySequence());
    window_->setWindowState(window_->windowState() & ~Qt::WindowFullScreen);
    zoom_ = fullScreen_.zoom;
    applyZoom();
    window_->move(fullScreen_.place);
  }
}

QImage Form::clientImage() const {
  return client_->grab().toImage();
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
  windowFont_ = f;
  window_->setFont(toQFont(f, true, zoom_));
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

#include "controls.h"

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

namespace {

// Turns the mouse events of a widget into Click and DblClick: a click on release inside the
// widget, a double click on the second press; the release that ends a double click is not a
// further click. `consume` keeps the events from reaching the window beneath.
class ClickFilter : public QObject {
 public:
  ClickFilter(QObject* parent, std::function<void()> click, std::function<void()> dblClick,
              bool consume)
      : QObject(parent), click_(std::move(click)), dbl_(std::move(dblClick)), consume_(consume) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
        return consume_;
      case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(event);
        auto* w = qobject_cast<QWidget*>(watched);
        if (me->button() == Qt::LeftButton) {
          if (afterDouble_)
            afterDouble_ = false;
          else if (w && w->rect().contains(me->position().toPoint()) && click_)
            click_();
        }
        return consume_;
      }
      case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
          afterDouble_ = true;
          if (dbl_) dbl_();
        }
        return consume_;
      default:
        return false;
    }
  }

 private:
  std::function<void()> click_, dbl_;
  bool consume_;
  bool afterDouble_ = false;
};

void setRoleColors(QWidget* w, QPalette::ColorRole foreRole, Color fore,
                   QPalette::ColorRole backRole, Color back) {
  QPalette pal = w->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    pal.setColor(group, foreRole, toQColor(fore));
    pal.setColor(group, backRole, toQColor(back));
  }
  pal.setColor(QPalette::Disabled, backRole, toQColor(back));
  w->setPalette(pal);
}

Qt::Alignment toQtAlignment(Align a) {
  switch (a) {
    case Align::Right:
      return Qt::AlignRight;
    case Align::Center:
      return Qt::AlignHCenter;
    default:
      return Qt::AlignLeft;
  }
}

int pixels(double units, double unitsPerPixel) {
  return std::max(0, int(std::lround(std::fabs(units / unitsPerPixel))));
}

}  // namespace

// ---- Container ----

QPointF Container::unitsToPixels(double x, double y) const {
  return {x / kTwipsPerPixel, y / kTwipsPerPixel};
}
QPointF Container::pixelsToUnits(QPointF px) const {
  return px * kTwipsPerPixel;
}
double Container::unitsPerPixelX() const {
  return kTwipsPerPixel;
}
double Container::unitsPerPixelY() const {
  return kTwipsPerPixel;
}

// ---- Control ----

Control::Control(Container* parent, QString name, ControlKind kind, QWidget* widget, const Rect& r,
                 Color fore, Color back)
    : container_(parent),
      name_(std::move(name)),
      kind_(kind),
      widget_(widget),
      fore_(fore),
      back_(back) {
  widget_->setObjectName(name_);
  // A click on a disabled control must not fall through to the window (or picture) beneath.
  widget_->setAttribute(Qt::WA_NoMousePropagation);
  setGeometry(r);
  parent->form().controls_.push_back(this);
}

Control::~Control() {
  auto& list = container_->form().controls_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  delete widget_.data();
}

double Control::left() const {
  return container_->pixelsToUnits(QPointF(widget_->pos())).x();
}
double Control::top() const {
  return container_->pixelsToUnits(QPointF(widget_->pos())).y();
}
double Control::width() const {
  return widget_->width() * std::fabs(container_->unitsPerPixelX());
}
double Control::height() const {
  return widget_->height() * std::fabs(container_->unitsPerPixelY());
}

void Control::setLeft(double v) {
  const QPointF p = container_->unitsToPixels(v, 0);
  widget_->move(int(std::lround(p.x())), widget_->y());
}
void Control::setTop(double v) {
  const QPointF p = container_->unitsToPixels(0, v);
  widget_->move(widget_->x(), int(std::lround(p.y())));
}
void Control::setWidth(double v) {
  widget_->resize(pixels(v, container_->unitsPerPixelX()), widget_->height());
  resized();
}
void Control::setHeight(double v) {
  widget_->resize(widget_->width(), pixels(v, container_->unitsPerPixelY()));
  resized();
}
void Control::move(double left, double top) {
  const QPointF p = container_->unitsToPixels(left, top);
  widget_->move(int(std::lround(p.x())), int(std::lround(p.y())));
}
void Control::setGeometry(const Rect& r) {
  move(r.left, r.top);
  widget_->resize(pixels(r.width, container_->unitsPerPixelX()),
                  pixels(r.height, container_->unitsPerPixelY()));
  resized();
}

void Control::setVisible(bool on) {
  visible_ = on;
  widget_->setVisible(on);
}
bool Control::enabled() const {
  return widget_->isEnabled();
}
void Control::setEnabled(bool on) {
  widget_->setEnabled(on);
}
QString Control::toolTipText() const {
  return widget_->toolTip();
}
void Control::setToolTipText(const QString& text) {
  widget_->setToolTip(text);
}
QString Control::accessibleName() const {
  return widget_->accessibleName();
}
void Control::setAccessibleName(const QString& name) {
  widget_->setAccessibleName(name);
}

FontSpec Control::font() const {
  return ownFont_ ? font_ : fromQFont(widget_->font());
}
void Control::setFont(const FontSpec& f) {
  font_ = f;
  ownFont_ = true;
  widget_->setFont(toQFont(f));
}
void Control::setFontSize(double pt) {
  setFont(font().with(&FontSpec::size, pt));
}
void Control::setFontName(const QString& name) {
  setFont(font().with(&FontSpec::name, QString(name)));
}
void Control::setFontBold(bool on) {
  setFont(font().with(&FontSpec::bold, on));
}
void Control::setFontItalic(bool on) {
  setFont(font().with(&FontSpec::italic, on));
}
void Control::setFontUnderline(bool on) {
  setFont(font().with(&FontSpec::underline, on));
}

void Control::setForeColor(Color c) {
  fore_ = c;
  applyColors();
}
void Control::setBackColor(Color c) {
  back_ = c;
  applyColors();
}
void Control::applyColors() {
  setRoleColors(widget_, QPalette::WindowText, fore_, QPalette::Window, back_);
  widget_->setAutoFillBackground(true);
}

void Control::click() {
  if (widget_->isEnabled()) fireClick();
}
void Control::dblClick() {
  if (!widget_->isEnabled()) return;
  click();
  fireDblClick();
}

// ---- CommandButton ----

namespace {

// A push button whose caption, when it is wider than the button, wraps onto further lines as
// the designs expect of their tall buttons; a caption that fits is painted as usual.
class WrappingButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
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
  setAccessibleName(text.trimmed().isEmpty() ? name() : text);
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
void Label::applyColors() {
  const bool transparent = widget()->testAttribute(Qt::WA_TranslucentBackground);
  Control::applyColors();
  widget()->setAutoFillBackground(!transparent);
}

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

// ---- ScrollBar ----

ScrollBar::ScrollBar(Container* parent, QString name, Orientation o, int min, int max, int value,
                     const Rect& r)
    : Control(
          parent, std::move(name),
          o == Horizontal ? ControlKind::HScrollBar : ControlKind::VScrollBar,
          new QScrollBar(o == Horizontal ? Qt::Horizontal : Qt::Vertical, parent->clientWidget()),
          r, kSysButtonText, kSysButtonFace),
      min_(min),
      max_(max) {
  auto* bar = static_cast<QScrollBar*>(widget());
  // The value changes when the thumb is let go; while it is dragged only Scroll is raised.
  bar->setTracking(false);
  bar->setSingleStep(1);
  bar->setPageStep(1);
  applyRange();
  bar->setValue(value);
  QObject::connect(bar, &QScrollBar::valueChanged, bar, [this] { fire(onChange); });
  QObject::connect(bar, &QScrollBar::sliderMoved, bar, [this] { fire(onScroll); });
}
void ScrollBar::applyRange() {
  auto* bar = static_cast<QScrollBar*>(widget());
  const bool inverted = min_ > max_;
  bar->setInvertedAppearance(inverted);
  bar->setInvertedControls(inverted);
  bar->setRange(std::min(min_, max_), std::max(min_, max_));
}
void ScrollBar::setMin(int v) {
  min_ = v;
  applyRange();
}
void ScrollBar::setMax(int v) {
  max_ = v;
  applyRange();
}
int ScrollBar::value() const {
  auto* bar = static_cast<QScrollBar*>(widget());
  return bar->isSliderDown() ? bar->sliderPosition() : bar->value();
}
void ScrollBar::setValue(int v) {
  static_cast<QScrollBar*>(widget())->setValue(v);
}
void ScrollBar::setSmallChange(int v) {
  static_cast<QScrollBar*>(widget())->setSingleStep(v);
}
void ScrollBar::setLargeChange(int v) {
  static_cast<QScrollBar*>(widget())->setPageStep(v);
}
void ScrollBar::drag(int to) {
  auto* bar = static_cast<QScrollBar*>(widget());
  if (!bar->isEnabled()) return;
  bar->setSliderDown(true);
  bar->setSliderPosition(std::clamp(to, bar->minimum(), bar->maximum()));
  bar->setSliderDown(false);
}
void ScrollBar::step(int direction) {
  auto* bar = static_cast<QScrollBar*>(widget());
  if (!bar->isEnabled()) return;
  const int towardsMax = max_ >= min_ ? direction : -direction;
  setValue(std::clamp(value() + towardsMax * bar->singleStep(), bar->minimum(), bar->maximum()));
}

// ---- OptionButton ----

OptionButton::OptionButton(Container* parent, QString name, const QString& caption, const Rect& r)
    : Control(parent, std::move(name), ControlKind::Option,
              new QRadioButton(caption, parent->clientWidget()), r, kSysButtonText,
              kSysButtonFace) {
  auto* b = static_cast<QRadioButton*>(widget());
  QObject::connect(b, &QRadioButton::clicked, b, [this] { fireClick(); });
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
    fireClick();
  } else {
    b->setAutoExclusive(false);
    b->setChecked(false);
    b->setAutoExclusive(true);
  }
}
void OptionButton::click() {
  if (!widget()->isEnabled()) return;
  static_cast<QRadioButton*>(widget())->setChecked(true);
  fireClick();
}

// ---- CheckBox ----

CheckBox::CheckBox(Container* parent, QString name, const QString& caption, const Rect& r)
    : Control(parent, std::move(name), ControlKind::Check,
              new QCheckBox(caption, parent->clientWidget()), r, kSysButtonText, kSysButtonFace) {
  auto* b = static_cast<QCheckBox*>(widget());
  QObject::connect(b, &QCheckBox::clicked, b, [this] { fireClick(); });
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
  fireClick();
}
void CheckBox::click() {
  if (!widget()->isEnabled()) return;
  auto* b = static_cast<QCheckBox*>(widget());
  b->setCheckState(b->checkState() == Qt::Unchecked ? Qt::Checked : Qt::Unchecked);
  fireClick();
}

// ---- Frame ----

Frame::Frame(Container* parent, QString name, const QString& caption, const Rect& r)
    : Control(parent, std::move(name), ControlKind::Frame,
              new QGroupBox(caption, parent->clientWidget()), r, kSysButtonText, kSysButtonFace) {
  widget()->installEventFilter(new ClickFilter(
      widget(), [this] { fireClick(); }, [this] { fireDblClick(); }, true));
  setCaption(caption);
  applyColors();
}
QString Frame::caption() const {
  return static_cast<QGroupBox*>(widget())->title();
}
void Frame::setCaption(const QString& text) {
  static_cast<QGroupBox*>(widget())->setTitle(text);
  setAccessibleName(text);
}
QWidget* Frame::clientWidget() const {
  return widget();
}

// ---- PictureBox ----

namespace {

// The widget of a picture box: shows the canvas raster inside an optional sunken frame.
class PictureWidget : public QFrame {
 public:
  PictureWidget(QWidget* parent, Canvas* canvas) : QFrame(parent), canvas_(canvas) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

  // Asks for one repaint however many drawing calls come before it: a curve of thousands of
  // points would otherwise spend more time scheduling repaints than drawing. Every paint shows
  // the whole raster as it stands then.
  void scheduleRepaint() {
    if (repaintPending_) return;
    repaintPending_ = true;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* e) override {
    repaintPending_ = false;
    QFrame::paintEvent(e);
    QPainter p(this);
    p.drawImage(contentsRect().topLeft(), canvas_->image());
  }
  void resizeEvent(QResizeEvent* e) override {
    QFrame::resizeEvent(e);
    canvas_->resizePixels(contentsRect().size());
  }

 private:
  Canvas* canvas_;
  bool repaintPending_ = false;
};

}  // namespace

PictureBox::PictureBox(Container* parent, QString name, const Rect& r)
    : Canvas([this] { static_cast<PictureWidget*>(widget())->scheduleRepaint(); }),
      Control(parent, std::move(name), ControlKind::Picture,
              new PictureWidget(parent->clientWidget(), this), r, kSysWindowText, kSysButtonFace) {
  auto* w = static_cast<QFrame*>(widget());
  resizePixels(w->contentsRect().size());
  Canvas::setBackColor(kSysButtonFace);
  w->installEventFilter(new ClickFilter(
      w, [this] { fireClick(); }, [this] { fireDblClick(); }, true));
  setAccessibleName(QStringLiteral("Рисунок"));
}
QWidget* PictureBox::clientWidget() const {
  return widget();
}
QPointF PictureBox::unitsToPixels(double x, double y) const {
  return toPixelF(x, y) + QPointF(static_cast<QFrame*>(widget())->contentsRect().topLeft());
}
QPointF PictureBox::pixelsToUnits(QPointF px) const {
  return fromPixel(px - QPointF(static_cast<QFrame*>(widget())->contentsRect().topLeft()));
}
void PictureBox::setBackColor(Color c) {
  Canvas::setBackColor(c);
  Control::setBackColor(c);
}
void PictureBox::setForeColor(Color c) {
  Canvas::setForeColor(c);
  Control::setForeColor(c);
}
void PictureBox::setFont(const FontSpec& f) {
  Canvas::setFont(f);
}
void PictureBox::setFontName(const QString& name) {
  Canvas::setFontName(name);
}
void PictureBox::setFontSize(double pt) {
  Canvas::setFontSize(pt);
}
void PictureBox::setFontBold(bool on) {
  Canvas::setFontBold(on);
}
void PictureBox::setFontItalic(bool on) {
  Canvas::setFontItalic(on);
}
void PictureBox::setFontUnderline(bool on) {
  Canvas::setFontUnderline(on);
}
void PictureBox::resized() {
  // A hidden widget gets its resize event only when shown; the raster and the scale must
  // follow the new size at once, for the handler that resized the picture goes on using them.
  resizePixels(static_cast<QFrame*>(widget())->contentsRect().size());
}
void PictureBox::setBorderStyle(int style) {
  auto* w = static_cast<QFrame*>(widget());
  w->setFrameStyle(style ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
  resizePixels(w->contentsRect().size());
}

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
              new DecorationWidget(parent->clientWidget(),
                                   [this](QPainter& p, QRect rect) {
                                     p.setPen(toQColor(foreColor()));
                                     p.drawRect(rect.adjusted(0, 0, -1, -1));
                                   }),
              r, border, kSysButtonFace) {
  setAccessibleName(this->name());
}
void Shape::setBorderColor(Color c) {
  setForeColor(c);
  widget()->update();
}

LineShape::LineShape(Container* parent, QString name, double x1, double y1, double x2, double y2,
                     Color color, int width)
    : Control(parent, std::move(name), ControlKind::Decoration,
              new DecorationWidget(
                  parent->clientWidget(),
                  [this, x1, y1, x2, y2, width](QPainter& p, QRect) {
                    QPen pen(toQColor(foreColor()));
                    pen.setWidth(width);
                    p.setPen(pen);
                    const QPointF a = container().unitsToPixels(x1, y1) - QPointF(widget()->pos());
                    const QPointF b = container().unitsToPixels(x2, y2) - QPointF(widget()->pos());
                    p.drawLine(a.toPoint(), b.toPoint());
                  }),
              Rect{std::min(x1, x2) - 15 * width, std::min(y1, y2) - 15 * width,
                   std::fabs(x2 - x1) + 30 * width, std::fabs(y2 - y1) + 30 * width},
              color, kSysButtonFace) {
  setAccessibleName(this->name());
}

// ---- TimerControl ----

TimerControl::TimerControl(Form* form, QString name, int intervalMs, bool enabled)
    : name_(std::move(name)),
      interval_(intervalMs),
      enabled_(enabled),
      timer_(std::make_unique<QTimer>()) {
  timer_->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] { tick(); });
  form->timers_.push_back(this);
  update();
}
TimerControl::~TimerControl() = default;
void TimerControl::setInterval(int ms) {
  interval_ = ms;
  update();
}
void TimerControl::setEnabled(bool on) {
  enabled_ = on;
  update();
}
void TimerControl::update() {
  // Like the window system's timers, none ticks more often than every 10 ms: a 1 ms interval
  // would wake the program a thousand times a second for nothing a pupil can see.
  if (enabled_ && interval_ > 0)
    timer_->start(std::max(interval_, kMinTimerIntervalMs));
  else
    timer_->stop();
}
void TimerControl::tick() {
  if (ticking_ || !enabled_) return;
  ticking_ = true;
  fire(onTimer);
  ticking_ = false;
}

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

// ---- Form ----

class FormWindow : public QWidget {
 public:
  explicit FormWindow(Form* form) : form_(form) {}

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
    QPainter p(this);
    p.drawImage(0, 0, form_->image());
  }

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
  resizePixels(client_->size());
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
  fire([this] { Form_Click(); });
}
void Form::dblClick() {
  click();
  fire([this] { Form_DblClick(); });
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

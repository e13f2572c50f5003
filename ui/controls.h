// SPDX-License-Identifier: GPL-3.0-or-later
// Windows and controls in the vocabulary of the lesson designs: positions in twips (or in the
// scale of the picture box that holds them), captions, values and one handler per event.
// Each control wraps one Qt widget; program code never touches the widget.
#pragma once

#include <QAction>
#include <QMenu>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "canvas.h"
#include "platform.h"
#include "values.h"

class QTimer;
class QMenuBar;

namespace ui {

class Form;
class Control;
class Teacher;

// Left, top, width and height in the container's units (twips unless the container is a
// picture box with its own scale).
struct Rect {
  double left = 0, top = 0, width = 0, height = 0;
};

enum class Align { Left = 0, Right = 1, Center = 2 };

// Anything that holds controls: a form, a picture box or a frame.
class Container {
 public:
  virtual ~Container() = default;
  // The widget the contained controls are children of.
  virtual QWidget* clientWidget() const = 0;
  // The window this container belongs to.
  virtual Form& form() = 0;
  // Container units to pixels of the client widget, and back; twips unless overridden.
  virtual QPointF unitsToPixels(double x, double y) const;
  virtual QPointF pixelsToUnits(QPointF px) const;
  virtual double unitsPerPixelX() const;
  virtual double unitsPerPixelY() const;
  // The font the contained controls show when they have none of their own.
  virtual FontSpec childFont() const = 0;
};

// What a control is, for tools that drive windows generically (the monkey tester).
enum class ControlKind {
  Button,
  Label,
  TextBox,
  HScrollBar,
  VScrollBar,
  Option,
  Check,
  Frame,
  Picture,
  Decoration
};

class Control {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  const QString& name() const { return name_; }
  ControlKind kind() const { return kind_; }
  Container& container() const { return *container_; }
  // The wrapped widget: for ui/, tests and tools only.
  QWidget* widget() const { return widget_; }

  double left() const;
  double top() const;
  double width() const;
  double height() const;
  void setLeft(double v);
  void setTop(double v);
  void setWidth(double v);
  void setHeight(double v);
  void move(double left, double top);
  void setGeometry(const Rect& r);

  // Visible as the window set it (a control inside a hidden frame keeps its own flag).
  bool visible() const { return visible_; }
  void setVisible(bool on);
  bool enabled() const;
  void setEnabled(bool on);
  QString toolTipText() const;
  void setToolTipText(const QString& text);
  // What a screen reader says for the control.
  QString accessibleName() const;
  void setAccessibleName(const QString& name);

  FontSpec font() const;
  void setFont(const FontSpec& f);
  double fontSize() const { return font().size; }
  void setFontSize(double pt);
  void setFontName(const QString& name);
  void setFontBold(bool on);
  void setFontItalic(bool on);
  void setFontUnderline(bool on);

  Color foreColor() const { return fore_; }
  void setForeColor(Color c);
  Color backColor() const { return back_; }
  void setBackColor(Color c);

  std::function<void()> onClick;
  std::function<void()> onDblClick;

  // A pupil's mouse click on the control, through the window: the press and the release go
  // to whatever lies at the control's click point (the control, unless another covers it).
  // A hidden control cannot be clicked.
  virtual void click();
  // A pupil's double click there: a click first, then the double click.
  void dblClick();

 protected:
  Control(Container* parent, QString name, ControlKind kind, QWidget* widget, const Rect& r,
          Color fore, Color back);
  virtual void applyColors();
  // Where the pupil's mouse goes to click the control, in the widget's pixels.
  virtual QPoint clickPoint() const;
  // Whether the pupil can see the control to click it: it and every container up to the window
  // are visible.
  bool reachable() const;
  void setDesignRect(const QRect& r);
  // Called after the program changed the control's size.
  virtual void resized() {}
  // The window's zoom, and the control's place and size at 100 % in the container's pixels.
  double zoom() const;
  const QRect& designRect() const { return design_; }
  // Places the widget and sets its font for the window's zoom.
  virtual void applyZoom();
  void fireClick() { fire(onClick); }
  void fireDblClick() { fire(onDblClick); }

 private:
  friend class Form;
  Container* container_;
  QString name_;
  ControlKind kind_;
  QPointer<QWidget> widget_;
  QRect design_;  // px at 100 %
  bool visible_ = true;
  bool ownFont_ = false;
  FontSpec font_;
  Color fore_;
  Color back_;
};

class CommandButton : public Control {
 public:
  CommandButton(Container* parent, QString name, const QString& caption, const Rect& r);
  QString caption() const;
  void setCaption(const QString& text);

 protected:
  void applyColors() override;
};

// A caption on the container's surface: beneath every button, bar, box and picture of the
// container whatever the order they were made in; it takes the clicks nothing covers.
class Label : public Control {
 public:
  Label(Container* parent, QString name, const QString& caption, const Rect& r);
  QString caption() const;
  void setCaption(const QString& text);
  void setAlignment(Align a);
  // 0 no border, 1 a single line.
  void setBorderStyle(int style);
  // A transparent label shows what lies beneath it.
  void setTransparent(bool on);

 protected:
  void applyColors() override;
  // The pupil clicks the label where it shows, nearest its middle: controls may cover a part.
  QPoint clickPoint() const override;
};

class TextBox : public Control {
 public:
  TextBox(Container* parent, QString name, const QString& text, const Rect& r,
          bool multiLine = false);
  QString text() const;
  void setText(const QString& text);
  void setAlignment(Align a);
  void setBorderStyle(int style);
  void setLocked(bool on);
  bool multiLine() const { return multiLine_; }
  // The pupil typing: replaces the text as typing would, raising Change.
  void type(const QString& text);

  std::function<void()> onChange;

 protected:
  void applyColors() override;

 private:
  bool multiLine_;
  Align align_ = Align::Left;
  bool settingText_ = false;
  // A multi-line editor shows a lone carriage return as a line break and reads it back as a
  // newline; the text as set, and what the editor made of it, let Text read back unchanged.
  QString setText_;
  QString shownText_;
};

class ScrollBar : public Control {
 public:
  enum Orientation { Horizontal, Vertical };
  // Min may exceed Max: Value then runs from Min at the left (top) down to Max.
  ScrollBar(Container* parent, QString name, Orientation o, int min, int max, int value,
            const Rect& r);
  int min() const { return min_; }
  int max() const { return max_; }
  void setMin(int v);
  void setMax(int v);
  // The thumb's value; while the thumb is dragged, where it stands now.
  int value() const;
  // Raises Change when the value changes.
  void setValue(int v);
  // Whether Min lies below Max in the order of the bar: Min at the left or top is the larger.
  bool descending() const { return min_ > max_; }
  void setSmallChange(int v);
  void setLargeChange(int v);
  // The pupil taking the thumb with the mouse, moving it to where `to` lies (Scroll on the
  // way) and letting go (Change).
  void drag(int to);
  // The pupil clicking an arrow: the bottom or right one (+1, towards Max) or the top or left
  // one (-1, towards Min).
  void step(int direction);

  std::function<void()> onChange;
  std::function<void()> onScroll;

 private:
  void applyRange();
  // The widget counts from its top or left end upwards; a bar whose Min is the larger runs
  // on it negated, so that every arrow, key, wheel turn and drag keeps its direction.
  int toBar(int v) const { return descending() ? -v : v; }
  int fromBar(int q) const { return descending() ? -q : q; }
  int min_, max_;
  int lastValue_;
};

class OptionButton : public Control {
 public:
  OptionButton(Container* parent, QString name, const QString& caption, const Rect& r);
  QString caption() const;
  void setCaption(const QString& text);
  bool value() const;
  // Selecting raises Click (and clears the other options of the container); clearing does not.
  // A selection by mouse, keys or a screen reader raises Click once too.
  void setValue(bool on);

 protected:
  QPoint clickPoint() const override;

 private:
  bool checkedAtPress_ = false;
};

class CheckBox : public Control {
 public:
  CheckBox(Container* parent, QString name, const QString& caption, const Rect& r);
  QString caption() const;
  void setCaption(const QString& text);
  // 0 unchecked, 1 checked.
  int value() const;
  // A change raises Click, whether made by code, mouse, keys or a screen reader.
  void setValue(int v);

 protected:
  QPoint clickPoint() const override;
};

class Frame : public Control, public Container {
 public:
  Frame(Container* parent, QString name, const QString& caption, const Rect& r);
  QString caption() const;
  void setCaption(const QString& text);
  QWidget* clientWidget() const override;
  Form& form() override { return container().form(); }
  FontSpec childFont() const override { return Control::font(); }

 protected:
  // The pupil clicks the frame where no control inside it lies.
  QPoint clickPoint() const override;
};

// A picture box: a canvas and a container of controls.
class PictureBox : public Canvas, public Control, public Container {
 public:
  PictureBox(Container* parent, QString name, const Rect& r);
  QWidget* clientWidget() const override;
  Form& form() override { return container().form(); }
  QPointF unitsToPixels(double x, double y) const override;
  QPointF pixelsToUnits(QPointF px) const override;
  double unitsPerPixelX() const override { return Canvas::unitsPerPixelX(); }
  double unitsPerPixelY() const override { return Canvas::unitsPerPixelY(); }
  FontSpec childFont() const override { return Control::font(); }
  // The raster as large as the inside of the frame at 100 %, drawn at the screen's ratio
  // times the zoom.
  void fitRaster();

  // Colours and font serve both the drawing and the widget.
  Color backColor() const { return Canvas::backColor(); }
  void setBackColor(Color c);
  Color foreColor() const { return Canvas::foreColor(); }
  void setForeColor(Color c);
  const FontSpec& font() const { return Canvas::font(); }
  void setFont(const FontSpec& f);
  void setFontName(const QString& name);
  void setFontSize(double pt);
  void setFontBold(bool on);
  void setFontItalic(bool on);
  void setFontUnderline(bool on);
  // 0 no border, 1 the sunken frame.
  void setBorderStyle(int style);

 protected:
  void resized() override;
  void applyZoom() override;
  // The pupil clicks the picture where no control inside it lies.
  QPoint clickPoint() const override;

 private:
  int border_ = 2;  // px at 100 %
};

// A plain rectangle drawn on the container's surface, beneath its controls; takes no clicks.
class Shape : public Control {
 public:
  Shape(Container* parent, QString name, const Rect& r, Color border = kBlack);
  void setBorderColor(Color c);

 protected:
  void applyColors() override;
};

// A straight line drawn on the container's surface from (x1, y1) to (x2, y2), beneath its
// controls and in its own colour only; takes no clicks.
class LineShape : public Control {
 public:
  LineShape(Container* parent, QString name, double x1, double y1, double x2, double y2,
            Color color = kBlack, int width = 1);

 protected:
  void applyColors() override;
};

// The shortest period a timer really ticks with, whatever its Interval.
constexpr int kMinTimerIntervalMs = 10;

// A timer: raises Timer every Interval milliseconds (at least every 10 ms) while enabled. A tick
// that arrives while the previous one still runs is skipped.
class TimerControl {
 public:
  TimerControl(Form* form, QString name, int intervalMs, bool enabled = true);
  ~TimerControl();
  TimerControl(const TimerControl&) = delete;
  TimerControl& operator=(const TimerControl&) = delete;
  const QString& name() const { return name_; }
  int interval() const { return interval_; }
  void setInterval(int ms);
  bool enabled() const { return enabled_; }
  void setEnabled(bool on);
  // Runs one tick now, as the timer would (tests).
  void tick();

  std::function<void()> onTimer;

 private:
  void update();
  QString name_;
  int interval_;
  bool enabled_;
  bool ticking_ = false;
  std::unique_ptr<QTimer> timer_;
};

// A menu: a top-level entry of the window's menu bar, or an item of another menu. An entry
// with items opens them; one without items is picked like an item.
class Menu {
 public:
  Menu(Form* form, QString name, const QString& caption);
  Menu(Menu* parent, QString name, const QString& caption);
  ~Menu();
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;
  const QString& name() const { return name_; }
  QString caption() const;
  void setCaption(const QString& text);
  bool enabled() const;
  void setEnabled(bool on);
  bool hasItems() const { return !items_.empty(); }
  // The pupil picking the item.
  void click();
  QAction* action() const { return action_; }

  std::function<void()> onClick;

 private:
  QMenu* submenu();
  QString name_;
  Form* form_;
  Menu* parent_;
  QString caption_;
  QPointer<QAction> action_;
  QPointer<QMenu> menu_;
  std::vector<Menu*> items_;
};

enum class WindowState { Normal, Minimized, Maximized };

// A window: a container of controls and a canvas of its own. Subclasses override the
// handlers they have.
class Form : public Container, public Canvas {
 public:
  Form(const QString& caption, double clientWidth, double clientHeight);
  ~Form() override;

  QWidget* clientWidget() const override;
  Form& form() override { return *this; }
  FontSpec childFont() const override;
  // The top-level window (tests grab it; main shows it).
  QWidget* window() const;
  // The form whose top-level window `window` is, or nullptr (tools that find a program's
  // windows among the application's).
  static Form* ofWindow(const QWidget* window);

  QString caption() const;
  void setCaption(const QString& text);
  void setIcon(const QString& resourcePath);
  // Closing the main window ends the program; closing another only hides it.
  void setMainWindow(bool on);
  // A window whose size the pupil cannot change (the designs with a fixed layout).
  void setResizable(bool on);

  // Runs Form_Load once, then Form_Resize; the window stays hidden.
  void load();
  bool loaded() const { return loaded_; }
  // Loads if needed, then shows or hides the window.
  void setVisible(bool on);
  bool visible() const;
  void show() { setVisible(true); }
  void hide() { setVisible(false); }

  // The zoom the window is shown at (1 is the layout of the design). Places, sizes and fonts
  // grow by it and pictures are drawn at the screen's ratio times it; what the program reads
  // back (twips, scale sizes, Form_Resize's size) is that of 100 %.
  double zoom() const { return zoom_; }
  void setZoom(double zoom);
  // The window filling the screen at the largest zoom that fits it whole, centred; leaving
  // returns the zoom and place it had.
  bool fullScreen() const { return fullScreen_.on; }
  void setFullScreen(bool on);
  // The inner area as the screen shows it now, in the screen's pixels.
  QImage clientImage() const;
  // The teacher's commands of this window: zoom, full screen, save, copy, About.
  Teacher& teacher() { return *teacher_; }

  // The inner size in twips (the form's ScaleWidth and ScaleHeight without a Scale).
  double clientWidth() const;
  double clientHeight() const;
  // Resizes the inner area and raises Form_Resize at once.
  void setClientSize(double width, double height);
  WindowState windowState() const;
  void setWindowState(WindowState s);

  Color backColor() const { return Canvas::backColor(); }
  void setBackColor(Color c);
  const FontSpec& font() const { return Canvas::font(); }
  void setFont(const FontSpec& f);

  // The pupil clicking or double-clicking the bare window, at a point no control covers.
  void click();
  void dblClick();

  const std::vector<Control*>& controls() const { return controls_; }
  const std::vector<Menu*>& menus() const { return menus_; }
  const std::vector<TimerControl*>& timers() const { return timers_; }

  virtual void Form_Load() {}
  virtual void Form_Resize() {}
  virtual void Form_Click() {}
  virtual void Form_DblClick() {}

 private:
  friend class Control;
  friend class Menu;
  friend class TimerControl;
  friend class FormWindow;
  friend class FormClient;
  friend class Teacher;
  void layoutClient();
  void clientResized();
  void fitRaster();
  // Places, sizes and fonts for the zoom now set.
  void applyZoom();
  int menuBarHeight() const;
  // The window as large as the inner area at the zoom, with the menu bar.
  void fitWindow(bool fixed);
  // The largest zoom at which the window fits `area` whole.
  double zoomToFit(QSize area) const;
  QMenuBar* menuBar();

  std::unique_ptr<QWidget> window_;
  QWidget* client_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  std::unique_ptr<Teacher> teacher_;
  bool loaded_ = false;
  bool shown_ = false;
  bool mainWindow_ = false;
  bool resizable_ = true;
  bool laying_ = false;
  double zoom_ = 1;
  QSize design_;  // the inner area at 100 %, px
  FontSpec windowFont_;
  struct {
    bool on = false;
    double zoom = 1;  // before
    QPoint place;     // before, the frame's corner
  } fullScreen_;
  QSize lastResize_;
  std::vector<Control*> controls_;
  std::vector<Menu*> menus_;
  std::vector<TimerControl*> timers_;
};

}  // namespace ui

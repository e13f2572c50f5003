// SPDX-License-Identifier: GPL-3.0-or-later
#include "teacher.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDir>
#include <QMenu>
#include <QSaveFile>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

#include "app.h"
#include "controls.h"
#include "platform.h"

namespace ui {
namespace {

const QString kZoomKey = QStringLiteral("zoom");  // per cent

struct Classroom {
  bool on = false;
  ProgramInfo info;
  int zoom = 100;  // per cent
  bool fullScreen = false;
};

Classroom& classroom() {
  static Classroom c;
  return c;
}

// The window's frame and title bar, which the screen's free area must hold beside the window.
constexpr int kFrameWidth = 16;   // px
constexpr int kFrameHeight = 48;  // px

}  // namespace

void startClassroom(const ProgramInfo& info, const QStringList& arguments) {
  Classroom& c = classroom();
  c.on = true;
  c.info = info;
  c.zoom = QSettings().value(kZoomKey, 100).toInt();
  for (int i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (a == QLatin1String("--fullscreen"))
      c.fullScreen = true;
    else if (a == QLatin1String("--zoom") && i + 1 < arguments.size())
      c.zoom = arguments[++i].toInt();
    else if (a.startsWith(QLatin1String("--zoom=")))
      c.zoom = a.mid(7).toInt();
  }
  c.zoom = std::clamp(c.zoom, zoomSteps().front(), zoomSteps().back());
}

const ProgramInfo& programInfo() {
  return classroom().info;
}

const std::vector<int>& zoomSteps() {
  static const std::vector<int> steps = {50, 67, 75, 90, 100, 125, 150, 175, 200, 250, 300};
  return steps;
}

Teacher::Teacher(Form& form) : QObject(form.window()), form_(form) {
  command(tr("Крупнее"),
          {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
          &Teacher::zoomIn);
  command(tr("Мельче"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &Teacher::zoomOut);
  command(tr("Обычный размер"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, &Teacher::zoomReset);
  command(tr("Во весь экран"), {QKeySequence(Qt::Key_F11)}, &Teacher::toggleFullScreen)
      ->setCheckable(true);
  command(tr("Сохранить рисунок…"), {QKeySequence(Qt::CTRL | Qt::Key_S)}, &Teacher::savePicture);
  command(tr("Копировать рисунок"), {QKeySequence(Qt::CTRL | Qt::Key_C)}, &Teacher::copyPicture);
  command(tr("О программе"), {}, &Teacher::about);
  // Esc is taken only while the window fills the screen: a shortcut, even a disabled one,
  // keeps its key from the controls.
  leave_ = new QAction(this);
  connect(leave_, &QAction::triggered, this, [this] { form_.setFullScreen(false); });
  form_.window()->addAction(leave_);
}

Teacher::~Teacher() = default;

QAction* Teacher::command(const QString& text, const QList<QKeySequence>& keys,
                          void (Teacher::*run)()) {
  auto* action = new QAction(text, this);
  action->setShortcuts(keys);
  connect(action, &QAction::triggered, this, run);
  form_.window()->addAction(action);
  commands_.push_back(action);
  return action;
}

void Teacher::zoomTo(double zoom) {
  if (form_.fullScreen()) return;
  form_.setZoom(zoom);
  if (classroom().on) QSettings().setValue(kZoomKey, int(std::lround(zoom * 100)));
}

void Teacher::zoomIn() {
  // No larger than the screen: a window beyond its edges cannot be reached whole.
  const double now = form_.zoom() * 100;
  const double fit = form_.zoomToFit(freeArea()) * 100;
  for (int step : zoomSteps())
    if (step > now + 0.5 && step <= fit + 0.5) return zoomTo(step / 100.0);
}

void Teacher::zoomOut() {
  const double now = form_.zoom() * 100;
  const auto& steps = zoomSteps();
  for (auto step = steps.rbegin(); step != steps.rend(); ++step)
    if (*step < now - 0.5) return zoomTo(*step / 100.0);
}

QSize Teacher::freeArea() const {
  const QScreen* screen = form_.window()->screen();
  return screen ? screen->availableGeometry().size() - QSize(kFrameWidth, kFrameHeight)
                : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void Teacher::zoomReset() {
  zoomTo(1);
}

void Teacher::toggleFullScreen() {
  form_.setFullScreen(!form_.fullScreen());
}

void Teacher::savePicture() {
  const QImage picture = form_.clientImage();  // as it is before the dialog covers it
  QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  const QString name = shownName();
  const QString proposed = QDir(folder).filePath(
      QStringLiteral("%1 %2.png")
          .arg(name, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"))));
  const QString path =
      platform().saveFileName(tr("Сохранить рисунок"), proposed, tr("Рисунки PNG (*.png)"));
  if (path.isEmpty()) return;
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && picture.save(&file, "PNG") && file.commit()) return;
  file.cancelWriting();
  platform().showMessage(tr("Сохранить рисунок"),
                         tr("Рисунок не сохранён в файл «%1»: %2.").arg(path, file.errorString()));
}

// The program's name in the windows' language: the launcher's list holds the names'
// translations; a program without one is called by its window's caption.
QString Teacher::shownName() const {
  const QString name = programInfo().name;
  return name.isEmpty() ? form_.caption()
                        : QCoreApplication::translate("Launcher", name.toUtf8().constData());
}

void Teacher::copyPicture() {
  QGuiApplication::clipboard()->setImage(form_.clientImage());
}

QString Teacher::aboutText() const {
  const ProgramInfo& info = programInfo();
  QString text = shownName();
  const QString line =
      lessonLanguage() == QLatin1String("en") && !info.english.isEmpty() ? info.english : info.line;
  if (!line.isEmpty()) text += QLatin1Char('\n') + line;
  return text + QStringLiteral("\n\n") + tr("Версия %1").arg(QStringLiteral(LESSON_VERSION)) +
         QStringLiteral("\n\n") +
         tr("Это свободная программа: её можно распространять и изменять на условиях "
            "Стандартной общественной лицензии GNU версии 3 или любой более поздней версии. "
            "Она распространяется без каких-либо гарантий.");
}

void Teacher::about() {
  platform().showMessage(tr("О программе"), aboutText());
}

void Teacher::showMenu(const QContextMenuEvent* e) {
  if (!menu_) {
    menu_ = new QMenu(form_.window());
    menu_->setAccessibleName(tr("Команды учителя"));
    for (size_t i = 0; i < commands_.size(); ++i) {
      if (i == 3 || i == 4 || i == 6) menu_->addSeparator();  // zoom | screen | picture | About
      menu_->addAction(commands_[i]);
    }
  }
  for (size_t i = 0; i < 3; ++i)
    commands_[i]->setEnabled(!form_.fullScreen());
  commands_[3]->setChecked(form_.fullScreen());
  QPoint at;
  if (e && e->reason() == QContextMenuEvent::Mouse) {
    at = e->globalPos();
  } else {
    const QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != form_.window()) focus = form_.clientWidget();
    at = focus->mapToGlobal(QPoint(focus->width() / 2, focus->height() / 2));
  }
  menu_->popup(at);
}

void Teacher::firstShowing() {
  const Classroom& c = classroom();
  if (!c.on) return;
  const double fit = form_.zoomToFit(freeArea());
  double zoom = c.zoom / 100.0;
  if (zoom > fit) {
    zoom = zoomSteps().front() / 100.0;
    for (int step : zoomSteps())
      if (step / 100.0 <= fit) zoom = step / 100.0;
  }
  form_.setZoom(zoom);
}

void Teacher::shown() {
  if (classroom().on && classroom().fullScreen && form_.mainWindow_) form_.setFullScreen(true);
}

}  // namespace ui

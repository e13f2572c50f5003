// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "ui/app.h"

namespace {

constexpr int kIconSize = 48;  // px
constexpr int kRowsInView = 9;
// The window's frame and title bar, which the screen's free area must hold beside the window.
constexpr int kFrameWidth = 16;   // px
constexpr int kFrameHeight = 48;  // px
const QString kFullScreenKey = QStringLiteral("fullScreen");

// Draws an entry as its icon beside the program's name in bold over what it shows.
class EntryDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QStringList lines = index.data().toString().split(QLatin1Char('\n'));
    opt.text.clear();
    QStyle* style = opt.widget->style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    QFont bold = opt.font;
    bold.setBold(true);  // the name, no wider than the description below it
    QFont plain = opt.font;
    plain.setBold(false);
    const int nameHeight = QFontMetrics(bold).height();
    const int textHeight = nameHeight + QFontMetrics(plain).height();
    QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
    text.adjust(4, (text.height() - textHeight) / 2, 0, 0);
    painter->save();
    painter->setPen(opt.palette.color(opt.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                         : QPalette::Text));
    painter->setFont(bold);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignTop, lines.value(0));
    painter->setFont(plain);
    painter->drawText(text.translated(0, nameHeight), Qt::AlignLeft | Qt::AlignTop, lines.value(1));
    painter->restore();
  }
};

QString quoted(const QString& name) {
  return Launcher::tr("«%1»").arg(name);
}

// A program's name and what it shows in the language of the windows.
QString nameOf(const Program& p) {
  return Launcher::tr(p.name.toUtf8().constData());
}
QString descriptionOf(const Program& p) {
  return ui::lessonLanguage() == QLatin1String("en") && !p.english.isEmpty() ? p.english
                                                                             : p.description;
}

}  // namespace

Launcher::Launcher(std::vector<Program> programs, QStringList searchDirs, Starter starter)
    : programs_(std::move(programs)),
      searchDirs_(std::move(searchDirs)),
      starter_(std::move(starter)),
      list_(new QListWidget(this)),
      startButton_(new QPushButton(tr("&Запустить"), this)),
      message_(new QLabel(this)),
      fullScreen_(new QCheckBox(tr("Во весь экран"), this)) {
  Q_INIT_RESOURCE(icons);
  setWindowTitle(tr("Уроки физики и математики"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/lessons.svg")));

  auto* hint = new QLabel(
      tr("Выберите программу и нажмите «Запустить», Enter или дважды щёлкните по ней."), this);
  hint->setWordWrap(true);
  hint->setBuddy(list_);

  list_->setIconSize(QSize(kIconSize, kIconSize));
  list_->setSpacing(2);
  list_->setItemDelegate(new EntryDelegate(list_));
  list_->setAccessibleName(tr("Программы"));
  for (const Program& p : programs_) {
    const QString name = nameOf(p);
    const QString description = descriptionOf(p);
    auto* item = new QListWidgetItem(QIcon(p.icon), name + QLatin1Char('\n') + description);
    item->setData(Qt::AccessibleTextRole, name + QStringLiteral(": ") + description);
    item->setToolTip(description);
    list_->addItem(item);
  }
  list_->setCurrentRow(0);

  startButton_->setDefault(true);
  startButton_->setAccessibleDescription(tr("Запускает выбранную программу"));

  message_->setWordWrap(true);
  message_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  fullScreen_->setChecked(QSettings().value(kFullScreenKey, false).toBool());
  fullScreen_->setAccessibleDescription(
      QCoreApplication::translate("Launcher", "Программа откроется во весь экран"));
  connect(fullScreen_, &QCheckBox::toggled, this,
          [](bool on) { QSettings().setValue(kFullScreenKey, on); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(hint);
  layout->addWidget(list_, 1);
  layout->addWidget(message_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(fullScreen_);
  buttons->addStretch(1);
  buttons->addWidget(startButton_);
  layout->addLayout(buttons);
  fitScreen();

  connect(list_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { start(list_->row(item)); });
  // A screen reader's Toggle selects an entry without making it current: the current row
  // follows the selection, so that the keys go on from the chosen entry.
  connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
    const QList<QListWidgetItem*> chosen = list_->selectedItems();
    if (!chosen.isEmpty() && list_->currentItem() != chosen.first())
      list_->setCurrentItem(chosen.first());
  });
  connect(startButton_, &QPushButton::clicked, this, [this] { start(chosenRow()); });
  list_->setFocus();
}

Launcher::Launcher(std::vector<Program> programs, QStringList searchDirs,
                   std::function<bool(const QString& path)> starter)
    : Launcher(std::move(programs), std::move(searchDirs),
               [starter](const QString& path, const QStringList&) { return starter(path); }) {}

void Launcher::fitScreen() {
  const int rowHeight = list_->sizeHintForRow(0) + 2 * list_->spacing();
  const int frame = 2 * list_->frameWidth();
  int rows = std::min(int(programs_.size()), kRowsInView);
  int width = list_->sizeHintForColumn(0) + frame + 24;
  if (const QScreen* s = screen()) {
    // What the window needs besides the list's rows.
    list_->setMinimumSize(0, 0);
    const int rest = layout()->minimumSize().height() - list_->minimumSizeHint().height() + frame;
    const QSize free = s->availableGeometry().size() - QSize(kFrameWidth, kFrameHeight);
    rows = std::clamp((free.height() - rest) / std::max(1, rowHeight), 1, rows);
    width = std::min(width, free.width() - 2 * layout()->contentsMargins().left());
  }
  list_->setMinimumWidth(width);
  list_->setMinimumHeight(rows * rowHeight + frame);
}

QStringList Launcher::defaultSearchDirs() {
  return {QCoreApplication::applicationDirPath()};
}

bool Launcher::startDetached(const QString& path, const QStringList& arguments) {
  QProcess process;
  process.setProgram(path);
  process.setArguments(arguments);
  process.setWorkingDirectory(QDir::homePath());
  return process.startDetached();
}

// Installed, the programs lie in the suite's own folder beside the launcher's bin folder; in
// the build tree each lies in its folder beside the launcher's. A command of the same name on
// the PATH, or beside the launcher, is another package's and is never taken.
QString Launcher::findExecutable(const QString& executable) const {
  for (const QString& dir : searchDirs_) {
    for (const QString& path :
         {QDir(dir).filePath(QStringLiteral(LESSON_PROGRAMS_FROM_BIN "/%1").arg(executable)),
          QDir(dir).filePath(QStringLiteral("../%1/%1").arg(executable))}) {
      const QFileInfo file(path);
      if (file.isFile()) return QDir::cleanPath(file.absoluteFilePath());
    }
  }
  return {};
}

int Launcher::chosenRow() const {
  const QList<QListWidgetItem*> chosen = list_->selectedItems();
  return chosen.isEmpty() ? list_->currentRow() : list_->row(chosen.first());
}

void Launcher::start(int row) {
  if (row < 0 || row >= int(programs_.size())) return;
  const Program& p = programs_[size_t(row)];
  const QString name = nameOf(p);
  QElapsedTimer& last = lastStart_[row];
  if (last.isValid() && last.elapsed() < kRepeatGuardMs) return;

  const QString path = findExecutable(p.executable);
  if (path.isEmpty()) {
    say(tr("Программа %1 не найдена: среди файлов уроков нет файла %2. "
           "Попросите учителя переустановить уроки.")
            .arg(quoted(name), quoted(p.executable)),
        true);
    return;
  }
  last.start();
  const QStringList arguments =
      fullScreen_->isChecked() ? QStringList{QStringLiteral("--fullscreen")} : QStringList();
  if (starter_(path, arguments))
    say(tr("Программа %1 запускается в своём окне.").arg(quoted(name)), false);
  else
    say(tr("Программу %1 не удалось запустить: система не смогла открыть файл %2.")
            .arg(quoted(name), quoted(path)),
        true);
}

void Launcher::say(const QString& text, bool problem) {
  message_->setStyleSheet(problem ? QStringLiteral("color: #b00000;") : QString());
  message_->setText(text);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "launcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "ui/app.h"

namespace {

constexpr int kIconSize = 48;  // px
constexpr int kRowsInView = 9;

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
      message_(new QLabel(this)) {
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
  // All programs in view at once, up to a screenful; more scroll.
  const int rows = std::min(int(programs_.size()), kRowsInView);
  list_->setMinimumWidth(list_->sizeHintForColumn(0) + 2 * list_->frameWidth() + 24);
  list_->setMinimumHeight(rows * (list_->sizeHintForRow(0) + 2 * list_->spacing()) +
                          2 * list_->frameWidth());

  startButton_->setDefault(true);
  startButton_->setAccessibleDescription(tr("Запускает выбранную программу"));

  message_->setWordWrap(true);
  message_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(hint);
  layout->addWidget(list_, 1);
  layout->addWidget(message_);
  layout->addWidget(startButton_, 0, Qt::AlignRight);

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

QStringList Launcher::defaultSearchDirs() {
  return {QCoreApplication::applicationDirPath()};
}

bool Launcher::startDetached(const QString& path) {
  QProcess process;
  process.setProgram(path);
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
  if (starter_(path))
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "beeper.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>
#include <cmath>

namespace ui {
namespace {

// Writes a short 880 Hz tone as a WAV file once per run and gives its path.
QString toneFile() {
  const QString path = QDir::temp().filePath(QStringLiteral("lesson-beep.wav"));
  if (QFile::exists(path)) return path;
  constexpr int rate = 22050, samples = rate / 8;
  QByteArray data;
  data.reserve(samples * 2);
  for (int i = 0; i < samples; ++i) {
    const double fade = std::min(1.0, std::min(i, samples - i) / 200.0);
    const auto s = qint16(9000 * fade * std::sin(2 * M_PI * 880.0 * i / rate));
    data.append(char(s & 0xFF)).append(char((s >> 8) & 0xFF));
  }
  auto le32 = [](quint32 v) {
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b;
  };
  auto le16 = [](quint16 v) {
    QByteArray b(2, 0);
    qToLittleEndian(v, b.data());
    return b;
  };
  QByteArray wav = "RIFF" + le32(36 + data.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(1) +
                   le32(rate) + le32(rate * 2) + le16(2) + le16(16) + "data" + le32(data.size()) +
                   data;
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write(wav);
  return path;
}

}  // namespace

void Beeper::findPlayer() {
  searched_ = true;
  if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") &&
      qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("offscreen"))
    return;
  const QString bell = QStringLiteral("/usr/share/sounds/freedesktop/stereo/bell.oga");
  if (auto p = QStandardPaths::findExecutable(QStringLiteral("canberra-gtk-play")); !p.isEmpty()) {
    program_ = p;
    arguments_ = {QStringLiteral("-i"), QStringLiteral("bell")};
  } else if (auto pa = QStandardPaths::findExecutable(QStringLiteral("paplay"));
             !pa.isEmpty() && QFile::exists(bell)) {
    program_ = pa;
    arguments_ = {bell};
  } else if (auto pw = QStandardPaths::findExecutable(QStringLiteral("pw-play")); !pw.isEmpty()) {
    program_ = pw;
    arguments_ = {toneFile()};
  } else if (auto a = QStandardPaths::findExecutable(QStringLiteral("aplay")); !a.isEmpty()) {
    program_ = a;
    arguments_ = {QStringLiteral("-q"), toneFile()};
  }
}

void Beeper::beep() {
  if (!searched_) findPlayer();
  if (program_.isEmpty() || !QProcess::startDetached(program_, arguments_)) QApplication::beep();
}

Beeper& beeper() {
  static Beeper instance;
  return instance;
}

}  // namespace ui

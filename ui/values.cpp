// SPDX-License-Identifier: GPL-3.0-or-later
#include "values.h"

#include <QLocale>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "errors.h"
#include "platform.h"

namespace ui {
namespace {

// Digits and decimal exponent of v rounded to `digits` significant digits, trailing zeros
// dropped: 0.0625 with 7 digits gives ("625", -2).
struct Decimal {
  std::string digits;
  int exponent = 0;
  bool negative = false;
};

Decimal decompose(double v, int digits) {
  Decimal d;
  d.negative = std::signbit(v) && v != 0;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", digits - 1, std::fabs(v));
  // buf looks like "6.250000e-02"
  std::string s(buf);
  const auto e = s.find('e');
  d.exponent = std::atoi(s.c_str() + e + 1);
  for (size_t i = 0; i < e; ++i)
    if (s[i] != '.') d.digits += s[i];
  while (d.digits.size() > 1 && d.digits.back() == '0')
    d.digits.pop_back();
  return d;
}

// Writes a finite non-zero number in the plain or the exponent form; `leadingZero` puts a 0
// before the point of numbers below one.
QString format(double v, int digits, bool leadingZero, QChar point) {
  if (std::isnan(v)) return QStringLiteral("NaN");
  if (std::isinf(v)) return v > 0 ? QStringLiteral("1.#INF") : QStringLiteral("-1.#INF");
  if (v == 0) return QStringLiteral("0");
  const Decimal d = decompose(v, digits);
  QString out = d.negative ? QStringLiteral("-") : QString();
  const int n = int(d.digits.size());
  if (d.exponent >= -4 && d.exponent < digits) {
    if (d.exponent < 0) {
      if (leadingZero) out += QLatin1Char('0');
      out += point;
      out += QString(-d.exponent - 1, QLatin1Char('0'));
      out += QString::fromLatin1(d.digits.c_str());
    } else {
      const int whole = d.exponent + 1;
      for (int i = 0; i < whole; ++i)
        out += i < n ? QLatin1Char(d.digits[i]) : QLatin1Char('0');
      if (n > whole) {
        out += point;
        out += QString::fromLatin1(d.digits.c_str() + whole);
      }
    }
    return out;
  }
  out += QLatin1Char(d.digits[0]);
  if (n > 1) {
    out += point;
    out += QString::fromLatin1(d.digits.c_str() + 1);
  }
  out += QLatin1Char('E');
  out += d.exponent < 0 ? QLatin1Char('-') : QLatin1Char('+');
  out += QStringLiteral("%1").arg(std::abs(d.exponent), 2, 10, QLatin1Char('0'));
  return out;
}

QString withSignBlank(double v, QString text) {
  return (std::signbit(v) && v != 0) || std::isnan(v) ? text : QLatin1Char(' ') + text;
}

QChar localePoint() {
  const QString sep = QLocale().decimalPoint();
  return sep.isEmpty() ? QLatin1Char('.') : sep.at(0);
}

constexpr quint32 kRndInitialSeed = 0x50000;
quint32 rndSeed = kRndInitialSeed;

}  // namespace

QString Str(double v) {
  return withSignBlank(v, format(v, 15, false, QLatin1Char('.')));
}
QString Str(float v) {
  return withSignBlank(v, format(double(v), 7, false, QLatin1Char('.')));
}
QString Str(int v) {
  return v < 0 ? QString::number(v) : QLatin1Char(' ') + QString::number(v);
}

QString CStr(double v) {
  return format(v, 15, true, localePoint());
}
QString CStr(float v) {
  return format(double(v), 7, true, localePoint());
}
QString CStr(int v) {
  return QString::number(v);
}

double Val(const QString& text) {
  std::string s;
  int i = 0;
  const int n = int(text.size());
  auto skipBlanks = [&] {
    while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r'))
      ++i;
  };
  auto digitsInto = [&](std::string& into) {
    int count = 0;
    for (skipBlanks(); i < n && text[i] >= '0' && text[i] <= '9'; skipBlanks()) {
      into += char(text[i++].unicode());
      ++count;
    }
    return count;
  };
  skipBlanks();
  if (i < n && (text[i] == '-' || text[i] == '+')) s += char(text[i++].unicode());
  int mantissaDigits = digitsInto(s);
  if (i < n && text[i] == '.') {
    s += '.';
    ++i;
    mantissaDigits += digitsInto(s);
  }
  if (mantissaDigits == 0) return 0;
  if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    std::string exponent = "e";
    ++i;
    skipBlanks();
    if (i < n && (text[i] == '-' || text[i] == '+')) exponent += char(text[i++].unicode());
    if (digitsInto(exponent) > 0) s += exponent;
  }
  return std::strtod(s.c_str(), nullptr);
}

double Int(double v) {
  return std::floor(v);
}

qint16 CInt(double v) {
  const double r = std::nearbyint(v);
  if (!(r >= -32768.0 && r <= 32767.0)) throw RuntimeError(RuntimeError::Overflow);
  return qint16(r);
}

qint32 CLng(double v) {
  const double r = std::nearbyint(v);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw RuntimeError(RuntimeError::Overflow);
  return qint32(r);
}

qint16 mul16(int a, int b) {
  const long long p = static_cast<long long>(a) * b;
  if (p < -32768 || p > 32767) throw RuntimeError(RuntimeError::Overflow);
  return qint16(p);
}

Int16 Int16::operator+(Int16 o) const {
  return Int16(CInt(double(v_) + o.v_));
}
Int16 Int16::operator-(Int16 o) const {
  return Int16(CInt(double(v_) - o.v_));
}
Int16 Int16::operator*(Int16 o) const {
  return Int16(mul16(v_, o.v_));
}
Int16 Int16::operator-() const {
  return Int16(CInt(-double(v_)));
}

float Rnd() {
  // The classic 24-bit linear congruential generator of the BASIC family.
  rndSeed = (rndSeed * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
  return float(rndSeed) / 16777216.0f;
}

void Randomize(double seed) {
  // Mixes the bits of the seed into the middle of the generator's state, keeping its low
  // byte, so that nearby seeds still give unrelated sequences.
  std::uint64_t bits;
  static_assert(sizeof bits == sizeof seed);
  std::memcpy(&bits, &seed, sizeof bits);
  const quint32 hi = quint32(bits >> 32);
  const quint32 mixed = (hi ^ (hi >> 16) ^ quint32(bits) ^ (quint32(bits) >> 13)) & 0xFFFFu;
  rndSeed = (rndSeed & 0xFF) | (mixed << 8);
}

void Randomize() {
  Randomize(double(Timer()));
}

void restartRandomSequence() {
  rndSeed = kRndInitialSeed;
}

float Timer() {
  return float(platform().secondsSinceMidnight());
}

double TimeOfDay() {
  return platform().secondsSinceMidnight() / 86400.0;
}

QString TimeText(double dayFraction) {
  double day = std::fmod(dayFraction, 1.0);
  if (day < 0) day += 1.0;
  long long seconds = std::llround(day * 86400.0) % 86400;
  const int h = int(seconds / 3600), m = int(seconds / 60 % 60), s = int(seconds % 60);
  return QStringLiteral("%1:%2:%3")
      .arg(h)
      .arg(m, 2, 10, QLatin1Char('0'))
      .arg(s, 2, 10, QLatin1Char('0'));
}

}  // namespace ui

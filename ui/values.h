// SPDX-License-Identifier: GPL-3.0-or-later
// Number and text conversions, whole-number arithmetic, colours, random numbers and the clock,
// with the exact rules the lesson windows rely on.
#pragma once

#include <QString>
#include <QtGlobal>
#include <cstdint>

namespace ui {

// A colour as r + 256*g + 65536*b; values with the top bit set name a system colour.
using Color = quint32;

constexpr Color RGB(int r, int g, int b) {
  return Color(r & 0xFF) | (Color(g & 0xFF) << 8) | (Color(b & 0xFF) << 16);
}

constexpr Color kBlack = 0;
constexpr Color kWhite = 16777215;
constexpr Color kRed = 255;
constexpr Color kGreen = 65280;
constexpr Color kBlue = 16711680;
constexpr Color kSysWindowBack = 0x80000005;
constexpr Color kSysWindowText = 0x80000008;
constexpr Color kSysCaptionText = 0x80000009;
constexpr Color kSysButtonFace = 0x8000000F;
constexpr Color kSysButtonText = 0x80000012;

// Number to text with a leading blank for zero and positive numbers, no zero before the
// point (" .5"), no trailing zeros, 15 significant digits for a double and 7 for a single,
// exponent form (" 1E+15", "-1.5E-05") outside the plain range.
QString Str(double v);
QString Str(float v);
QString Str(int v);

// The plain conversion used when a number is joined to text directly: no leading blank, a
// zero before the point, the decimal separator of the system's locale.
QString CStr(double v);
QString CStr(float v);
QString CStr(int v);

// Reads a signed decimal number with an optional exponent from the start of the text,
// ignoring blanks; stops at the first other character; no number gives 0. A number too large
// for a double gives an infinity of its sign.
double Val(const QString& text);

// The largest whole number not above v.
double Int(double v);

// Rounds to the nearest whole number, halves to even, as a fraction stored in a whole-number
// variable is; raises a run-time error outside the 16-bit (CInt) or 32-bit (CLng) range.
qint16 CInt(double v);
qint32 CLng(double v);

// A 16-bit whole number whose arithmetic raises a run-time error on overflow.
class Int16 {
 public:
  constexpr Int16() = default;
  constexpr Int16(qint16 v) : v_(v) {}  // NOLINT: converts like the language it mirrors
  static Int16 fromDouble(double v) { return Int16(CInt(v)); }
  constexpr qint16 value() const { return v_; }
  constexpr operator double() const { return v_; }  // NOLINT
  Int16 operator+(Int16 o) const;
  Int16 operator-(Int16 o) const;
  Int16 operator*(Int16 o) const;
  Int16 operator-() const;
  Int16& operator+=(Int16 o) { return *this = *this + o; }
  Int16& operator-=(Int16 o) { return *this = *this - o; }

 private:
  qint16 v_ = 0;
};

// The product a*b formed in 16 bits: raises a run-time error when it does not fit.
qint16 mul16(int a, int b);

// The next number of the random sequence, in [0, 1). Without Randomize the sequence is the
// same at every start.
float Rnd();
// Seeds the sequence from the clock.
void Randomize();
// Seeds the sequence from a given number (tests, reproducible runs).
void Randomize(double seed);

// Puts the sequence back to where it stands at start-up (tests).
void restartRandomSequence();

// Seconds since midnight in single precision, from the platform's clock.
float Timer();
// The time of day as a fraction of a day, in double precision.
double TimeOfDay();
// A time given as a fraction of a day written as H:MM:SS (24-hour, whole seconds); the last
// two characters are always the seconds. Negative times count back from midnight.
QString TimeText(double dayFraction);

}  // namespace ui

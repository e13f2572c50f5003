// SPDX-License-Identifier: GPL-3.0-or-later
// The faults that end a lesson program, and the unwinding that End and the nesting bound use.
#pragma once

#include <QString>
#include <exception>

namespace ui {

// A run-time error of the program's arithmetic; the event dispatch shows it and ends the
// program.
class RuntimeError : public std::exception {
 public:
  enum Kind { Overflow, DivisionByZero, BadArgument, Other };
  explicit RuntimeError(Kind kind, QString detail = {});
  Kind kind() const { return kind_; }
  // The message shown to the pupil, in Russian.
  QString message() const;
  const char* what() const noexcept override { return "lesson run-time error"; }

 private:
  Kind kind_;
  QString detail_;
};

// Thrown to unwind the handlers once the program has been ended.
struct ProgramEnded : std::exception {
  const char* what() const noexcept override { return "program ended"; }
};

// Thrown by a pause that would nest deeper than the bound; it abandons the handler that
// started the loop, leaving the loops around it running.
struct NestingLimitReached : std::exception {
  const char* what() const noexcept override { return "nesting limit reached"; }
};

// Divides, raising a run-time error for a zero divisor as the lesson arithmetic does.
double divide(double a, double b);

}  // namespace ui

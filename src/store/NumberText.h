#pragma once

#include <QString>
#include <optional>

// The one place that turns texts into numbers and numbers into texts.
// Every value moves between fields and columns as text: "." is the decimal
// point, numbers are written in the general form (at most 15 significant
// digits), and computations on them run in extended precision.
namespace store::NumberText {

// Reads a text as a number: blanks around it, an optional sign, digits with
// "." as the decimal point and an optional exponent ("1E3"). "." alone is 0.
// Returns nothing for a text that is not a number (the empty text included).
std::optional<long double> read(const QString& text);

// As read(), but a text that is not a number throws
// "'<text>' is not a valid floating point value".
long double toNumber(const QString& text);

// The general form: the shortest text with at most 15 significant digits, no
// trailing zeros, scientific ("1E20", "1.5E-6") only at 1E15 and above or
// below 0.00001.
QString general(long double value);

// The display format "#0.##": at least one integer digit, at most two
// decimals rounded half away from zero, trailing zeros and point dropped.
QString display(double value);

// Two-decimal display rounding of a stored text: read it, round to two
// decimals as "0.00" would, and write it back in the general form
// (12.5 -> "12.5", 3 -> "3", 2.006 -> "2.01"). Throws on a non-number.
QString round2(const QString& text);

// general(a * b) of two field texts, multiplied in extended precision.
// Throws on a text that is not a number.
QString product(const QString& a, const QString& b);

// Report rounding to two decimals: divide by the double nearest 0.01, round
// the quotient half to even, multiply back (2.675 -> 2.67, 0.125 -> 0.12).
double reportRound2(double value);

// Running totals of reports are fixed-point with four decimals. Adds a value
// to a total held in ten-thousandths, rounding half to even.
qint64 addRounded4(qint64 totalTenThousandths, double value);
double fromTenThousandths(qint64 total);

}  // namespace store::NumberText

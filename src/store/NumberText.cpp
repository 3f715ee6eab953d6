#include "NumberText.h"

#include <locale.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "StoreError.h"

namespace store::NumberText {
namespace {

locale_t cLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", nullptr);
    return loc;
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// Decimal digits of |v| rounded to `precision` significant digits, and the
// power of ten of the first digit.
struct Decimal {
    QByteArray digits;
    int exponent = 0;
};

Decimal decimalOf(long double v, int precision) {
    char buf[80];
    std::snprintf(buf, sizeof buf, "%.*Le", precision - 1, std::fabs(v));
    Decimal d;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p) {
        if (*p != '.') d.digits.append(*p);
    }
    d.exponent = *p ? std::atoi(p + 1) : 0;
    return d;
}

// Rounds |v| half away from zero at `decimals` places after the point,
// working on its 18-digit decimal expansion, and writes it with at least one
// integer digit and without trailing zeros.
QString roundedFixed(long double v, int decimals) {
    Decimal d = decimalOf(v, 18);
    int intDigits = d.exponent + 1;  // digits before the point
    int keep = intDigits + decimals;
    QByteArray kept;
    if (keep < 0) {
        kept = "0";
        intDigits = 1;
    } else if (keep >= d.digits.size()) {
        kept = d.digits;
    } else {
        kept = d.digits.left(keep);
        if (d.digits[keep] >= '5') {
            int i = kept.size() - 1;
            while (i >= 0 && kept[i] == '9') kept[i--] = '0';
            if (i >= 0) {
                kept[i] = kept[i] + 1;
            } else {
                kept.prepend('1');
                ++intDigits;
            }
        }
        if (kept.isEmpty()) kept = "0";
    }
    // Lay the digits out around the point.
    QByteArray intPart, fracPart;
    if (intDigits <= 0) {
        intPart = "0";
        fracPart = QByteArray(-intDigits, '0') + kept;
    } else if (intDigits >= kept.size()) {
        intPart = kept + QByteArray(intDigits - kept.size(), '0');
    } else {
        intPart = kept.left(intDigits);
        fracPart = kept.mid(intDigits);
    }
    fracPart = fracPart.left(decimals);
    while (fracPart.endsWith('0')) fracPart.chop(1);
    int nz = 0;
    while (nz < intPart.size() - 1 && intPart[nz] == '0') ++nz;
    intPart = intPart.mid(nz);
    bool zero = intPart == "0" && fracPart.isEmpty();
    QString out = QString::fromLatin1(intPart);
    if (!fracPart.isEmpty()) out += u'.' + QString::fromLatin1(fracPart);
    if (v < 0 && !zero) out.prepend(u'-');
    return out;
}

}  // namespace

std::optional<long double> read(const QString& text) {
    int b = 0, e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    if (b == e) return std::nullopt;
    QByteArray s;
    s.reserve(e - b);
    for (int i = b; i < e; ++i) {
        char16_t c = text[i].unicode();
        if (c > 0x7f) return std::nullopt;
        s.append(char(c));
    }
    if (s == ".") return 0.0L;
    // Check the shape ourselves: strtold would also take hex, "inf" and "nan".
    int i = 0;
    if (s[i] == '+' || s[i] == '-') ++i;
    int mantissaDigits = 0;
    while (i < s.size() && std::isdigit(uchar(s[i]))) ++i, ++mantissaDigits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(uchar(s[i]))) ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        int expDigits = 0;
        while (i < s.size() && std::isdigit(uchar(s[i]))) ++i, ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    long double v = strtold_l(s.constData(), nullptr, cLocale());
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

long double toNumber(const QString& text) {
    if (auto v = read(text)) return *v;
    throw Error(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

QString general(long double value) {
    if (value == 0) return QStringLiteral("0");
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    Decimal d = decimalOf(value, 15);
    while (d.digits.size() > 1 && d.digits.endsWith('0')) d.digits.chop(1);
    QString out;
    if (value < 0) out += u'-';
    const QString digits = QString::fromLatin1(d.digits);
    if (d.exponent >= 15 || d.exponent < -5) {
        out += digits.left(1);
        if (digits.size() > 1) out += u'.' + digits.mid(1);
        out += u'E' + QString::number(d.exponent);
    } else if (d.exponent < 0) {
        out += QStringLiteral("0.") + QString(-d.exponent - 1, u'0') + digits;
    } else if (d.exponent + 1 >= digits.size()) {
        out += digits + QString(d.exponent + 1 - digits.size(), u'0');
    } else {
        out += digits.left(d.exponent + 1) + u'.' + digits.mid(d.exponent + 1);
    }
    return out;
}

QString display(double value) {
    if (!std::isfinite(value)) return general(value);
    return roundedFixed(value, 2);
}

QString round2(const QString& text) {
    const long double v = toNumber(text);
    return general(toNumber(roundedFixed(v, 2)));
}

QString product(const QString& a, const QString& b) {
    const long double x = toNumber(a);
    const long double y = toNumber(b);
    return general(x * y);
}

double reportRound2(double value) {
    // The quotient must not be rounded to a double first: 2.675 / 0.01 lies
    // just below 267.5, but the nearest double is 267.5 itself, whose tie
    // would then go to 268.
    const long double cent = 0.01;  // the double just above 0.01
    const long double q = std::nearbyintl(static_cast<long double>(value) / cent);
    return static_cast<double>(q * cent);
}

qint64 addRounded4(qint64 totalTenThousandths, double value) {
    return std::llrintl(static_cast<long double>(totalTenThousandths) +
                        static_cast<long double>(value) * 10000.0L);
}

double fromTenThousandths(qint64 total) {
    return static_cast<double>(static_cast<long double>(total) / 10000.0L);
}

}  // namespace store::NumberText

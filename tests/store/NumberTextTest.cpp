#include <gtest/gtest.h>

#include <cstdlib>

#include "NumberText.h"
#include "StoreError.h"

namespace nt = store::NumberText;

namespace {

enum class Fn { Read, General, Product, Display, Round2, ReportRound2, AddRounded4 };

// Inputs of the number-taking functions are decimal literals read by the C
// library (the double, or the extended value, nearest to them), so the
// expectations do not depend on the code under test. Expected texts that
// start with "error: " are the exact error message; "none" is a refused text.
struct Case {
    Fn fn;
    const char* input;
    const char* expected;
    const char* second = "";  // product's other factor
};

const Case kCases[] = {
    // read(): blanks around, sign, point, exponent; nothing else.
    {Fn::Read, "12.50", "12.5"},
    {Fn::Read, "  12.50  ", "12.5"},
    {Fn::Read, "1E3", "1000"},
    {Fn::Read, "1e3", "1000"},
    {Fn::Read, "1.5E+2", "150"},
    {Fn::Read, "25E-3", "0.025"},
    {Fn::Read, ".", "0"},
    {Fn::Read, ".5", "0.5"},
    {Fn::Read, "5.", "5"},
    {Fn::Read, "+5", "5"},
    {Fn::Read, "-0.5", "-0.5"},
    {Fn::Read, "0.1", "0.1"},
    {Fn::Read, "", "none"},
    {Fn::Read, "   ", "none"},
    {Fn::Read, "abc", "none"},
    {Fn::Read, "1.2.3", "none"},
    {Fn::Read, "-", "none"},
    {Fn::Read, "+", "none"},
    {Fn::Read, "-.", "none"},
    {Fn::Read, "1e", "none"},
    {Fn::Read, "1E+", "none"},
    {Fn::Read, "E3", "none"},
    {Fn::Read, "12.5abc", "none"},
    {Fn::Read, "1 000", "none"},
    {Fn::Read, "1,5", "none"},
    {Fn::Read, "0x10", "none"},
    {Fn::Read, "0x1p3", "none"},
    {Fn::Read, "inf", "none"},
    {Fn::Read, "INF", "none"},
    {Fn::Read, "infinity", "none"},
    {Fn::Read, "nan", "none"},
    {Fn::Read, "NAN(1)", "none"},
    {Fn::Read, "1E5000", "none"},
    {Fn::Read, "\xef\xbc\x91\xef\xbc\x92", "none"},  // full-width digits
    {Fn::Read, "12\xe5\x85\x83", "none"},            // 12元

    // general(): at most 15 significant digits, shortest, scientific only at
    // 1E15 and above or below 0.00001.
    {Fn::General, "0", "0"},
    {Fn::General, "-0", "0"},
    {Fn::General, "12.5", "12.5"},
    {Fn::General, "-12.5", "-12.5"},
    {Fn::General, "100", "100"},
    {Fn::General, "0.333333333333333333333", "0.333333333333333"},
    {Fn::General, "0.666666666666666666667", "0.666666666666667"},
    {Fn::General, "-0.666666666666666666667", "-0.666666666666667"},
    {Fn::General, "0.30000000000000004", "0.3"},
    {Fn::General, "123456789.123456789", "123456789.123457"},
    {Fn::General, "999999999999999", "999999999999999"},
    {Fn::General, "999999999999999.4", "999999999999999"},
    {Fn::General, "999999999999999.9", "1E15"},
    {Fn::General, "1E15", "1E15"},
    {Fn::General, "-1E15", "-1E15"},
    {Fn::General, "1234567890123456", "1.23456789012346E15"},
    {Fn::General, "1.5E20", "1.5E20"},
    {Fn::General, "0.00001", "0.00001"},
    {Fn::General, "0.000012345", "0.000012345"},
    {Fn::General, "0.0000099", "9.9E-6"},
    {Fn::General, "-0.0000099", "-9.9E-6"},
    {Fn::General, "0.0000099999999999999999", "0.00001"},
    {Fn::General, "1E-20", "1E-20"},

    // product(): multiplied in extended precision, written in general form.
    {Fn::Product, "0.1", "0.3", "3"},
    {Fn::Product, "19.99", "59.97", "3"},
    {Fn::Product, "1.1", "1.21", "1.1"},
    {Fn::Product, "1E3", "2500", "2.5"},
    {Fn::Product, "-2.5", "-10", "4"},
    {Fn::Product, "12.5", "error: '' is not a valid floating point value", ""},
    {Fn::Product, "abc", "error: 'abc' is not a valid floating point value", "2"},

    // display(): "#0.##" of a stored double, half away from zero on the
    // double's own decimal expansion.
    {Fn::Display, "1234.5", "1234.5"},
    {Fn::Display, "2", "2"},
    {Fn::Display, "0", "0"},
    {Fn::Display, "2.5", "2.5"},
    {Fn::Display, "0.125", "0.13"},
    {Fn::Display, "-0.125", "-0.13"},
    {Fn::Display, "2.675", "2.67"},  // the double lies just below
    {Fn::Display, "1.005", "1"},     // likewise
    {Fn::Display, "0.005", "0.01"},  // the double lies just above
    {Fn::Display, "1.126", "1.13"},
    {Fn::Display, "-1.234", "-1.23"},
    {Fn::Display, "0.004", "0"},
    {Fn::Display, "-0.004", "0"},
    {Fn::Display, "99.995", "100"},  // the double lies just above
    {Fn::Display, "0.285", "0.28"},  // the double lies just below
    {Fn::Display, "0.333333333333333", "0.33"},
    {Fn::Display, "12345678.905", "12345678.9"},

    // round2(): the text read in extended precision, "0.00", back to general.
    {Fn::Round2, "12.50", "12.5"},
    {Fn::Round2, "3.00", "3"},
    {Fn::Round2, "3", "3"},
    {Fn::Round2, "2.006", "2.01"},
    {Fn::Round2, "2.675", "2.68"},  // as a text it is exactly half a cent
    {Fn::Round2, "-2.675", "-2.68"},
    {Fn::Round2, "0.004", "0"},
    {Fn::Round2, "-0.004", "0"},
    {Fn::Round2, "0.333333333333333", "0.33"},
    {Fn::Round2, " 1E3 ", "1000"},
    {Fn::Round2, "99.995", "100"},
    {Fn::Round2, "", "error: '' is not a valid floating point value"},
    {Fn::Round2, "abc", "error: 'abc' is not a valid floating point value"},

    // reportRound2(): quotient by the double above 0.01, ties to even; the
    // label shows the result in general form.
    {Fn::ReportRound2, "2.675", "2.67"},
    {Fn::ReportRound2, "-2.675", "-2.67"},
    {Fn::ReportRound2, "0.125", "0.12"},
    {Fn::ReportRound2, "0.375", "0.37"},
    {Fn::ReportRound2, "0.875", "0.87"},
    {Fn::ReportRound2, "2.665", "2.66"},
    {Fn::ReportRound2, "1.126", "1.13"},
    {Fn::ReportRound2, "1234.5", "1234.5"},
    {Fn::ReportRound2, "100", "100"},
    {Fn::ReportRound2, "0", "0"},
    {Fn::ReportRound2, "123456.789", "123456.79"},

    // addRounded4() from a zero total: ten-thousandths, ties to even.
    {Fn::AddRounded4, "0.03125", "312"},
    {Fn::AddRounded4, "0.09375", "938"},
    {Fn::AddRounded4, "-0.03125", "-312"},
    {Fn::AddRounded4, "0.00005", "1"},  // the double lies just above
    {Fn::AddRounded4, "0.00015", "1"},  // the double lies just below
    {Fn::AddRounded4, "2.675", "26750"},
    {Fn::AddRounded4, "1234.5", "12345000"},
};

QString u(const char* s) {
    return QString::fromUtf8(s);
}

QString run(const Case& c) {
    const QString in = u(c.input);
    switch (c.fn) {
        case Fn::Read: {
            auto v = nt::read(in);
            if (!v) return QStringLiteral("none");
            const long double want = std::strtold(c.expected, nullptr);
            return *v == want ? u(c.expected)
                              : QStringLiteral("read %1").arg(double(*v), 0, 'g', 21);
        }
        case Fn::General:
            return nt::general(std::strtold(c.input, nullptr));
        case Fn::Product:
            return nt::product(in, u(c.second));
        case Fn::Display:
            return nt::display(std::strtod(c.input, nullptr));
        case Fn::Round2:
            return nt::round2(in);
        case Fn::ReportRound2:
            return nt::general(nt::reportRound2(std::strtod(c.input, nullptr)));
        case Fn::AddRounded4:
            return QString::number(nt::addRounded4(0, std::strtod(c.input, nullptr)));
    }
    return {};
}

const char* fnName(Fn fn) {
    switch (fn) {
        case Fn::Read:
            return "read";
        case Fn::General:
            return "general";
        case Fn::Product:
            return "product";
        case Fn::Display:
            return "display";
        case Fn::Round2:
            return "round2";
        case Fn::ReportRound2:
            return "reportRound2";
        case Fn::AddRounded4:
            return "addRounded4";
    }
    return "?";
}

}  // namespace

TEST(NumberText, TableOfCases) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(fnName(c.fn)) + "(\"" + c.input + "\"" +
                     (c.fn == Fn::Product ? std::string(", \"") + c.second + "\"" : "") + ")");
        QString got;
        try {
            got = run(c);
        } catch (const store::Error& e) {
            got = QStringLiteral("error: ") + e.message();
        }
        EXPECT_EQ(got.toStdString(), std::string(c.expected));
    }
}

TEST(NumberText, ToNumberNamesTheTextInItsError) {
    EXPECT_EQ(double(nt::toNumber(QStringLiteral(" 12.50 "))), 12.5);
    try {
        nt::toNumber(QStringLiteral("1.2.3"));
        FAIL() << "no error";
    } catch (const store::Error& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'1.2.3' is not a valid floating point value"));
    }
}

// A column total is fixed-point: a million additions of 0.1 land exactly on
// 100000, where a running double drifts into the fifteenth digit.
TEST(NumberText, RunningTotalStaysOnTenThousandths) {
    qint64 total = 0;
    double drifting = 0;
    for (int i = 0; i < 1000000; ++i) {
        total = nt::addRounded4(total, 0.1);
        drifting += 0.1;
    }
    EXPECT_EQ(total, 1000000000);
    EXPECT_EQ(nt::general(nt::fromTenThousandths(total)), QStringLiteral("100000"));
    EXPECT_NE(nt::general(drifting), QStringLiteral("100000"));  // what the fixed point avoids

    // 26750 + 1250 + 12345000, then 12373000 - 312.5 ties to the even 12372688.
    qint64 t = 0;
    for (double v : {2.675, 0.125, 1234.5, -0.03125}) t = nt::addRounded4(t, v);
    EXPECT_EQ(t, 12372688);
    EXPECT_EQ(nt::general(nt::fromTenThousandths(t)), QStringLiteral("1237.2688"));
}

#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string_view>

namespace plotmere {
namespace {

struct NumberTextRow {
    double value;
    int digits;
    const char* text;
};

class NumberToTextTest : public testing::TestWithParam<NumberTextRow> {};

TEST_P(NumberToTextTest, WritesTheShortInvariantForm) {
    const NumberTextRow& row = GetParam();
    EXPECT_EQ(NumberToText(row.value, row.digits), row.text) << "value " << row.value;
}

INSTANTIATE_TEST_SUITE_P(
    Notation, NumberToTextTest,
    testing::Values(
        // Zero, signs and the missing leading zero.
        NumberTextRow{0.0, 15, "0"}, NumberTextRow{-0.0, 15, "0"}, NumberTextRow{0.0, 7, "0"},
        NumberTextRow{0.5, 15, ".5"}, NumberTextRow{-0.5, 15, "-.5"},
        NumberTextRow{-0.25, 7, "-.25"}, NumberTextRow{7, 7, "7"}, NumberTextRow{-7, 7, "-7"},
        NumberTextRow{12.34, 15, "12.34"}, NumberTextRow{2.5, 15, "2.5"},
        NumberTextRow{-2.5, 15, "-2.5"}, NumberTextRow{100, 15, "100"},
        NumberTextRow{1.0 / 3.0, 15, ".333333333333333"},
        NumberTextRow{2.0 / 3.0, 15, ".666666666666667"},
        // Lower boundary of plain notation: exponent -4 is plain, -5 scientific.
        NumberTextRow{0.0001, 15, ".0001"}, NumberTextRow{0.00012345, 15, ".00012345"},
        NumberTextRow{0.00001, 15, "1E-05"}, NumberTextRow{-0.00001, 15, "-1E-05"},
        NumberTextRow{0.000099999, 15, "9.9999E-05"},
        NumberTextRow{0.00009999999999999995, 15, ".0001"}, // rounds up into plain range
        NumberTextRow{0.0001, 7, ".0001"}, NumberTextRow{0.00001, 7, "1E-05"},
        // Upper boundary: exponent digits-1 is plain, one more is scientific.
        NumberTextRow{1e14, 15, "100000000000000"}, NumberTextRow{1e15, 15, "1E+15"},
        NumberTextRow{999999999999999.0, 15, "999999999999999"},
        NumberTextRow{9999999999999999.0, 15, "1E+16"}, // 16 nines round to 1E+16
        NumberTextRow{1.5e20, 15, "1.5E+20"}, NumberTextRow{-1.5e20, 15, "-1.5E+20"},
        NumberTextRow{1234567, 7, "1234567"}, NumberTextRow{9999999, 7, "9999999"},
        NumberTextRow{10000000, 7, "1E+07"}, NumberTextRow{12345678, 7, "1.234568E+07"},
        NumberTextRow{99999996, 7, "1E+08"}, NumberTextRow{1e100, 15, "1E+100"},
        NumberTextRow{1e-100, 15, "1E-100"}, NumberTextRow{5e-324, 15, "4.94065645841247E-324"},
        NumberTextRow{1.7976931348623157e308, 15, "1.79769313486232E+308"},
        // Single-precision values are written with 7 digits.
        NumberTextRow{static_cast<double>(0.1f), 7, ".1"},
        NumberTextRow{static_cast<double>(0.1234567891f), 7, ".1234568"},
        NumberTextRow{static_cast<double>(1.9f), 7, "1.9"},
        NumberTextRow{static_cast<double>(99999.001f), 7, "99999"},
        NumberTextRow{static_cast<double>(-3.25f), 7, "-3.25"},
        NumberTextRow{static_cast<double>(0.1f), 15, ".100000001490116"},
        // Values that only a hand-edited setting can produce.
        NumberTextRow{std::numeric_limits<double>::infinity(), 15, "inf"},
        NumberTextRow{-std::numeric_limits<double>::infinity(), 7, "-inf"},
        NumberTextRow{std::numeric_limits<double>::quiet_NaN(), 15, "nan"}));

struct TextNumberRow {
    const char* text;
    double value;
};

class TextToNumberTest : public testing::TestWithParam<TextNumberRow> {};

TEST_P(TextToNumberTest, ReadsTheLongestLeadingNumber) {
    const TextNumberRow& row = GetParam();
    EXPECT_EQ(TextToNumber(row.text), row.value) << "text \"" << row.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Reading, TextToNumberTest,
    testing::Values(
        TextNumberRow{"", 0}, TextNumberRow{"abc", 0}, TextNumberRow{".", 0}, TextNumberRow{"-", 0},
        TextNumberRow{"-.", 0}, TextNumberRow{"12", 12}, TextNumberRow{"2x", 2},
        TextNumberRow{"  42", 42}, TextNumberRow{"\t-3.5", -3.5}, TextNumberRow{"+7", 7},
        TextNumberRow{".5", 0.5}, TextNumberRow{"-.5", -0.5}, TextNumberRow{"5.", 5},
        TextNumberRow{"007", 7}, TextNumberRow{"1.2.3", 1.2}, TextNumberRow{"1e5", 1e5},
        TextNumberRow{"1E-05", 1e-5}, TextNumberRow{"1.5E+20", 1.5e20}, TextNumberRow{"2d3", 2000},
        TextNumberRow{"2D-1", 0.2}, TextNumberRow{"2e", 2}, TextNumberRow{"2e+", 2},
        TextNumberRow{"2ex", 2}, TextNumberRow{"3.14159265358979", 3.14159265358979},
        TextNumberRow{"0.1", 0.1}, TextNumberRow{"000.000123", 0.000123}, TextNumberRow{"1 2", 1},
        TextNumberRow{"1,5", 1}, TextNumberRow{"1e400", std::numeric_limits<double>::infinity()},
        TextNumberRow{"-1e400", -std::numeric_limits<double>::infinity()},
        TextNumberRow{"1e-400", 0}, TextNumberRow{"4.9406564584124654e-324", 5e-324},
        TextNumberRow{"1e99999999999999999999", std::numeric_limits<double>::infinity()},
        TextNumberRow{"1e-99999999999999999999", 0}));

TEST(TextToNumberTest, KeepsCorrectRoundingForVeryLongDigitStrings) {
    // 0.1 followed by thousands of zeros and a final 1 lies just above 0.1, but closer to 0.1
    // than to the next double; the cut must not change the result.
    const std::string longFraction = "0.1" + std::string(5000, '0') + "1";
    EXPECT_EQ(TextToNumber(longFraction), 0.1);
    // A long run of integer digits keeps its magnitude.
    const std::string longInteger = "1" + std::string(1000, '0');
    EXPECT_EQ(TextToNumber(longInteger), std::numeric_limits<double>::infinity());
    const std::string manyDigits = "1" + std::string(300, '0') + "." + std::string(2000, '9');
    EXPECT_EQ(TextToNumber(manyDigits), 1e300);
    // Halfway between 1 and the next double, then a tiny excess far beyond the cut: rounds up.
    const std::string aboveHalfway =
        "1.00000000000000011102230246251565404236316680908203125" + std::string(3000, '0') + "1";
    EXPECT_EQ(TextToNumber(aboveHalfway), std::nextafter(1.0, 2.0));
}

TEST(NumberTextRoundTrip, EveryShortTextOfADoubleReadsBackAsItsRoundedValue) {
    // The 15-digit text is the value rounded to 15 digits, so reading it back and writing it
    // again must give the same text (the property the canonical-numeral test relies on).
    const double values[] = {1.0 / 7,       123456.789, -9.87654321e-7,
                             6.02214076e23, 299792458,  0.30000000000000004,
                             1e15 - 1,      1e-4,       99999.5};
    for (double value : values) {
        const std::string text = NumberToText(value, DoublePrecisionDigits);
        EXPECT_EQ(NumberToText(TextToNumber(text), DoublePrecisionDigits), text) << text;
    }
}

// Switches the C library's locale to one that writes numbers with a decimal comma, if the system
// has one, and back to "C" when done.
class DecimalCommaLocale {
public:
    DecimalCommaLocale() {
        // Linux names first, then Windows names.
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "German_Germany.1252",
                                 "de-DE", "French_France.1252"}) {
            if (std::setlocale(LC_ALL, name) != nullptr &&
                std::string_view(std::localeconv()->decimal_point) == ",") {
                name_ = name;
                return;
            }
        }
        std::setlocale(LC_ALL, "C");
    }
    ~DecimalCommaLocale() { std::setlocale(LC_ALL, "C"); }
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

    const char* name() const { return name_; }

private:
    const char* name_ = nullptr;
};

// Number texts are the program's own, whatever the C library's locale says: a point, no
// grouping, the same exponent form; and reading stops at a comma.
TEST(NumberTextLocaleTest, IgnoresTheCLibrarysLocale) {
    const DecimalCommaLocale locale;
    if (locale.name() == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma on this system";
    }
    SCOPED_TRACE(locale.name());
    const NumberTextRow written[] = {{1.5, 15, "1.5"},
                                     {-1234567.25, 15, "-1234567.25"},
                                     {1.5e20, 15, "1.5E+20"},
                                     {0.00012345, 15, ".00012345"},
                                     {static_cast<double>(0.1f), 7, ".1"}};
    for (const NumberTextRow& row : written) {
        EXPECT_EQ(NumberToText(row.value, row.digits), row.text);
    }
    const TextNumberRow read[] = {{"1.5", 1.5},
                                  {"1,5", 1},
                                  {"-.25", -0.25},
                                  {"2d3", 2000},
                                  {"3.14159265358979", 3.14159265358979}};
    for (const TextNumberRow& row : read) {
        EXPECT_EQ(TextToNumber(row.text), row.value) << row.text;
    }
    EXPECT_TRUE(IsCanonicalNumeral("-3.25"));
    EXPECT_FALSE(IsCanonicalNumeral("-3,25"));
}

struct CanonicalRow {
    const char* text;
    bool canonical;
};

class CanonicalNumeralTest : public testing::TestWithParam<CanonicalRow> {};

TEST_P(CanonicalNumeralTest, AcceptsOnlyTheProgramsOwnForm) {
    EXPECT_EQ(IsCanonicalNumeral(GetParam().text), GetParam().canonical) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CanonicalNumeralTest,
    testing::Values(CanonicalRow{"5", true}, CanonicalRow{"-3.25", true}, CanonicalRow{".5", true},
                    CanonicalRow{"-.5", true}, CanonicalRow{"1E-05", true},
                    CanonicalRow{"1.5E+20", true}, CanonicalRow{"99999", true},
                    CanonicalRow{"0", true}, CanonicalRow{"0.5", false},
                    CanonicalRow{"2.50", false}, CanonicalRow{"+5", false},
                    CanonicalRow{"1e2", false}, CanonicalRow{"007", false},
                    CanonicalRow{" 5", false}, CanonicalRow{"5 ", false}, CanonicalRow{"1.", false},
                    CanonicalRow{".", false}, CanonicalRow{"", false}, CanonicalRow{"-0", false},
                    CanonicalRow{"1E+15", true}, CanonicalRow{"1000000000000000", false},
                    CanonicalRow{"1.234567890123456", false}, CanonicalRow{"inf", false},
                    CanonicalRow{"nan", false}, CanonicalRow{"5,000", false}));

struct RoundingRow {
    double value;
    double rounded;
};

class RoundHalfEvenTest : public testing::TestWithParam<RoundingRow> {};

TEST_P(RoundHalfEvenTest, SendsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(GetParam().value), GetParam().rounded) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Ties, RoundHalfEvenTest,
                         testing::Values(RoundingRow{2.5, 2}, RoundingRow{3.5, 4},
                                         RoundingRow{-2.5, -2}, RoundingRow{-3.5, -4},
                                         RoundingRow{0.5, 0}, RoundingRow{1.5, 2},
                                         RoundingRow{2.4999999, 2}, RoundingRow{2.5000001, 3},
                                         RoundingRow{-0.4, 0}, RoundingRow{7.5, 8}));

TEST(RoundHalfEvenToInt32Test, RefusesWhatDoesNotFitThirtyTwoBits) {
    EXPECT_EQ(RoundHalfEvenToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(RoundHalfEvenToInt32(-2147483648.5), -2147483648); // tie goes to the even end
    EXPECT_EQ(RoundHalfEvenToInt32(2147483647.5), std::nullopt);
    EXPECT_EQ(RoundHalfEvenToInt32(3e9), std::nullopt);
    EXPECT_EQ(RoundHalfEvenToInt32(std::nan("")), std::nullopt);
    EXPECT_EQ(RoundHalfEvenToInt32(-std::numeric_limits<double>::infinity()), std::nullopt);
}

TEST(RoundHalfEvenSaturatedTest, ClampsInsteadOfFailing) {
    EXPECT_EQ(RoundHalfEvenSaturated(1e300), 2147483647);
    EXPECT_EQ(RoundHalfEvenSaturated(-1e300), -2147483647 - 1);
    EXPECT_EQ(RoundHalfEvenSaturated(std::nan("")), 0);
    EXPECT_EQ(RoundHalfEvenSaturated(8984.5), 8984);
}

} // namespace
} // namespace plotmere

namespace plotmere {
namespace {

TEST(WithoutZeroBeforePointTest, DropsOnlyTheZeroBeforeTheDecimalPoint) {
    const std::pair<const char*, const char*> rows[] = {
        {"0.5", ".5"},    {"-0.5", "-.5"},  {"0.", "."},      {"-0.", "-."},
        {"00.5", "00.5"}, {"10.5", "10.5"}, {"0", "0"},       {"-0", "-0"},
        {".5", ".5"},     {"", ""},         {"0.0.5", ".0.5"}};
    for (const auto& [typed, shortened] : rows) {
        EXPECT_EQ(WithoutZeroBeforePoint(typed), shortened) << typed;
    }
}

} // namespace
} // namespace plotmere

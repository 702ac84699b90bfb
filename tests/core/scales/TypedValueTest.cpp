#include "core/scales/TypedValue.h"
#include "core/scales/TemperatureScale.h"

#include <gtest/gtest.h>

namespace kelo {
namespace {

TEST(TypedValue, NumberThenNothingOrTheUnitDirectly) {
    EXPECT_EQ(readTypedValue("3.3", "dB"), 3.3);
    EXPECT_EQ(readTypedValue("3.3dB", "dB"), 3.3);
    EXPECT_EQ(readTypedValue("3.3DB", "dB"), 3.3);
    EXPECT_EQ(readTypedValue("-.5db", "dB"), -0.5);
    EXPECT_EQ(readTypedValue("+2", "dB"), 2.0);
    EXPECT_EQ(readTypedValue("1e3Hz", "Hz"), 1000.0);
    EXPECT_EQ(readTypedValue("5.", "dB"), 5.0);
    EXPECT_EQ(readTypedValue("  4", "dB"), 4.0);
}

TEST(TypedValue, RefusesWhatIsNotANumberWithItsUnit) {
    for (const char* text : {"", "dB", "abc", "nan", "NAN", "inf", "-infinity", "3.3 dB", "3.3dBx", "3.3xyz",
                             "1,5", ".", "-", "0x10", "3.3e", "3.3e+", "3 "}) {
        EXPECT_EQ(readTypedValue(text, "dB"), std::nullopt) << '"' << text << '"';
    }
}

TEST(TypedValue, HugeAndTinyNumbersStayNumbers) {
    EXPECT_GT(*readTypedValue("1e999", "dB"), 1e300);
    EXPECT_LT(*readTypedValue("-1e999", "dB"), -1e300);
    EXPECT_EQ(*readTypedValue("1e-999", "dB"), 0.0);
}

TEST(TemperatureScale, CelsiusAndFahrenheitTexts) {
    EXPECT_EQ(TemperatureScale.text(0, TemperatureUnit::Celsius), "-30\u00b0C");
    EXPECT_EQ(TemperatureScale.text(0, TemperatureUnit::Fahrenheit), "-22.0\u00b0F");
    EXPECT_EQ(TemperatureScale.text(50, TemperatureUnit::Celsius), "20\u00b0C");
    EXPECT_EQ(TemperatureScale.text(50, TemperatureUnit::Fahrenheit), "+68.0\u00b0F");
    EXPECT_EQ(TemperatureScale.text(90, TemperatureUnit::Celsius), "60\u00b0C");
    EXPECT_EQ(TemperatureScale.text(90, TemperatureUnit::Fahrenheit), "+140.0\u00b0F");
    EXPECT_EQ(TemperatureScale.text(30, TemperatureUnit::Celsius), "0\u00b0C");
    EXPECT_EQ(TemperatureScale.text(500, TemperatureUnit::Celsius), "60\u00b0C");
}

TEST(TemperatureScale, TypedTemperatures) {
    constexpr auto C = TemperatureUnit::Celsius;
    constexpr auto F = TemperatureUnit::Fahrenheit;
    EXPECT_EQ(TemperatureScale.indexFromText("200", C), 90);
    EXPECT_EQ(TemperatureScale.indexFromText("-100", C), 0);
    EXPECT_EQ(TemperatureScale.indexFromText("20\u00b0", C), 50);
    EXPECT_EQ(TemperatureScale.indexFromText("20\u00b0c", C), 50);
    EXPECT_EQ(TemperatureScale.indexFromText("20\u00b0C", C), 50);
    EXPECT_EQ(TemperatureScale.indexFromText("20\u00b0F", C), std::nullopt);
    EXPECT_EQ(TemperatureScale.indexFromText("20C", C), std::nullopt);
    EXPECT_EQ(TemperatureScale.indexFromText("68\u00b0f", F), 50);
    EXPECT_EQ(TemperatureScale.indexFromText("-22", F), 0);
    for (int i = 0; i <= 90; ++i) {
        EXPECT_EQ(TemperatureScale.indexFromText(TemperatureScale.text(i, C), C), i);
        EXPECT_EQ(TemperatureScale.indexFromText(TemperatureScale.text(i, F), F), i);
    }
}

} // namespace
} // namespace kelo

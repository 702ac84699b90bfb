#include "core/report/ReportDate.h"

#include <array>
#include <cstdio>

namespace kelo::report {

namespace {

constexpr std::array<const char*, 7> kDays{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                           "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kMonths{"January",   "February", "March",    "April",
                                              "May",       "June",     "July",     "August",
                                              "September", "October",  "November", "December"};

template <std::size_t N> const char* nameAt(const std::array<const char*, N>& names, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? names[static_cast<std::size_t>(index)] : "?";
}

} // namespace

std::string reportDateText(const std::tm& time) {
    char text[96];
    std::snprintf(text, sizeof text, "%02d:%02d - %s, %s %02d, %d", time.tm_hour, time.tm_min,
                  nameAt(kDays, time.tm_wday), nameAt(kMonths, time.tm_mon), time.tm_mday,
                  time.tm_year + 1900);
    return text;
}

std::tm localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace kelo::report

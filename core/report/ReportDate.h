#pragma once

#include <ctime>
#include <string>

namespace kelo::report {

/// The footer's date and time, "%H:%M - %A, %B %d, %Y" with English day and month names whatever the
/// process locale ("14:05 - Tuesday, December 08, 2026").
std::string reportDateText(const std::tm& time);

/// The local time now, for the footer of a report being printed.
std::tm localTimeNow();

} // namespace kelo::report

#pragma once

#include <cstddef>
#include <optional>

namespace kelo::report {

/// What one printed page shows: the tables or the graph of one selected unit.
struct ReportPageRef {
    std::size_t unit = 0;   ///< position in the selection, 0-based
    bool graphPage = false; ///< false: the first page (tables), true: the second (graph)

    friend bool operator==(const ReportPageRef&, const ReportPageRef&) = default;
};

/// Two pages per selected unit.
constexpr int reportPageCount(std::size_t unitCount) {
    return static_cast<int>(2 * unitCount);
}

/// The unit and side of a 1-based page: page p shows unit (p - 1) / 2, its first page when p is odd.
/// Nothing for a page outside 1..pageCount.
constexpr std::optional<ReportPageRef> reportPage(int page, int pageCount) {
    if (page < 1 || page > pageCount) {
        return std::nullopt;
    }
    return ReportPageRef{static_cast<std::size_t>((page - 1) / 2), page % 2 == 0};
}

} // namespace kelo::report

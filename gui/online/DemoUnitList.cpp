#include "gui/online/DemoUnitList.h"

#include <QStringList>

#include <array>

namespace kelo::gui {

namespace {

constexpr int kIdentifierCount = 32;

/// Reads a bus identifier counted from 1; -1 when the text is not a number in 1..32.
int shownIdentifier(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value >= 1 && value <= kIdentifierCount ? value : -1;
}

} // namespace

DemoUnitList parseDemoUnits(const QString& text) {
    DemoUnitList result;
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        result.error = QStringLiteral("\"%1\": expected FAMILY:IDS, e.g. tz48:1,2,5").arg(text);
        return result;
    }
    const auto family = familyFromKey(text.left(colon).trimmed().toLower().toStdString());
    if (!family) {
        result.error = QStringLiteral("\"%1\": unknown family (tz48, tz48p or amp)").arg(text.left(colon));
        return result;
    }
    result.family = *family;
    std::array<bool, kIdentifierCount> taken{};
    for (const QString& item : text.mid(colon + 1).split(QLatin1Char(','))) {
        const QStringList bounds = item.split(QLatin1Char('-'));
        const int first = shownIdentifier(bounds.front());
        const int last = bounds.size() == 2 ? shownIdentifier(bounds.back()) : first;
        if (bounds.size() > 2 || first < 0 || last < first) {
            result.error = QStringLiteral("\"%1\": identifiers are 1..32").arg(item);
            return result;
        }
        for (int shown = first; shown <= last; ++shown) {
            auto& slot = taken[static_cast<std::size_t>(shown - 1)];
            if (slot) {
                result.error = QStringLiteral("identifier %1 is given twice").arg(shown);
                return result;
            }
            slot = true;
            result.identifiers.push_back(shown - 1);
        }
    }
    return result;
}

} // namespace kelo::gui

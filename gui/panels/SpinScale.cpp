#include "gui/panels/SpinScale.h"

#include "core/scales/FrequencyScale.h"
#include "core/scales/LevelTextTable.h"
#include "core/scales/RuleScale.h"

namespace kelo::gui {

SpinScale spinScale(const RuleScale& scale) {
    const RuleScale* rule = &scale;
    return SpinScale{0,
                     scale.maxIndex,
                     [rule](int index) { return QString::fromStdString(rule->text(index)); },
                     [rule](const QString& typed) { return rule->indexFromText(typed.toStdString()); },
                     {}};
}

SpinScale spinScale(const FrequencyTableScale& scale) {
    const FrequencyTableScale* table = &scale;
    return SpinScale{0,
                     scale.maxIndex,
                     [table](int index) { return QString::fromStdString(table->text(index)); },
                     [table](const QString& typed) { return table->indexFromText(typed.toStdString()); },
                     {}};
}

SpinScale spinScale(const LevelTextScale& scale) {
    const LevelTextScale* table = &scale;
    return SpinScale{0,
                     LevelTextScale::maxIndex,
                     [table](int index) { return QString::fromStdString(table->text(index)); },
                     [table](const QString& typed) -> std::optional<int> {
                         // The field shows "OFF" at the top; typing it back selects that index.
                         if (typed.trimmed().compare(QStringLiteral("OFF"), Qt::CaseInsensitive) == 0) {
                             return LevelTextScale::offIndex;
                         }
                         return table->indexFromText(typed.toStdString());
                     },
                     {}};
}

} // namespace kelo::gui

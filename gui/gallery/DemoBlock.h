#pragma once

#include "gui/panels/PanelBinding.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace kelo::gui {

/// The fields of one block of the gallery's demo unit, held in memory. Every setter call is reported
/// so that the gallery can show which field of which block the last edit reached.
class DemoBlock : public PanelBinding {
public:
    /// @param name the block's name as the gallery shows it
    /// @param fieldNames one name per field, in the panel's field order
    /// @param values the fields' starting indices
    DemoBlock(QString name, QStringList fieldNames, std::vector<int> values);

    int value(int field) const override;
    void setValue(int field, int index) override;

    /// Called after every setValue() with a line describing it.
    void setReporter(std::function<void(const QString&)> reporter) { m_reporter = std::move(reporter); }

private:
    QString m_name;
    QStringList m_fieldNames;
    std::vector<int> m_values;
    std::function<void(const QString&)> m_reporter;
};

} // namespace kelo::gui

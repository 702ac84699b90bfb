#include "gui/online/DemoLine.h"

#include "sim/DefaultImages.h"
#include "sim/Simulator.h"

#include <stdexcept>
#include <system_error>

namespace kelo::gui {

std::unique_ptr<DemoLine> DemoLine::start(const DemoUnitList& list, QString& error) {
    sim::SimOptions options;
    options.family = list.family;
    for (int id : list.identifiers) {
        options.ids.push_back(static_cast<std::uint8_t>(id));
    }
    try {
        auto simulator = std::make_unique<sim::Simulator>(std::move(options));
        // Each unit starts as the editor makes a new one, so the systems read from it look familiar.
        for (int id : list.identifiers) {
            const auto busId = static_cast<std::uint8_t>(id);
            simulator->setSettingsImage(busId, sim::defaultSettingsImage(list.family, busId));
        }
        return std::unique_ptr<DemoLine>(new DemoLine(std::move(simulator)));
    } catch (const std::system_error& failure) {
        error = QStringLiteral("Cannot start the demo line: %1").arg(QString::fromLocal8Bit(failure.what()));
    } catch (const std::invalid_argument& failure) {
        error = QStringLiteral("Cannot start the demo line: %1").arg(QString::fromLocal8Bit(failure.what()));
    }
    return nullptr;
}

DemoLine::DemoLine(std::unique_ptr<sim::Simulator> simulator) : m_simulator(std::move(simulator)) {}

DemoLine::~DemoLine() = default;

std::string DemoLine::devicePath() const {
    return m_simulator->devicePath();
}

} // namespace kelo::gui

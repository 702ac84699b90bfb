#pragma once

#include "gui/online/DemoUnitList.h"

#include <memory>
#include <string>

namespace kelo::sim {
class Simulator;
}

namespace kelo::gui {

/// Simulated units on a pseudo-terminal inside the editor, for trying the on-line commands without
/// hardware. The units answer for as long as the object lives.
class DemoLine {
public:
    /// Starts the units of list (which must carry no error).
    /// @param error receives the reason when no pseudo-terminal can be had
    /// @return the running line, or null
    static std::unique_ptr<DemoLine> start(const DemoUnitList& list, QString& error);

    ~DemoLine();
    DemoLine(const DemoLine&) = delete;
    DemoLine& operator=(const DemoLine&) = delete;

    /// The device a serial port opens to reach the units.
    std::string devicePath() const;

private:
    explicit DemoLine(std::unique_ptr<sim::Simulator> simulator);

    std::unique_ptr<sim::Simulator> m_simulator;
};

} // namespace kelo::gui

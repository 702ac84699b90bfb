#pragma once

#include "core/family/Family.h"
#include "sim/Simulator.h"

#include <QApplication>
#include <QDialog>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace kelo::gui::test {

/// Puts a GUI test program in its fixed environment: C locale, settings in the test location (emptied),
/// message boxes and file dialogs answered by script.
void prepareGuiTest();

/// Empties the editor's settings in the test location.
void clearSettings();

/// How long onNextModal() waits for its dialog before the test fails.
inline constexpr std::chrono::milliseconds kModalTimeout{30000};

/// Runs action on the next modal dialog as soon as it is shown (the call that opens it then returns).
/// The dialog is found as the application's active modal widget; it must be a @p expected (any dialog
/// when null). A dialog of another type, or none within @p timeout, fails the running test and the
/// active modal dialog is rejected so that the test does not hang.
void onNextModal(std::function<void(QDialog&)> action, const QMetaObject* expected = nullptr,
                 std::chrono::milliseconds timeout = kModalTimeout);

/// onNextModal() for a dialog of type Dialog.
template <class Dialog> void onNextModal(std::function<void(Dialog&)> action) {
    onNextModal([action](QDialog& dialog) { action(static_cast<Dialog&>(dialog)); },
                &Dialog::staticMetaObject);
}

/// Writes a system of the family with one unit per identifier (shown 1..32), named "Speaker1",
/// "Speaker2"... in order, in the given routing mode. @return the path, empty when it could not be written.
QString writeSystem(const QString& path, Family family, const std::vector<int>& shownIds,
                    std::uint32_t routing = 1);

/// Simulated units of a family at 0-based identifiers.
sim::SimOptions simulatedUnits(Family family, std::vector<std::uint8_t> ids);

/// The text of the last message box shown, or empty.
QString lastMessage();

/// True when a message box with this text was shown since the record was last cleared.
bool messageShown(const QString& text);

} // namespace kelo::gui::test

#pragma once

#include <QString>

#include <functional>

class QDialog;

namespace kelo::gui::test {

/// Puts a GUI test program in its fixed environment: C locale, settings in the test location (emptied),
/// message boxes and file dialogs answered by script.
void prepareGuiTest();

/// Empties the editor's settings in the test location.
void clearSettings();

/// Runs action on the next modal dialog as soon as it is shown (the call that opens it then returns).
/// The dialog is found as the application's active modal widget.
void onNextModal(std::function<void(QDialog&)> action);

/// The text of the last message box shown, or empty.
QString lastMessage();

/// True when a message box with this text was shown since the record was last cleared.
bool messageShown(const QString& text);

} // namespace kelo::gui::test

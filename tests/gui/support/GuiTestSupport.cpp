#include "tests/gui/support/GuiTestSupport.h"

#include "gui/app/EditorInfo.h"
#include "gui/dialogs/Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace kelo::gui::test {

void prepareGuiTest() {
    QLocale::setDefault(QLocale::c());
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setOrganizationName(kOrganisationName);
    QApplication::setApplicationName(kApplicationName);
    clearSettings();
    Dialogs::setScripted(true);
}

void clearSettings() {
    QSettings settings(kOrganisationName, kApplicationName);
    settings.clear();
    settings.sync();
}

void onNextModal(std::function<void(QDialog&)> action) {
    auto shared = std::make_shared<std::function<void(QDialog&)>>(std::move(action));
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [shared, poll] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            QTimer::singleShot(0, *poll);
            return;
        }
        (*shared)(*dialog);
        *poll = nullptr;
    };
    QTimer::singleShot(0, *poll);
}

QString lastMessage() {
    const auto& shown = Dialogs::shownMessages();
    return shown.empty() ? QString() : shown.back().text;
}

bool messageShown(const QString& text) {
    const auto& shown = Dialogs::shownMessages();
    return std::any_of(shown.begin(), shown.end(),
                       [&](const MessageRequest& request) { return request.text == text; });
}

} // namespace kelo::gui::test

#include "tests/gui/support/GuiTestSupport.h"

#include "core/app/SystemFile.h"
#include "core/units/UnitSystem.h"
#include "core/units/presets/FactoryPrograms.h"
#include "gui/app/EditorInfo.h"
#include "gui/dialogs/Dialogs.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
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

void onNextModal(std::function<void(QDialog&)> action, const QMetaObject* expected,
                 std::chrono::milliseconds timeout) {
    auto shared = std::make_shared<std::function<void(QDialog&)>>(std::move(action));
    auto poll = std::make_shared<std::function<void()>>();
    const QDeadlineTimer deadline(timeout);
    *poll = [shared, poll, expected, deadline] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            if (deadline.hasExpired()) {
                QTest::qFail("no modal dialog was shown", __FILE__, __LINE__);
                *poll = nullptr;
                return;
            }
            QTimer::singleShot(1, *poll);
            return;
        }
        *poll = nullptr;
        if (expected != nullptr && !dialog->metaObject()->inherits(expected)) {
            QTest::qFail(qPrintable(QStringLiteral("expected a %1, got a %2")
                                        .arg(QString::fromLatin1(expected->className()),
                                             QString::fromLatin1(dialog->metaObject()->className()))),
                         __FILE__, __LINE__);
            dialog->reject();
            return;
        }
        (*shared)(*dialog);
    };
    QTimer::singleShot(0, *poll);
}

QString writeSystem(const QString& path, Family family, const std::vector<int>& shownIds,
                    std::uint32_t routing) {
    UnitSystem system(family);
    int n = 0;
    for (const int id : shownIds) {
        const std::u16string name = u"Speaker" + QString::number(++n).toStdU16String();
        const UnitEditResult added =
            system.addNewUnit(UnitSettings{name, id, false, false}, FactoryPrograms::shared());
        if (ProcessorUnit* unit = added.unit != nullptr ? added.unit->processor() : nullptr) {
            unit->live.routingMode = routing;
        }
    }
    return saveSystemFile(system, std::filesystem::path(path.toStdString())).ok() ? path : QString();
}

sim::SimOptions simulatedUnits(Family family, std::vector<std::uint8_t> ids) {
    sim::SimOptions options;
    options.family = family;
    options.ids = std::move(ids);
    return options;
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

#include "gui/options/CLockPasswordDlg.h"
#include "gui/options/COptEditPage.h"
#include "gui/options/COptLockPage.h"
#include "gui/options/COptRs232Page.h"
#include "gui/options/COptionSheet.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace kelo;
using namespace kelo::gui;

namespace {

/// Answers the next "Lock Password" dialog with text (OK), or cancels it when text is empty-optional.
void answerPassword(std::optional<QString> text) {
    QTimer::singleShot(0, [text] {
        auto* dialog = qobject_cast<CLockPasswordDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Lock Password"));
        if (!text) {
            dialog->reject();
            return;
        }
        dialog->findChild<QLineEdit*>(QStringLiteral("passwordLineEdit"))->setText(*text);
        dialog->accept();
    });
}

QRadioButton* radio(QWidget* page, const char* name) {
    return page->findChild<QRadioButton*>(QString::fromLatin1(name));
}

QStringList tabTitles(const COptionSheet& sheet) {
    QStringList titles;
    auto* tabs = sheet.findChild<QTabWidget*>(QStringLiteral("optionTabWidget"));
    for (int index = 0; index < tabs->count(); ++index) {
        titles << tabs->tabText(index);
    }
    return titles;
}

} // namespace

class OptionSheetTest : public QObject {
    Q_OBJECT

private slots:
    void variantsShowTheirPages() {
        const CGeneralSettings settings;
        COptionSheet amplifier(OptionsVariant::Amplifier, settings, false);
        QCOMPARE(tabTitles(amplifier), QStringList({"Auto", "Lock", "Linking", "Rs232"}));
        QVERIFY(amplifier.findChild<COptEditPage*>() != nullptr);
        COptionSheet processor(OptionsVariant::Processor, settings, false);
        QCOMPARE(tabTitles(processor), QStringList({"Auto", "Lock", "Linking", "Rs232"}));
        QVERIFY(processor.findChild<COptLockPage*>() != nullptr);
        COptionSheet plus(OptionsVariant::Plus, settings, false);
        QCOMPARE(tabTitles(plus), QStringList({"Auto", "Lock", "Rs232"}));
        QCOMPARE(optionsVariantFor(Family::Tz48P), OptionsVariant::Plus);
        QCOMPARE(optionsVariantFor(Family::TzAmp), OptionsVariant::Amplifier);
    }

    void plusKeepsLinkWhileOthersEditIt() {
        CGeneralSettings settings;
        settings.link = 1;
        COptionSheet plus(OptionsVariant::Plus, settings, false);
        QCOMPARE(plus.editedSettings().link, 1);

        COptionSheet processor(OptionsVariant::Processor, settings, false);
        processor.findChild<QCheckBox*>(QStringLiteral("linkCheckBox"))->setChecked(false);
        QCOMPARE(processor.editedSettings().link, 0);
    }

    void twoWayLockSavesPartialAsTotal() {
        CGeneralSettings settings;
        settings.lock = static_cast<int>(LockLevel::PartialLock);
        settings.lockPassword = "pw";
        COptionSheet sheet(OptionsVariant::Amplifier, settings, false);
        QVERIFY(radio(&sheet, "totalLockRadioButton")->isChecked());
        QCOMPARE(sheet.editedSettings().lock, static_cast<int>(LockLevel::TotalLock));
        QCOMPARE(sheet.editedSettings().lockPassword, std::string("pw"));
    }

    void lockingNeedsANonEmptyPassword() {
        COptLockPage page(LockLevel::FullEdit, QString());
        answerPassword(QString());
        radio(&page, "partialLockRadioButton")->click();
        QCOMPARE(page.level(), LockLevel::FullEdit);
        QVERIFY(radio(&page, "fullEditRadioButton")->isChecked());

        answerPassword(std::nullopt);
        radio(&page, "totalLockRadioButton")->click();
        QCOMPARE(page.level(), LockLevel::FullEdit);
        QVERIFY(radio(&page, "fullEditRadioButton")->isChecked());

        answerPassword(QStringLiteral("Secret1"));
        radio(&page, "partialLockRadioButton")->click();
        QCOMPARE(page.level(), LockLevel::PartialLock);
        QCOMPARE(page.password(), QStringLiteral("Secret1"));
    }

    void unlockingNeedsTheExactPassword() {
        COptEditPage page(LockLevel::TotalLock, QStringLiteral("Abc"));
        answerPassword(QStringLiteral("abc"));
        radio(&page, "fullEditRadioButton")->click();
        QCOMPARE(page.level(), LockLevel::TotalLock);
        QVERIFY(radio(&page, "totalLockRadioButton")->isChecked());

        answerPassword(std::nullopt);
        radio(&page, "fullEditRadioButton")->click();
        QCOMPARE(page.level(), LockLevel::TotalLock);

        answerPassword(QStringLiteral("Abc"));
        radio(&page, "fullEditRadioButton")->click();
        QCOMPARE(page.level(), LockLevel::FullEdit);
    }

    void switchingBetweenLocksKeepsThePassword() {
        COptLockPage page(LockLevel::TotalLock, QStringLiteral("k"));
        answerPassword(QStringLiteral("x"));
        radio(&page, "partialLockRadioButton")->click();
        QCOMPARE(page.level(), LockLevel::TotalLock);
        answerPassword(QStringLiteral("k"));
        radio(&page, "partialLockRadioButton")->click();
        QCOMPARE(page.level(), LockLevel::PartialLock);
        QCOMPARE(page.password(), QStringLiteral("k"));
    }

    void passwordFieldTakesSevenCharacters() {
        CLockPasswordDlg dialog;
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("passwordLineEdit"));
        QTest::keyClicks(edit, QStringLiteral("123456789"));
        QCOMPARE(dialog.password(), QStringLiteral("1234567"));
    }

    void rs232FollowsPresenceAndOnLineState() {
        CGeneralSettings settings;
        settings.port = 2;
        settings.baudRate = 4;
        settings.portPresent = {1, 1, 0, 1};
        COptRs232Page offLine(settings, false);
        QVERIFY(offLine.findChild<QRadioButton*>(QStringLiteral("com1RadioButton"))->isEnabled());
        QVERIFY(!offLine.findChild<QRadioButton*>(QStringLiteral("com3RadioButton"))->isEnabled());
        QCOMPARE(offLine.port(), 2);
        QCOMPARE(offLine.findChild<QComboBox*>()->currentText(), QStringLiteral("56000"));

        for (auto variant : {OptionsVariant::Processor, OptionsVariant::Plus}) {
            COptionSheet sheet(variant, settings, true);
            for (int index = 1; index <= kPortCount; ++index) {
                QVERIFY(!sheet.findChild<QRadioButton*>(QStringLiteral("com%1RadioButton").arg(index))
                             ->isEnabled());
            }
            QVERIFY(!sheet.findChild<QComboBox*>(QStringLiteral("baudRateComboBox"))->isEnabled());
        }
        COptionSheet amplifier(OptionsVariant::Amplifier, settings, true);
        QVERIFY(amplifier.findChild<QComboBox*>(QStringLiteral("baudRateComboBox"))->isEnabled());
        QVERIFY(amplifier.findChild<QRadioButton*>(QStringLiteral("com4RadioButton"))->isEnabled());
    }

    void nonsenseStoredValuesKeepTheirFields() {
        CGeneralSettings settings;
        settings.port = 9;
        settings.baudRate = -3;
        settings.lock = 7;
        COptionSheet sheet(OptionsVariant::Processor, settings, false);
        const CGeneralSettings edited = sheet.editedSettings();
        QCOMPARE(edited.port, 9);
        QCOMPARE(edited.baudRate, -3);
        QCOMPARE(edited.lock, static_cast<int>(LockLevel::TotalLock));
    }

    void okCopiesBackAndCancelChangesNothing() {
        CGeneralSettings settings;
        settings.autoLoad = 0;
        settings.portPresent = {0, 0, 0, 0};
        QTimer::singleShot(0, [] {
            auto* sheet = qobject_cast<COptionSheet*>(QApplication::activeModalWidget());
            QVERIFY(sheet != nullptr);
            sheet->findChild<QCheckBox*>(QStringLiteral("autoLoadCheckBox"))->setChecked(true);
            sheet->findChild<QComboBox*>(QStringLiteral("baudRateComboBox"))->setCurrentIndex(6);
            sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        });
        QVERIFY(!COptionSheet::ShowOptions(OptionsVariant::Processor, settings, false, nullptr));
        QCOMPARE(settings.autoLoad, 0);
        QCOMPARE(settings.baudRate, 0);

        QTimer::singleShot(0, [] {
            auto* sheet = qobject_cast<COptionSheet*>(QApplication::activeModalWidget());
            QVERIFY(sheet != nullptr);
            sheet->findChild<QCheckBox*>(QStringLiteral("autoLoadCheckBox"))->setChecked(true);
            sheet->findChild<QComboBox*>(QStringLiteral("baudRateComboBox"))->setCurrentIndex(6);
            sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        QVERIFY(COptionSheet::ShowOptions(OptionsVariant::Processor, settings, false, nullptr));
        QCOMPARE(settings.autoLoad, 1);
        QCOMPARE(settings.baudRate, 6);
        QCOMPARE(settings.portPresent, (std::array<std::int32_t, kPortCount>{0, 0, 0, 0}));
    }
};

QTEST_MAIN(OptionSheetTest)
#include "OptionSheetTest.moc"

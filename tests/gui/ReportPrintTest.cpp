#include "tests/gui/support/GuiTestSupport.h"

#include "core/app/SystemFile.h"
#include "gui/app/CEditorApp.h"
#include "gui/dialogs/Dialogs.h"
#include "gui/frame/CMainFrame.h"
#include "gui/print/CPrintOptionsDlg.h"
#include "gui/print/CReportPrinter.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace kelo;
using namespace kelo::gui;

namespace {

/// A system of three units "Speaker1".."Speaker3" with identifiers 1, 4 and 7.
QString writeThreeUnits(const QString& path) {
    UnitSystem system(Family::Tz48);
    for (int n = 1; n <= 3; ++n) {
        ProcessorUnit unit;
        unit.key = static_cast<std::uint32_t>(n);
        unit.name = u"Speaker" + QString::number(n).toStdU16String();
        unit.live.busId() = static_cast<std::uint32_t>(3 * n - 3);
        unit.live.inputs[0].gain = 66;
        system.appendLoadedUnit(Unit(std::move(unit)));
    }
    return saveSystemFile(system, std::filesystem::path(path.toStdString())).ok() ? path : QString();
}

QString pagesText(int pages) {
    return QStringLiteral("\n           Pages To Print = %1").arg(pages);
}

/// Ticks "All Units" and presses OK.
void printAllUnits(QDialog& dialog) {
    dialog.findChild<QCheckBox*>(QStringLiteral("allUnitsCheckBox"))->setChecked(true);
    dialog.accept();
}

/// The text of one page of a PDF, empty when pdftotext is missing.
QString pdfPageText(const QString& pdf, int page) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                   QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class ReportPrintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareGuiTest(); }

    void init() {
        Dialogs::setScripted(true);
        m_app = std::make_unique<CEditorApp>();
        QVERIFY(m_app->InitInstance(StartOptions{{}, false}));
        m_app->reportPrinter()->setClock([] {
            std::tm time{};
            time.tm_year = 126;
            time.tm_mon = 11;
            time.tm_mday = 8;
            time.tm_wday = 2;
            time.tm_hour = 14;
            time.tm_min = 5;
            return time;
        });
        QVERIFY(!writeThreeUnits(m_dir.filePath(QStringLiteral("three.kle"))).isEmpty());
    }

    void cleanup() { m_app.reset(); }

    void printingOptionsCountTwoPagesPerUnit() {
        QAction* print = m_app->mainFrame()->action(action_names::kPrint);
        QVERIFY(!print->isEnabled());
        m_app->OpenSystemFile(m_dir.filePath(QStringLiteral("three.kle")));
        QVERIFY(print->isEnabled());
        QVERIFY(m_app->mainFrame()->action(action_names::kExportPdf)->isEnabled());

        bool checked = false;
        test::onNextModal([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Printing Options"));
            auto* units = dialog.findChild<QComboBox*>(QStringLiteral("unitComboBox"));
            auto* all = dialog.findChild<QCheckBox*>(QStringLiteral("allUnitsCheckBox"));
            auto* pages = dialog.findChild<QLabel*>(QStringLiteral("pagesLabel"));
            QCOMPARE(units->count(), 3);
            QCOMPARE(units->itemText(1), QStringLiteral("ID 4 - Speaker2"));
            QCOMPARE(units->currentIndex(), 0);
            QVERIFY(!all->isChecked());
            QCOMPARE(pages->text(), pagesText(2));
            all->setChecked(true);
            QCOMPARE(pages->text(), pagesText(6));
            QVERIFY(!units->isEnabled());
            all->setChecked(false);
            units->setCurrentIndex(2);
            QCOMPARE(pages->text(), pagesText(2));
            QCOMPARE(static_cast<CPrintOptionsDlg&>(dialog).selection(), std::vector<std::size_t>{2});
            checked = true;
            dialog.reject();
        });
        print->trigger();
        QVERIFY(checked);
        QCOMPARE(Dialogs::shownPrintDialogs(), 0); // Cancel prints nothing

        CPrintOptionsDlg empty(UnitSystem(Family::TzAmp));
        QCOMPARE(empty.findChild<QComboBox*>(QStringLiteral("unitComboBox"))->count(), 0);
        QCOMPARE(empty.findChild<QLabel*>(QStringLiteral("pagesLabel"))->text(), pagesText(0));
        QVERIFY(!empty.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
    }

    void exportedPdfMapsPagesToUnits() {
        m_app->OpenSystemFile(m_dir.filePath(QStringLiteral("three.kle")));
        const QString pdf = m_dir.filePath(QStringLiteral("three.pdf"));
        Dialogs::pushFileAnswer(pdf);
        test::onNextModal(printAllUnits);
        m_app->mainFrame()->action(action_names::kExportPdf)->trigger();
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(Dialogs::shownFileDialogs().back().proposedPath, pdf);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            QSKIP("pdftotext (poppler-utils) is not installed");
        }
        const QString fifth = pdfPageText(pdf, 5);
        QVERIFY2(fifth.contains(QStringLiteral("Speaker3 < ID:7 >")), qPrintable(fifth));
        QVERIFY(fifth.contains(QStringLiteral("Input A")));
        QVERIFY(fifth.contains(QStringLiteral("+3.0dB")));
        QVERIFY(fifth.contains(QStringLiteral("14:05 - Tuesday, December 08, 2026")));
        QVERIFY(fifth.contains(QStringLiteral("Page 5 of 6")));
        const QString fourth = pdfPageText(pdf, 4);
        QVERIFY2(fourth.contains(QStringLiteral("Speaker2 < ID:4 >")), qPrintable(fourth));
        QVERIFY(fourth.contains(QStringLiteral("INCLUDE OUTPUT EQ")));
        QVERIFY(!fourth.contains(QStringLiteral("Input A")));
    }

    void printAndPreviewGoThroughTheirDialogs() {
        m_app->OpenSystemFile(m_dir.filePath(QStringLiteral("three.kle")));
        const QString pdf = m_dir.filePath(QStringLiteral("printed.pdf"));
        QPrinter& printer = m_app->printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);

        test::onNextModal([](QDialog& dialog) { dialog.accept(); });
        m_app->mainFrame()->action(action_names::kPrint)->trigger();
        QCOMPARE(Dialogs::shownPrintDialogs(), 1);
        QVERIFY(!QFile::exists(pdf)); // the print dialog was cancelled

        Dialogs::pushPrintAnswer(true);
        test::onNextModal([](QDialog& dialog) { dialog.accept(); });
        m_app->mainFrame()->action(action_names::kPrint)->trigger();
        QVERIFY(QFile::exists(pdf));
        if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            QVERIFY(pdfPageText(pdf, 2).contains(QStringLiteral("Page 2 of 2")));
        }

        bool previewed = false;
        test::onNextModal([&](QDialog& options) {
            test::onNextModal([&](QDialog& preview) {
                previewed = qobject_cast<QPrintPreviewDialog*>(&preview) != nullptr;
                preview.reject();
            });
            options.accept();
        });
        m_app->mainFrame()->action(action_names::kPrintPreview)->trigger();
        QVERIFY(previewed);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CEditorApp> m_app;
};

QTEST_MAIN(ReportPrintTest)
#include "ReportPrintTest.moc"

#include "gui/online/DemoLine.h"
#include "gui/online/DemoUnitList.h"

#include "core/comm/line/PortDevices.h"

#include <QTest>

using namespace kelo;
using namespace kelo::gui;

class DemoLineTest : public QObject {
    Q_OBJECT

private slots:
    void readsFamilyIdentifiersAndRanges() {
        const DemoUnitList list = parseDemoUnits(QStringLiteral("tz48:1,2,5"));
        QVERIFY2(list.error.isEmpty(), qPrintable(list.error));
        QCOMPARE(list.family, Family::Tz48);
        QCOMPARE(list.identifiers, (std::vector<int>{0, 1, 4}));
        const DemoUnitList amp = parseDemoUnits(QStringLiteral("AMP:7-9,32"));
        QVERIFY2(amp.error.isEmpty(), qPrintable(amp.error));
        QCOMPARE(amp.family, Family::TzAmp);
        QCOMPARE(amp.identifiers, (std::vector<int>{6, 7, 8, 31}));
    }

    void refusesNonsense_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("no colon") << "tz48";
        QTest::newRow("unknown family") << "tz99:1";
        QTest::newRow("no identifier") << "tz48:";
        QTest::newRow("zero") << "tz48:0";
        QTest::newRow("above 32") << "tz48p:33";
        QTest::newRow("letters") << "tz48:one";
        QTest::newRow("reversed range") << "tz48:5-2";
        QTest::newRow("double range") << "tz48:1-2-3";
        QTest::newRow("repeated") << "tz48:3,1-4";
    }

    void refusesNonsense() {
        QFETCH(QString, text);
        const DemoUnitList list = parseDemoUnits(text);
        QVERIFY(!list.error.isEmpty());
    }

    void startsUnitsOnATerminal() {
        QString error;
        const std::unique_ptr<DemoLine> line =
            DemoLine::start(parseDemoUnits(QStringLiteral("tz48p:3")), error);
        QVERIFY2(line != nullptr, qPrintable(error));
        QVERIFY(isPortPresent(line->devicePath()));
    }
};

QTEST_MAIN(DemoLineTest)
#include "DemoLineTest.moc"

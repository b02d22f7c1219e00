// The progress bar of a transfer: the counting pass of the whole subtree is
// its step count, and every transferred point of the station, its modules
// and their channels advances one shared step, so the bar fills exactly
// once however many modules take part.
#include "core/RYXScriptedPrompter.h"

#include "StationTestRig.h"

using namespace rig;

class tst_ProgressSteps : public QObject
{
    Q_OBJECT

    RYXScriptedPrompter m_prompter;

    static QList<int> oneTo(int count)
    {
        QList<int> steps;
        for (int step = 1; step <= count; ++step)
            steps << step;
        return steps;
    }

private Q_SLOTS:
    void initTestCase() { RYXPrompter::setInstance(&m_prompter); }
    void cleanupTestCase() { RYXPrompter::setInstance(nullptr); }

    void wholeStation_data()
    {
        QTest::addColumn<int>("modules");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("steps");
        // The station's name; per module its serial number (uploads only)
        // and its four channel tags; a download ends with the save step.
        QTest::newRow("upload, no module") << 0 << "upload" << 1;
        QTest::newRow("upload, one module") << 1 << "upload" << 1 + 5;
        QTest::newRow("upload, four modules") << 4 << "upload" << 1 + 4 * 5;
        QTest::newRow("download, no module") << 0 << "download" << 1 + 1;
        QTest::newRow("download, three modules") << 3 << "download" << 1 + 3 * 4 + 1;
    }

    void wholeStation()
    {
        QFETCH(int, modules);
        QFETCH(QString, operation);
        QFETCH(int, steps);
        QList<int> codes;
        QStringList device;
        for (int i = 0; i < modules; ++i) {
            codes << RYXInterfaceModule::TIMType;
            device << "TIM";
        }
        Rig rig(device.join(','), codes);
        QVERIFY(rig.ok);
        QCOMPARE(rig.operation(operation), 0);
        QCOMPARE(rig.receiver.stepCounts, QList<int>{steps});
        QCOMPARE(rig.receiver.steps, oneTo(steps));
    }

    // A module transferred alone counts its own subtree.
    void moduleAlone()
    {
        Rig rig("TIM,TIM", {RYXInterfaceModule::TIMType, RYXInterfaceModule::TIMType});
        QVERIFY(rig.ok);
        RYXIOModule *second = rig.station.modules().at(1);
        QCOMPARE(rig.operation(second, "upload"), 0);
        QCOMPARE(rig.receiver.stepCounts, QList<int>{5});
        QCOMPARE(rig.receiver.steps, oneTo(5));
    }

    // A second operation counts from the start again.
    void nextOperationStartsAgain()
    {
        Rig rig("TIM", {RYXInterfaceModule::TIMType});
        QVERIFY(rig.ok);
        QCOMPARE(rig.operation("upload"), 0);
        QCOMPARE(rig.operation("upload"), 0);
        QCOMPARE(rig.receiver.stepCounts, (QList<int>{6, 6}));
        QCOMPARE(rig.receiver.steps, oneTo(6) + oneTo(6));
    }
};

QTEST_MAIN(tst_ProgressSteps)
#include "tst_progresssteps.moc"

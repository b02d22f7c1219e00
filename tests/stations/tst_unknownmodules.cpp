#include "stations/ManagedStation.h"

#include "io/UndeterminedModuleObject.h"
#include "model/VELXmlHandler.h"
#include "model/VELXmlWriter.h"

#include <QtTest/QtTest>

#include <memory>

// Modules whose type code the program has no class for: the connect makes
// an undetermined module for each that keeps the code, the device still
// matches the tree on the next check and on a reconnect, and only a device
// whose types really changed fails the check.
class tst_UnknownModules : public QObject
{
    Q_OBJECT

    static QList<int> standInTypes(EIModuleObject *station)
    {
        QList<int> codes;
        for (RYXIOModule *module : station->modules()) {
            auto *standIn = qobject_cast<UndeterminedModuleObject *>(module);
            codes << (standIn ? standIn->standInType() : -1);
        }
        return codes;
    }

    static int verify(ManagedStation &link)
    {
        int code = -1;
        QThread *worker = QThread::create([&] { code = link.station->executeOperation("verifyconnection"); });
        worker->start();
        QTest::qWaitFor([worker] { return worker->isFinished(); }, 10000);
        worker->wait();
        delete worker;
        return code;
    }

private Q_SLOTS:
    void connectVerifyReconnect_data()
    {
        QTest::addColumn<QString>("modules");
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<QByteArray>("typesOnReconnect"); // empty: unchanged
        QTest::addColumn<bool>("matches");
        QTest::newRow("type without a name") << "6" << QList<int>{6} << QByteArray() << true;
        QTest::newRow("type above the table") << "200" << QList<int>{200} << QByteArray() << true;
        QTest::newRow("undetermined") << "UNK" << QList<int>{0} << QByteArray() << true;
        QTest::newRow("mixed") << "6,UNK,200" << QList<int>{6, 0, 200} << QByteArray() << true;
        QTest::newRow("type changed on the device") << "200,6" << QList<int>{200, 6}
                                                    << QByteArray::fromHex("C807") << false;
        QTest::newRow("order changed on the device") << "200,6" << QList<int>{200, 6}
                                                     << QByteArray::fromHex("06C8") << false;
    }

    void connectVerifyReconnect()
    {
        QFETCH(QString, modules);
        QFETCH(QList<int>, codes);
        QFETCH(QByteArray, typesOnReconnect);
        QFETCH(bool, matches);
        ManagedStation link(0, modules);
        QVERIFY(link.ok && link.connectStation());
        QCOMPARE(standInTypes(link.station), codes);
        QCOMPARE(verify(link), 0);

        QVERIFY(link.disconnectStation());
        if (!typesOnReconnect.isEmpty()) {
            QByteArray types = typesOnReconnect;
            types.resize(16, '\0');
            QVERIFY(link.sim.station()->setPoint(0, 0x103, types));
        }
        link.connection->connectSlot(false);
        const QString success = QStringLiteral("Connection was succesful.");
        const QString different = QStringLiteral("Failure: Found different child module type(s)");
        QTRY_VERIFY_WITH_TIMEOUT(link.resultCount(success) == 2 || link.hasResult(different), 10000);
        QCOMPARE(link.hasResult(different), !matches);
        QCOMPARE(link.resultCount(success), matches ? 2 : 1);
    }

    // A station read back from its file still matches its device.
    void standInTypeIsSaved()
    {
        ManagedStation link(0, "200,6");
        QVERIFY(link.ok && link.connectStation());
        VELXmlHandler reader;
        QVERIFY(reader.parse(VELXmlWriter::toXml(*link.station)));
        std::unique_ptr<RYXObject> copy(reader.takeFirstObject());
        auto *station = qobject_cast<EIModuleObject *>(copy.get());
        QVERIFY(station);
        QCOMPARE(standInTypes(station), (QList<int>{200, 6}));
        QVERIFY(!(station->modules().first()->getStatusFlags() & RYXObject::NotCurrent));
    }
};

QTEST_MAIN(tst_UnknownModules)
#include "tst_unknownmodules.moc"

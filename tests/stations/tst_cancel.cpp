// Cancel on the progress dialog, against a slowed simulator: it stops the
// operation that runs at its next transaction and says so, and nothing
// after it; a connection that goes away stops transferring.
#include "core/RYXScriptedPrompter.h"

#include "ManagedStation.h"

namespace {

const char Interrupted[] =
    "Synhronization interrupted, Serial Number, Firmware Version and Process data may be invalid.";

} // namespace

class tst_Cancel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { RYXPrompter::setInstance(&m_prompter); }
    void cleanup() { RYXPrompter::setInstance(nullptr); }

    void cancel_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("neverLine");
        QTest::newRow("synchronize while connecting")
            << QString() << "Synchronizing with connected device..."
            << QStringList{Interrupted, "Connection was incomplete."} << "Connection was succesful.";
        QTest::newRow("upload") << "upload" << "Uploading EIM"
                                << QStringList{"EIM upload cancelled!", "The configuration shown may be only partly uploaded."}
                                << "EIM overall upload success!";
        QTest::newRow("download") << "download" << "Downloading EIM"
                                  << QStringList{"EIM download cancelled!", "The device may hold only part of this configuration."}
                                  << "EIM overall download success!";
    }

    // The station stays online; the next operation, not cancelled, completes.
    void cancel()
    {
        QFETCH(QString, operation);
        QFETCH(QString, title);
        QFETCH(QStringList, lines);
        QFETCH(QString, neverLine);
        ManagedStation link(60);
        QVERIFY(link.ok);
        if (operation.isEmpty())
            link.receiver.cancelOn = title;
        link.connection->connectSlot(false);
        QTRY_COMPARE_WITH_TIMEOUT(link.connection->state(), int(RYXConnection::Online), 10000);
        if (!operation.isEmpty()) {
            QTRY_VERIFY_WITH_TIMEOUT(link.hasResult("Connection was succesful."), 10000);
            link.receiver.cancelOn = title;
            link.station->requestOperation(operation);
        }
        QTRY_VERIFY_WITH_TIMEOUT(link.hasResult(lines.last()), 10000);
        for (const QString &line : lines)
            QVERIFY2(link.hasResult(line), qPrintable(line));
        QVERIFY(!link.hasResult(neverLine));
        QCOMPARE(link.sim.station()->saveCount(), 0);
        QCOMPARE(link.connection->state(), int(RYXConnection::Online));
        QCOMPARE(link.receiver.messages().size(), operation.isEmpty() ? 1 : 0);

        link.receiver.cancelOn.clear();
        link.station->requestOperation(QStringLiteral("upload"));
        QTRY_VERIFY_WITH_TIMEOUT(link.hasResult("EIM overall upload success!"), 10000);
    }

    // Taking a station away in the middle of a download stops its traffic.
    void connectionGoingAwayStopsTransferring()
    {
        ManagedStation link(60);
        QVERIFY(link.ok);
        QVERIFY(link.connectStation());
        link.station->requestOperation(QStringLiteral("download"));
        QTRY_VERIFY_WITH_TIMEOUT(link.receiver.titles.contains("Downloading EIM"), 10000);
        link.manager.removeConnection(link.connection);
        link.station->setConnection(nullptr);
        const quint64 requests = link.requests();
        QTest::qWait(500); // the time of several answers: none may be asked for
        QCOMPARE(link.requests(), requests);
        QCOMPARE(link.sim.station()->saveCount(), 0);
    }

    // A disconnect asked of an offline station is done, not pending forever
    // (the worker would wake for it again and again).
    void disconnectWhileOfflineIsDone()
    {
        ManagedStation link(60);
        QVERIFY(link.ok);
        link.connection->requestDisconnect();
        QTRY_VERIFY(!link.connection->isDisconnectRequested());
        QCOMPARE(link.connection->state(), int(RYXConnection::Offline));
    }

private:
    RYXScriptedPrompter m_prompter;
};

QTEST_MAIN(tst_Cancel)
#include "tst_cancel.moc"

#include "comm/CVELException_Cancel.h"
#include "comm/CVELException_ExcessiveRetries.h"
#include "comm/RYXConnection.h"
#include "comm/TransferContext.h"
#include "core/MessageRelay.h"
#include "core/StartupFlags.h"
#include "database/RYXDatabase.h"
#include "model/RYXHeadlessReceiver.h"
#include "model/RYXObject.h"

#include "ScriptedPort.h"

#include <QtCore/QHash>
#include <QtCore/QRegularExpression>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>

namespace {

QByteArray bytes(const char *hex) { return QByteArray::fromHex(hex); }

QByteArray response(quint16 address, const char *hexData)
{
    return ScriptedPort::frame(ZEMP_READ, address, bytes(hexData));
}

QByteArray deviceError(quint16 address, int code)
{
    return ScriptedPort::frame(ZEMP_WRITE, address, QByteArray(1, char(code)));
}

class StationObject : public RYXObject
{
public:
    StationObject()
    {
        name = QStringLiteral("Test station");
        InsertPoint(QStringLiteral("offset"), 0, 0x0010, ZEMP_INT8);
        InsertPoint(QStringLiteral("tag"), QStringLiteral("ABC"), 0x0020, ZEMP_TEXT, 8);
    }
};

// A station with its connection, a scripted port and a headless receiver.
// Each address answers from its queue of replies; an empty reply (or an
// empty queue) is no answer at all.
struct Rig
{
    Rig()
    {
        port = new ScriptedPort;
        port->setTimeout(20);
        port->answer = [this](const QByteArray &frame) {
            const quint16 address = quint16((quint8(frame[1]) << 8) | quint8(frame[2]));
            QByteArray reply = replies[address].isEmpty() ? QByteArray() : replies[address].takeFirst();
            return reply.isEmpty() ? QList<QByteArray>{} : QList<QByteArray>{reply};
        };
        connection.setPort(port);
        connection.setEventReceiver(&receiver);
        station.setConnection(&connection);
    }
    StationObject station;
    RYXConnection connection{&station};
    RYXHeadlessReceiver receiver;
    ScriptedPort *port; // owned by the connection
    QHash<quint16, QList<QByteArray>> replies;
};

} // namespace

class tst_TransferContext : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { DebugOutput = true; }

    void attempts_data()
    {
        QTest::addColumn<QList<QByteArray>>("replies");
        QTest::addColumn<bool>("singleAttempt");
        QTest::addColumn<bool>("noThrow");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("sent");
        const QByteArray ok = response(0x10, "05");
        const QByteArray busy = deviceError(0x10, 0x13);
        QTest::newRow("third attempt") << QList<QByteArray>{busy, QByteArray(), ok} << false << false << 0 << 3;
        QTest::newRow("all attempts fail") << QList<QByteArray>{busy, busy, busy} << false << false << 0x13 << 3;
        QTest::newRow("all fail, no throw") << QList<QByteArray>{busy, busy, busy} << false << true << 0x13 << 3;
        QTest::newRow("single attempt") << QList<QByteArray>{busy, ok} << true << false << 0x13 << 1;
        QTest::newRow("single attempt times out") << QList<QByteArray>{} << true << false << ZEMP_ERR_TIMEOUT << 1;
    }

    void attempts()
    {
        QFETCH(QList<QByteArray>, replies);
        QFETCH(bool, singleAttempt);
        QFETCH(bool, noThrow);
        QFETCH(int, status);
        QFETCH(int, sent);
        Rig rig;
        rig.replies[0x10] = replies;
        QSignalSpy debug(MessageRelay::instance(), &MessageRelay::DebugMessage);
        TransferContext context(false, &rig.station, true);
        int result = -99;
        QString thrown;
        try {
            result = context.readPoint(QStringLiteral("offset"), singleAttempt, noThrow);
        } catch (const CVELException_ExcessiveRetries &e) {
            thrown = e.message();
        }
        QCOMPARE(rig.port->frames.size(), sent);
        QCOMPARE(debug.size(), 1);
        const QString line = debug[0][0].toString();
        const int failed = status == 0 ? sent - 1 : sent;
        const QRegularExpression expected(QStringLiteral("^  Read of offset returned error code is: %1, turnaround time: \\d+, retry count: %2$")
                                              .arg(status).arg(failed));
        QVERIFY2(expected.match(line).hasMatch(), qPrintable(line));
        // Only a failure after every attempt, when allowed to, throws.
        const bool throws = status != 0 && !singleAttempt && !noThrow;
        QCOMPARE(thrown, throws ? QStringLiteral("Excessive Retries during") + line : QString());
        QCOMPARE(result, throws ? -99 : status);
        if (status == 0)
            QCOMPARE(rig.station.getDatabase()->GetString(QStringLiteral("offset")), QStringLiteral("5"));
    }

    void cancel()
    {
        Rig rig;
        TransferContext context(false, &rig.station, true);
        // Cancel pressed while a write is on its way: the write completes, then
        // the context stops the operation.
        rig.port->answer = [&](const QByteArray &) {
            rig.connection.setCancelRequested(true);
            return QList<QByteArray>{ScriptedPort::withChecksum(bytes("030020"))};
        };
        QVERIFY_THROWS_EXCEPTION(CVELException_Cancel, context.writePoint(QStringLiteral("tag")));
        QCOMPARE(rig.port->frames.size(), 1);
        // A later read stops before sending anything.
        QVERIFY_THROWS_EXCEPTION(CVELException_Cancel, context.readPoint(QStringLiteral("offset"), false, true));
        QCOMPARE(rig.port->frames.size(), 1);
    }

    void refusedWithoutTransaction_data()
    {
        QTest::addColumn<QString>("point");
        QTest::addColumn<bool>("write");
        QTest::addColumn<bool>("counting"); // an inactive pass that counts the steps
        QTest::newRow("text too long for its field") << "tag" << true << false;
        QTest::newRow("missing point read") << "nosuchpoint" << false << false;
        QTest::newRow("missing point write") << "nosuchpoint" << true << false;
        QTest::newRow("counting pass read") << "offset" << false << true;
        QTest::newRow("counting pass write") << "tag" << true << true;
    }

    void refusedWithoutTransaction()
    {
        QFETCH(QString, point);
        QFETCH(bool, write);
        QFETCH(bool, counting);
        Rig rig;
        rig.station.setValue(QStringLiteral("tag"), counting ? QStringLiteral("ABC") : QStringLiteral("ABCDEFGH"));
        TransferContext context(counting, &rig.station, true);
        context.setActive(!counting);
        QCOMPARE(write ? context.writePoint(point, false, true) : context.readPoint(point, false, true), -1);
        QVERIFY(rig.port->frames.isEmpty());
        QCOMPARE(context.skippedCount(), counting ? 1 : 0);
        QCOMPARE(context.stepCount(), 0);
    }

    void progressEvents()
    {
        Rig rig;
        rig.replies[0x10] << response(0x10, "01");
        rig.replies[0x20] << deviceError(0x20, 0x13) << ScriptedPort::withChecksum(bytes("030020"));
        {
            TransferContext context(true, &rig.station, false);
            context.setProgressTitle(QStringLiteral("Uploading"));
            QTRY_COMPARE(rig.receiver.progressMode(), 0);
            QCOMPARE(context.readPoint(QStringLiteral("offset")), 0);
            QCOMPARE(context.writePoint(QStringLiteral("tag")), 0);
            // A step per point: the retry of the write adds none.
            QCOMPARE(context.stepCount(), 2);
            QTRY_COMPARE(rig.receiver.progressStep(), 2);
            QCOMPARE(rig.receiver.progressTitle(), QStringLiteral("Uploading"));
        }
        QTRY_COMPARE(rig.receiver.progressMode(), 2);
    }

    // A code without a message of its own still reports a failure.
    void reportFailureOfUnknownCode()
    {
        Rig rig;
        QSignalSpy results(&rig.receiver, &RYXHeadlessReceiver::progressResultAdded);
        {
            TransferContext context(false, &rig.station, true);
            QCOMPARE(context.reportFailure(42, QStringLiteral("upload"), QString()), 42);
        }
        QTRY_COMPARE(results.size(), 1);
        QCOMPARE(results[0][0].toString(), QStringLiteral("SmallRedLED"));
        QCOMPARE(results[0][1].toString(), QStringLiteral("Test station upload Undetermined failure (please report.)"));
    }
};

QTEST_MAIN(tst_TransferContext)
#include "tst_transfercontext.moc"

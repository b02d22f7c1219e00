// Input channels moved to and from the simulator over loopback TCP, as a
// connected station moves them: what an upload finds, what a sensor change
// leaves in the device words, and a custom curve that goes and comes back.
#include "app/RYXClassTable.h"
#include "io/TIChannelObject.h"
#include "model/RYXObjectFactory.h"

#include "stations/SimSite.h"

#include "SimInputChannel.h"
#include "SimStation.h"

#include <QtTest/QtTest>

#include <memory>

namespace {

constexpr quint16 Sensor1 = 0xFF12, Sensor2 = 0xFF13, PvUnits = 0xFF14, InputZero = 0xFF1B, InputFull = 0xFF1C;

// A station of the simulator with input modules, and its channels' device points.
struct Site : rig::SimSite
{
    using SimSite::SimSite;
    /// A second station on the simulator of \a other.
    explicit Site(const Site &other) : SimSite(other) {}

    TIChannelObject *channel(int module, int number) const
    {
        auto *io = qobject_cast<RYXIOModule *>(station->childAt(module - 1 + pluginCount()));
        return io ? qobject_cast<TIChannelObject *>(io->channelByNumber(number)) : nullptr;
    }
    int pluginCount() const
    {
        int count = 0;
        while (station->childAt(count) && !qobject_cast<RYXIOModule *>(station->childAt(count)))
            ++count;
        return count;
    }
    QByteArray devicePoint(int module, int number, quint16 address) const
    {
        QByteArray value;
        sim()->readPoint(SimStation::tunnelAddress(module, number - 1), address, value);
        return value;
    }
    float deviceFloat(int module, int number, quint16 address) const
    {
        return SimInputChannel::floatValue(devicePoint(module, number, address));
    }
    int deviceByte(int module, int number, quint16 address) const
    {
        const QByteArray value = devicePoint(module, number, address);
        return value.isEmpty() ? -1 : quint8(value.at(0));
    }
    void setDeviceFloat(int module, int number, quint16 address, float value)
    {
        sim()->setPoint(SimStation::tunnelAddress(module, number - 1), address, SimInputChannel::floatBytes(value));
    }
};

} // namespace

class tst_InputTransfers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The device's own values, changed from their defaults, reach every
    // channel of the three kinds of input module.
    void uploadTakesTheDevicesValues()
    {
        Site site(QStringLiteral("TI4,AI4,CI4"));
        for (int module = 1; module <= 3; ++module) {
            for (int number = 1; number <= 4; ++number) {
                site.setDeviceFloat(module, number, InputZero, float(module + number / 4.0));
                site.setDeviceFloat(module, number, InputFull, float(10 * module + number));
            }
        }
        QVERIFY(site.connected());
        QCOMPARE(site.failureOf(QStringLiteral("upload")), QString());
        for (int module = 1; module <= 3; ++module) {
            for (int number = 1; number <= 4; ++number) {
                TIChannelObject *channel = site.channel(module, number);
                QVERIFY2(channel, qPrintable(QStringLiteral("module %1 channel %2").arg(module).arg(number)));
                QCOMPARE(channel->getInt(QStringLiteral("sensor1")), site.deviceByte(module, number, Sensor1));
                QVERIFY(!channel->isNotCurrent());
                // The cathodic channels divide their ranges on the wire.
                if (module == 3)
                    continue;
                QCOMPARE(channel->getFloat(QStringLiteral("inputzero")), float(module + number / 4.0));
                QCOMPARE(channel->getFloat(QStringLiteral("inputfull")), float(10 * module + number));
            }
        }
    }

    void thermocoupleJInDegreesCelsius()
    {
        Site site(QStringLiteral("TI4"));
        QVERIFY(site.connected());
        TIChannelObject *channel = site.channel(1, 1);
        QVERIFY(channel);
        channel->setValue(QStringLiteral("inputtype"), 9);
        channel->setValue(QStringLiteral("inputsubtype"), 49);
        channel->setValue(QStringLiteral("inputunits"), 32);
        QCOMPARE(site.failureOf(QStringLiteral("download")), QString());
        QCOMPARE(site.deviceByte(1, 1, Sensor1), 9);
        QCOMPARE(site.deviceByte(1, 1, Sensor2), 49);
        QCOMPARE(site.deviceByte(1, 1, PvUnits), 32);
    }

    void curveOfTwentyPointsComesBack()
    {
        Site site(QStringLiteral("AI4"));
        QVERIFY(site.connected());
        TIChannelObject *channel = site.channel(1, 3);
        QVERIFY(channel);
        channel->setValue(QStringLiteral("customcurveenable"), QStringLiteral("true"));
        channel->setValue(QStringLiteral("customcurvenumpts"), 20);
        for (int i = 1; i <= 20; ++i) {
            channel->setValue(QStringLiteral("customcurve_x_value%1").arg(i), QString::number(i * 0.75, 'f', 6));
            channel->setValue(QStringLiteral("customcurve_y_value%1").arg(i), QString::number(i * i * 0.125, 'f', 6));
        }
        QCOMPARE(site.failureOf(QStringLiteral("download")), QString());
        QCOMPARE(site.deviceFloat(1, 3, 0xFE14), 15.0f);

        // A second station reads the device back.
        Site again(site);
        QVERIFY(again.connected());
        QCOMPARE(again.failureOf(QStringLiteral("upload")), QString());
        TIChannelObject *read = again.channel(1, 3);
        QVERIFY(read);
        QCOMPARE(read->getString(QStringLiteral("customcurveenable")), QStringLiteral("true"));
        QCOMPARE(read->getInt(QStringLiteral("customcurvenumpts")), 20);
        for (int i = 1; i <= 20; ++i) {
            for (const char *axis : {"x", "y"}) {
                const QString key = QStringLiteral("customcurve_%1_value%2").arg(QLatin1String(axis)).arg(i);
                QCOMPARE(read->getString(key), channel->getString(key));
            }
        }
    }
};

QTEST_MAIN(tst_InputTransfers)
#include "tst_inputtransfers.moc"

// The temperature sensor model: device words and limits from the sensor
// choice, the choice decoded from uploaded words, the consistency rule,
// unit labels and the dialog's tables.
#include "dialogs/ComboBoxCtl.h"
#include "io/TemperatureSensorModel.h"

#include <QtTest/QtTest>

using Model = TemperatureSensorModel;

namespace {

Model::Choice choice(int type, int subtype, int resistance, int connection, int units)
{
    Model::Choice c;
    c.type = type;
    c.subtype = subtype;
    c.resistance = resistance;
    c.connection = connection;
    c.units = units;
    return c;
}

QList<int> valuesOf(const ComboChoice *table)
{
    QList<int> values;
    for (; table->text; ++table)
        values << table->value;
    return values;
}

} // namespace

Q_DECLARE_METATYPE(Model::Choice)

class tst_SensorModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void derive_data()
    {
        QTest::addColumn<Model::Choice>("choice");
        QTest::addColumn<QList<int>>("words");      // sensor1, sensor2, pvunits
        QTest::addColumn<QList<double>>("limits"); // low, high, span; empty: no row
        QTest::newRow("defaults: Pt3850 100 Ohms 4 wire degF") << choice(1, 2, 2, 3, 33) << QList<int>{3, 2, 33}
                                                               << QList<double>{-400, 1760, 18};
        QTest::newRow("Pt3850 in degC") << choice(1, 2, 2, 3, 32) << QList<int>{3, 2, 32}
                                        << QList<double>{-240, 960, 10};
        QTest::newRow("Pt3902 200 Ohms takes the resistance code") << choice(1, 8, 9, 1, 32) << QList<int>{1, 9, 32}
                                                                   << QList<double>{-150, 720, 10};
        QTest::newRow("Nickel takes the sensor code") << choice(1, 22, 5, 2, 32) << QList<int>{2, 22, 32}
                                                      << QList<double>{-100, 360, 10};
        QTest::newRow("thermocouple J degC") << choice(9, 49, 0, 0, 32) << QList<int>{9, 49, 32}
                                             << QList<double>{-210, 770, 35};
        QTest::newRow("thermocouple J degF") << choice(9, 49, 0, 0, 33) << QList<int>{9, 49, 33}
                                             << QList<double>{-346, 1418, 63};
        QTest::newRow("T/C w/o RJC K degF") << choice(8, 50, 0, 0, 33) << QList<int>{8, 50, 33}
                                            << QList<double>{-454, 2534, 72};
        QTest::newRow("milliVolts ignores the units") << choice(4, 49, 7, 2, 33) << QList<int>{4, 101, 36}
                                                      << QList<double>{-50, 1000, 4};
        QTest::newRow("Ohms keeps its connection") << choice(5, 0, 0, 6, 33) << QList<int>{6, 102, 37}
                                                   << QList<double>{0, 4000, 10};
        QTest::newRow("potentiometer") << choice(10, 0, 42, 0, 33) << QList<int>{10, 42, 57}
                                       << QList<double>{0, 100, 1};
        QTest::newRow("unknown type keeps units") << choice(3, 2, 2, 3, 32) << QList<int>{0, 0, 32} << QList<double>{};
        QTest::newRow("code 10 has no range row") << choice(1, 8, 10, 3, 32) << QList<int>{3, 10, 32}
                                                  << QList<double>{};
    }

    void derive()
    {
        QFETCH(Model::Choice, choice);
        QFETCH(QList<int>, words);
        QFETCH(QList<double>, limits);
        const Model::Words w = Model::derive(choice);
        QCOMPARE((QList<int>{w.sensor1, w.sensor2, w.pvunits}), words);
        QCOMPARE(w.hasRange, !limits.isEmpty());
        if (w.hasRange)
            QCOMPARE((QList<double>{w.range.low, w.range.high, w.range.minSpan}), limits);
    }

    void decode_data()
    {
        QTest::addColumn<QList<int>>("words");
        QTest::addColumn<QList<int>>("choice"); // type, subtype, resistance, connection, units
        QTest::newRow("RTD Pt3850 300 Ohms") << QList<int>{2, 4, 32} << QList<int>{1, 2, 4, 2, 32};
        QTest::newRow("RTD Pt3902 1000 Ohms") << QList<int>{3, 13, 33} << QList<int>{1, 8, 13, 3, 33};
        QTest::newRow("code 10 is no Pt3902") << QList<int>{3, 10, 33} << QList<int>{1, 0, 10, 3, 33};
        QTest::newRow("Copper") << QList<int>{1, 23, 32} << QList<int>{1, 23, 23, 1, 32};
        QTest::newRow("milliVolts") << QList<int>{4, 101, 36} << QList<int>{4, 0, 101, 0, 36};
        QTest::newRow("Ohms 3 wire") << QList<int>{6, 102, 37} << QList<int>{5, 0, 102, 6, 37};
        QTest::newRow("thermocouple C") << QList<int>{9, 57, 33} << QList<int>{9, 57, 57, 0, 33};
        QTest::newRow("potentiometer") << QList<int>{10, 44, 57} << QList<int>{10, 0, 44, 0, 57};
        QTest::newRow("unknown class") << QList<int>{11, 0, 58} << QList<int>{0, 0, 0, 0, 58};
    }

    void decode()
    {
        QFETCH(QList<int>, words);
        QFETCH(QList<int>, choice);
        const Model::Choice c = Model::decode(words[0], words[1], words[2]);
        QCOMPARE((QList<int>{c.type, c.subtype, c.resistance, c.connection, c.units}), choice);
    }

    void consistent_data()
    {
        QTest::addColumn<int>("sensor1");
        QTest::addColumn<int>("sensor2");
        QTest::addColumn<bool>("consistent");
        QTest::newRow("RTD with a platinum code") << 3 << 2 << true;
        QTest::newRow("RTD with a thermocouple code") << 1 << 49 << false;
        QTest::newRow("millivolts with 101") << 4 << 101 << true;
        QTest::newRow("millivolts with 102") << 4 << 102 << false;
        QTest::newRow("ohms with 102") << 7 << 102 << true;
        QTest::newRow("thermocouple below J") << 9 << 48 << false;
        QTest::newRow("potentiometer 4000") << 10 << 40 << true;
        QTest::newRow("potentiometer with an RTD code") << 10 << 2 << false;
        QTest::newRow("no class passes") << 0 << 0 << true;
        QTest::newRow("above 10 passes") << 11 << 0 << true;
    }

    void consistent()
    {
        QFETCH(int, sensor1);
        QFETCH(int, sensor2);
        QFETCH(bool, consistent);
        QCOMPARE(Model::consistent(sensor1, sensor2), consistent);
    }

    void unitLabel_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<unsigned>("config3");
        QTest::addColumn<QString>("egu");
        QTest::addColumn<int>("channelType");
        QTest::addColumn<QString>("label");
        QTest::newRow("degC") << 32 << 0u << "" << 2 << "C";
        QTest::newRow("percent") << 57 << 0u << "" << 2 << "pct";
        QTest::newRow("volts") << 58 << 0u << "" << 7 << "V";
        QTest::newRow("volts on CI2 read mV") << 58 << 0u << "" << 0x52 << "mV";
        QTest::newRow("unknown code") << 99 << 0u << "" << 7 << "units";
        QTest::newRow("scaling uses custom units") << 32 << 0x08u << "bar" << 2 << "bar";
        QTest::newRow("curve without custom units") << 32 << 0x01u << "" << 2 << "EU";
        QTest::newRow("trim bit changes nothing") << 33 << 0x06u << "bar" << 2 << "F";
    }

    void unitLabel()
    {
        QFETCH(int, code);
        QFETCH(unsigned, config3);
        QFETCH(QString, egu);
        QFETCH(int, channelType);
        QFETCH(QString, label);
        QCOMPARE(Model::unitLabel(code, config3, egu, channelType), label);
    }

    // The dialog offers what the model can derive: 300 Ohms exists only for Platinum 3850.
    void tables()
    {
        QCOMPARE(valuesOf(Model::Platinum3850Resistances), (QList<int>{0, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(valuesOf(Model::Platinum3902Resistances), (QList<int>{0, 8, 9, 11, 12, 13}));
        bool has300 = false;
        for (const ComboChoice *c = Model::Platinum3902Resistances; c->text; ++c)
            has300 = has300 || QLatin1String(c->text) == QLatin1String("300 Ohms");
        QVERIFY(!has300);
        QCOMPARE(Model::resistanceChoices(1, 8), Model::Platinum3902Resistances);
        QCOMPARE(Model::resistanceChoices(1, 16), nullptr);
        QCOMPARE(Model::sensorChoices(8), Model::ThermocoupleTypes);
        QCOMPARE(Model::connectionChoices(5), Model::OhmsConnections);
        QCOMPARE(valuesOf(Model::unitChoices(4)), QList<int>{36});
        QCOMPARE(Model::unitChoices(0), nullptr);
    }
};

QTEST_GUILESS_MAIN(tst_SensorModel)
#include "tst_sensormodel.moc"

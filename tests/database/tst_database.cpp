#include "database/RYXDatabase.h"

#include <QtTest/QtTest>

class tst_Database : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // form: 0 integer, 1 text and size, 2 attributes and size, 3 integer
    // with attributes, 4 text with attributes.
    void insertForms_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("storedSize"); // -2: refused

        QTest::newRow("int u8") << 0 << 1 << 0 << 0;
        QTest::newRow("int text") << 0 << 10 << 0 << -2;
        QTest::newRow("text sized") << 1 << 10 << 12 << 12;
        QTest::newRow("binary unsized, silent") << 1 << 11 << -1 << -2;
        QTest::newRow("size kept for u16") << 1 << 2 << 2 << 2;
        QTest::newRow("attr sized binary") << 2 << 11 << 2 << 2;
        QTest::newRow("attr sized u8") << 2 << 1 << 1 << -2;
        QTest::newRow("attr int s16") << 3 << 6 << 0 << -1;
        QTest::newRow("attr int text") << 3 << 10 << 0 << -2;
        QTest::newRow("attr text float") << 4 << 9 << 0 << -1;
        QTest::newRow("attr text binary") << 4 << 11 << 0 << -2;
    }

    void insertForms()
    {
        QFETCH(int, form);
        QFETCH(int, type);
        QFETCH(int, size);
        QFETCH(int, storedSize);

        RYXDatabase db;
        const DataPoint::Attributes attrs(5);
        bool ok = false;
        switch (form) {
        case 0: ok = db.InsertPoint("p", -7, 0x123, type); break;
        case 1: ok = db.InsertPoint("p", "-7", 0x123, type, size); break;
        case 2: ok = db.InsertPoint("p", "-7", attrs, 0x123, size, type); break;
        case 3: ok = db.InsertPoint("p", -7, attrs, 0x123, type); break;
        case 4: ok = db.InsertPoint("p", "-7", attrs, 0x123, type); break;
        }
        QCOMPARE(ok, storedSize != -2);
        QCOMPARE(db.contains("p"), ok);
        QVERIFY(!db.isModified());
        DataPoint point;
        if (!ok)
            return;
        QVERIFY(db.GetDataPoint("p", point));
        QCOMPARE(point.value, QString("-7"));
        QCOMPARE(point.referenceValue, QString("-7"));
        QCOMPARE(point.pointNumber, quint16(0x123));
        QCOMPARE(point.type, type);
        QCOMPARE(point.size, storedSize);
        QCOMPARE(point.attributes, form >= 2 ? 5 : 0);
    }

    void modifiedSet_data()
    {
        QTest::addColumn<bool>("untracked");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("modified");

        QTest::newRow("differs") << false << QStringList{"2"} << true;
        QTest::newRow("back to reference") << false << QStringList{"2", "1.0"} << false;
        QTest::newRow("same number, other text") << false << QStringList{"1.000000"} << true;
        QTest::newRow("untracked") << true << QStringList{"2", "3"} << false;
    }

    void modifiedSet()
    {
        QFETCH(bool, untracked);
        QFETCH(QStringList, values);
        RYXDatabase db;
        QVERIFY(db.InsertPoint("x", "1.0", 0x20, ZEMP_FLOAT));
        QVERIFY(db.InsertPoint("y", "0", 0, ZEMP_NONE));
        QCOMPARE(db.SetUntracked("x"), true);
        if (!untracked) // start over with a tracked point
            QVERIFY(db.InsertPoint("x", "1.0", 0x20, ZEMP_FLOAT));
        for (const QString &value : values)
            QVERIFY(db.SetValue("x", value));
        QCOMPARE(db.GetString("x"), values.last());
        QTEST(db.isModified(), "modified");

        // A second modified point keeps the database modified until it too
        // returns to its reference value.
        QVERIFY(db.SetValue("y", 1));
        QVERIFY(db.isModified());
        QVERIFY(db.SetValue("y", "0"));
        QTEST(db.isModified(), "modified");
    }

    void reinsertKeepsModified()
    {
        RYXDatabase db;
        QVERIFY(db.InsertPoint("a", "1", 0, ZEMP_NONE));
        QVERIFY(db.SetValue("a", "2"));
        QVERIFY(db.InsertPoint("a", 9, DataPoint::NotSaved, 0x10, ZEMP_UINT8));
        QCOMPARE(db.GetString("a"), QString("9"));
        QVERIFY(db.isModified());
    }

    void typedValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("asBool");
        QTest::addColumn<int>("asInt");
        QTest::addColumn<uint>("asUInt");
        QTest::addColumn<float>("asFloat");

        QTest::newRow("true") << "true" << true << 0 << 0u << 0.0f;
        QTest::newRow("TRUE is false") << "TRUE" << false << 0 << 0u << 0.0f;
        QTest::newRow("one is not true") << "1" << false << 1 << 1u << 1.0f;
        QTest::newRow("negative") << "-3" << false << -3 << 0u << -3.0f;
        QTest::newRow("float text") << "1.500000" << false << 0 << 0u << 1.5f;
        QTest::newRow("hex is not decimal") << "0x10" << false << 0 << 0u << 0.0f;
        QTest::newRow("large unsigned") << "4000000000" << false << 0 << 4000000000u << 4e9f;
    }

    void typedValues()
    {
        QFETCH(QString, text);
        QFETCH(bool, asBool);
        QFETCH(int, asInt);
        QFETCH(uint, asUInt);
        QFETCH(float, asFloat);
        RYXDatabase db;
        QVERIFY(db.InsertPoint("v", text, 0, ZEMP_NONE));
        QCOMPARE(db.GetBool("v"), asBool);
        QCOMPARE(db.GetInt("v"), asInt);
        QCOMPARE(db.GetUInt("v"), asUInt);
        QCOMPARE(db.GetFloat("v"), asFloat);

        // The setters write the forms the getters read.
        QVERIFY(db.SetValue("v", asBool));
        QCOMPARE(db.GetString("v"), QString(asBool ? "true" : "false"));
        QVERIFY(db.SetValue("v", asInt));
        QCOMPARE(db.GetString("v"), QString::number(asInt));
        QVERIFY(db.SetValue("v", asUInt));
        QCOMPARE(db.GetString("v"), QString::number(asUInt));
        QVERIFY(db.SetValue("v", asFloat));
        QCOMPARE(db.GetString("v"), QString::asprintf("%f", double(asFloat)));
        QVERIFY(db.SetValue("v", "abc")); // a literal is text, not a bool
        QCOMPARE(db.GetString("v"), QString("abc"));
    }

    void missingKeys()
    {
        RYXDatabase db;
        QVERIFY(!db.SetValue("nope", "1"));
        QVERIFY(!db.contains("nope"));
        int i = 77;
        QVERIFY(!db.GetValue("nope", i));
        QCOMPARE(i, 77);
        QCOMPARE(db.GetFloat("nope"), 0.0f);
        DataPoint point;
        point.value = "untouched";
        QVERIFY(!db.GetDataPoint("nope", point));
        QCOMPARE(point.value, QString("untouched"));
        db.MarkCurrent("nope");
        QVERIFY(!db.contains("nope"));
    }

    void markCurrent()
    {
        RYXDatabase db;
        for (const char *key : {"a", "b"}) {
            QVERIFY(db.InsertPoint(key, "1", 0, ZEMP_NONE));
            QVERIFY(db.SetValue(key, "2"));
        }
        db.MarkCurrent("a");
        QCOMPARE(db.modifiedPointKeys(), QStringList{"b"});
        // The old reference value is now a change.
        QVERIFY(db.SetValue("a", "1"));
        QCOMPARE(db.modifiedPointKeys(), (QStringList{"a", "b"}));

        db.MarkCurrent(QString());
        QVERIFY(!db.isModified());
        DataPoint point;
        QVERIFY(db.GetDataPoint("a", point));
        QCOMPARE(point.referenceValue, QString("1"));
        QVERIFY(db.GetDataPoint("b", point));
        QCOMPARE(point.referenceValue, QString("2"));
    }
};

QTEST_GUILESS_MAIN(tst_Database)
#include "tst_database.moc"

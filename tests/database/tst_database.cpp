#include "database/RYXDatabase.h"

#include <QtTest/QtTest>

// Which InsertPoint form a table row exercises.
enum InsertForm { IntPlain, TextPlain, TextAttrSize, IntAttr, TextAttr };
Q_DECLARE_METATYPE(InsertForm)

static const char *const mustSize =
    "RYXDatabase::InsertPoint - you must specify a size for ZEMP_TEXT and ZEMP_BINARY!";
static const char *const mayOnlySize =
    "RYXDatabase::InsertPoint - you may only specify a size for ZEMP_TEXT and ZEMP_BINARY!";

class tst_Database : public QObject
{
    Q_OBJECT

private:
    static bool insert(RYXDatabase &db, InsertForm form, const QString &value, int type, int size,
                       int attributes)
    {
        const DataPoint::Attributes attrs(attributes);
        switch (form) {
        case IntPlain: return db.InsertPoint("p", value.toInt(), 0x123, type);
        case TextPlain: return db.InsertPoint("p", value, 0x123, type, size);
        case TextAttrSize: return db.InsertPoint("p", value, attrs, 0x123, size, type);
        case IntAttr: return db.InsertPoint("p", value.toInt(), attrs, 0x123, type);
        case TextAttr: return db.InsertPoint("p", value, attrs, 0x123, type);
        }
        return false;
    }

private Q_SLOTS:
    void insertForms_data()
    {
        QTest::addColumn<InsertForm>("form");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("attributes");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("storedSize");
        QTest::addColumn<int>("storedAttributes");

        QTest::newRow("int u8") << IntPlain << "5" << 1 << 0 << 0 << true << "" << 0 << 0;
        QTest::newRow("int text refused") << IntPlain << "5" << 10 << 0 << 0 << false << mustSize << 0 << 0;
        QTest::newRow("int binary refused") << IntPlain << "5" << 11 << 0 << 0 << false << mustSize << 0 << 0;
        QTest::newRow("text sized") << TextPlain << "abc" << 10 << 12 << 0 << true << "" << 12 << 0;
        QTest::newRow("text unsized refused silently") << TextPlain << "abc" << 10 << -1 << 0 << false << "" << 0 << 0;
        QTest::newRow("binary unsized refused silently") << TextPlain << "00" << 11 << -1 << 0 << false << "" << 0 << 0;
        QTest::newRow("size kept for any type") << TextPlain << "7" << 2 << 2 << 0 << true << "" << 2 << 0;
        QTest::newRow("float unsized") << TextPlain << "1.5" << 9 << -1 << 0 << true << "" << -1 << 0;
        QTest::newRow("attr sized binary") << TextAttrSize << "0000" << 11 << 2 << 3 << true << "" << 2 << 3;
        QTest::newRow("attr sized u8 refused") << TextAttrSize << "1" << 1 << 1 << 3 << false << mayOnlySize << 0 << 0;
        QTest::newRow("attr sized none refused") << TextAttrSize << "1" << 0 << 1 << 0 << false << mayOnlySize << 0 << 0;
        QTest::newRow("attr int s16") << IntAttr << "-7" << 6 << 0 << 7 << true << "" << -1 << 7;
        QTest::newRow("attr int text refused") << IntAttr << "1" << 10 << 0 << 1 << false << mustSize << 0 << 0;
        QTest::newRow("attr text float") << TextAttr << "0.0" << 9 << 0 << 1 << true << "" << -1 << 1;
        QTest::newRow("attr text binary refused") << TextAttr << "00" << 11 << 0 << 3 << false << mustSize << 0 << 0;
    }

    void insertForms()
    {
        QFETCH(InsertForm, form);
        QFETCH(QString, value);
        QFETCH(int, type);
        QFETCH(int, size);
        QFETCH(int, attributes);
        QFETCH(bool, accepted);
        QFETCH(QString, message);

        RYXDatabase db;
        if (!message.isEmpty())
            QTest::ignoreMessage(QtDebugMsg, qPrintable(message));
        QCOMPARE(insert(db, form, value, type, size, attributes), accepted);
        QCOMPARE(db.contains("p"), accepted);
        QVERIFY(!db.isModified());
        if (!accepted)
            return;

        DataPoint point;
        QVERIFY(db.GetDataPoint("p", point));
        QCOMPARE(point.name, QString("p"));
        QCOMPARE(point.value, value);
        QCOMPARE(point.referenceValue, value);
        QCOMPARE(point.pointNumber, quint16(0x123));
        QCOMPARE(point.type, type);
        QTEST(point.size, "storedSize");
        QTEST(point.attributes, "storedAttributes");
    }

    void reinsertReplacesPointButNotModified()
    {
        RYXDatabase db;
        QVERIFY(db.InsertPoint("a", "1", 0, ZEMP_NONE));
        QVERIFY(db.SetValue("a", "2"));
        QVERIFY(db.isModified());

        QVERIFY(db.InsertPoint("a", 9, DataPoint::NotSaved, 0x10, ZEMP_UINT8));
        DataPoint point;
        QVERIFY(db.GetDataPoint("a", point));
        QCOMPARE(point.value, QString("9"));
        QCOMPARE(point.referenceValue, QString("9"));
        QCOMPARE(point.attributes, 1);
        QVERIFY(db.isModified());

        RYXDatabase clean;
        QVERIFY(clean.InsertPoint("a", "1", 0, ZEMP_NONE));
        QVERIFY(clean.InsertPoint("a", "2", 0, ZEMP_NONE));
        QVERIFY(!clean.isModified());
    }

    void modifiedTracking_data()
    {
        QTest::addColumn<bool>("untracked");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("modified");

        QTest::newRow("differs") << false << QStringList{"2"} << true;
        QTest::newRow("back to reference") << false << QStringList{"2", "1.0"} << false;
        QTest::newRow("same number other text") << false << QStringList{"1.000000"} << true;
        QTest::newRow("case matters") << false << QStringList{"1.0", "1.0 "} << true;
        QTest::newRow("set to reference") << false << QStringList{"1.0"} << false;
        QTest::newRow("untracked differs") << true << QStringList{"2"} << false;
        QTest::newRow("untracked many") << true << QStringList{"2", "3", "1.0", "4"} << false;
    }

    void modifiedTracking()
    {
        QFETCH(bool, untracked);
        QFETCH(QStringList, values);

        RYXDatabase db;
        QVERIFY(db.InsertPoint("x", "1.0", 0x20, ZEMP_FLOAT));
        if (untracked)
            QVERIFY(db.SetUntracked("x"));
        for (const QString &value : values)
            QVERIFY(db.SetValue("x", value));
        QCOMPARE(db.GetString("x"), values.last());
        QTEST(db.isModified(), "modified");
        QCOMPARE(db.modifiedPointKeys().isEmpty(), !db.isModified());
    }

    void lastModifiedPointClearsModified()
    {
        RYXDatabase db;
        QVERIFY(db.InsertPoint("a", 1, 0, ZEMP_NONE));
        QVERIFY(db.InsertPoint("b", 1, 0, ZEMP_NONE));
        QVERIFY(db.SetValue("a", 2));
        QVERIFY(db.SetValue("b", 2));
        QVERIFY(db.SetValue("a", 1));
        QVERIFY(db.isModified());
        QCOMPARE(db.modifiedPointKeys(), QStringList{"b"});
        QVERIFY(db.SetValue("b", 1));
        QVERIFY(!db.isModified());
    }

    void setUntracked()
    {
        RYXDatabase db;
        QVERIFY(!db.SetUntracked("missing"));
        QVERIFY(!db.contains("missing"));
        QVERIFY(db.InsertPoint("a", "x", DataPoint::NotSaved | DataPoint::NotCopied, 0, ZEMP_NONE));
        QVERIFY(db.SetUntracked("a"));
        DataPoint point;
        QVERIFY(db.GetDataPoint("a", point));
        QCOMPARE(point.attributes, 7);
    }

    void typedSetters_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("text");
        QTest::newRow("unsigned large") << 0 << "4000000000";
        QTest::newRow("int negative") << 1 << "-5";
        QTest::newRow("bool true") << 2 << "true";
        QTest::newRow("bool false") << 3 << "false";
        QTest::newRow("float") << 4 << "1.500000";
        QTest::newRow("float rounded") << 5 << "0.100000";
        QTest::newRow("double literal") << 6 << "2.250000";
        QTest::newRow("string literal is text, not bool") << 7 << "abc";
    }

    void typedSetters()
    {
        QFETCH(int, form);
        RYXDatabase db;
        QVERIFY(db.InsertPoint("v", "", 0, ZEMP_NONE));
        switch (form) {
        case 0: QVERIFY(db.SetValue("v", 4000000000u)); break;
        case 1: QVERIFY(db.SetValue("v", -5)); break;
        case 2: QVERIFY(db.SetValue("v", true)); break;
        case 3: QVERIFY(db.SetValue("v", false)); break;
        case 4: QVERIFY(db.SetValue("v", 1.5f)); break;
        case 5: QVERIFY(db.SetValue("v", 0.1f)); break;
        case 6: QVERIFY(db.SetValue("v", 2.25)); break;
        case 7: QVERIFY(db.SetValue("v", "abc")); break;
        }
        QTEST(db.GetString("v"), "text");
    }

    void typedGetters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("asBool");
        QTest::addColumn<int>("asInt");
        QTest::addColumn<uint>("asUInt");
        QTest::addColumn<float>("asFloat");

        QTest::newRow("true") << "true" << true << 0 << 0u << 0.0f;
        QTest::newRow("TRUE is false") << "TRUE" << false << 0 << 0u << 0.0f;
        QTest::newRow("True is false") << "True" << false << 0 << 0u << 0.0f;
        QTest::newRow("one is not true") << "1" << false << 1 << 1u << 1.0f;
        QTest::newRow("negative") << "-3" << false << -3 << 0u << -3.0f;
        QTest::newRow("float text") << "1.500000" << false << 0 << 0u << 1.5f;
        QTest::newRow("hex is not decimal") << "0x10" << false << 0 << 0u << 0.0f;
        QTest::newRow("garbage") << "abc" << false << 0 << 0u << 0.0f;
        QTest::newRow("large unsigned") << "4000000000" << false << 0 << 4000000000u << 4e9f;
    }

    void typedGetters()
    {
        QFETCH(QString, text);
        RYXDatabase db;
        QVERIFY(db.InsertPoint("v", text, 0, ZEMP_NONE));

        bool b = !db.GetBool("v");
        int i = -99;
        unsigned u = 99;
        float f = -99.0f;
        QVERIFY(db.GetValue("v", b));
        QVERIFY(db.GetValue("v", i));
        QVERIFY(db.GetValue("v", u));
        QVERIFY(db.GetValue("v", f));
        QTEST(b, "asBool");
        QTEST(i, "asInt");
        QTEST(u, "asUInt");
        QTEST(f, "asFloat");
        QTEST(db.GetBool("v"), "asBool");
        QTEST(db.GetInt("v"), "asInt");
        QTEST(db.GetUInt("v"), "asUInt");
        QTEST(db.GetFloat("v"), "asFloat");
    }

    void missingKeys()
    {
        RYXDatabase db;
        const char *getFailed = "GetValue nope Failed, this point is not in the database";

        QTest::ignoreMessage(QtDebugMsg, "SetValue nope Failed");
        QVERIFY(!db.SetValue("nope", "1"));
        QVERIFY(!db.contains("nope"));
        QVERIFY(!db.isModified());

        int i = 77;
        QTest::ignoreMessage(QtDebugMsg, getFailed);
        QVERIFY(!db.GetValue("nope", i));
        QCOMPARE(i, 77);
        QString s = "kept";
        QTest::ignoreMessage(QtDebugMsg, getFailed);
        QVERIFY(!db.GetValue("nope", s));
        QCOMPARE(s, QString("kept"));

        for (int n = 0; n < 5; ++n)
            QTest::ignoreMessage(QtDebugMsg, getFailed);
        QCOMPARE(db.GetString("nope"), QString());
        QCOMPARE(db.GetInt("nope"), 0);
        QCOMPARE(db.GetUInt("nope"), 0u);
        QCOMPARE(db.GetFloat("nope"), 0.0f);
        QCOMPARE(db.GetBool("nope"), false);

        DataPoint point;
        point.value = "untouched";
        QTest::ignoreMessage(QtDebugMsg, "GetDataPoint of nope not found");
        QVERIFY(!db.GetDataPoint("nope", point));
        QCOMPARE(point.value, QString("untouched"));

        db.MarkCurrent("nope");
        QVERIFY(!db.contains("nope"));
    }

    void markCurrent()
    {
        RYXDatabase db;
        QVERIFY(db.InsertPoint("a", "1", 0, ZEMP_NONE));
        QVERIFY(db.InsertPoint("b", "1", 0, ZEMP_NONE));
        QVERIFY(db.InsertPoint("u", "1", 0, ZEMP_NONE));
        QVERIFY(db.SetUntracked("u"));
        QVERIFY(db.SetValue("a", "2"));
        QVERIFY(db.SetValue("b", "3"));
        QVERIFY(db.SetValue("u", "4"));

        db.MarkCurrent("a");
        QVERIFY(db.isModified());
        QCOMPARE(db.modifiedPointKeys(), QStringList{"b"});
        DataPoint point;
        QVERIFY(db.GetDataPoint("a", point));
        QCOMPARE(point.referenceValue, QString("2"));
        // Setting the old reference value now counts as a change.
        QVERIFY(db.SetValue("a", "1"));
        QCOMPARE(db.modifiedPointKeys(), (QStringList{"a", "b"}));

        db.MarkCurrent(QString());
        QVERIFY(!db.isModified());
        QVERIFY(db.modifiedPointKeys().isEmpty());
        for (const QString key : {"a", "b", "u"}) {
            QVERIFY(db.GetDataPoint(key, point));
            QCOMPARE(point.referenceValue, point.value);
        }
    }

    void keyOrderIsCodeUnitOrder()
    {
        RYXDatabase db;
        for (const char *key : {"b", "B", "a", "_x", "Z1", "a0"})
            QVERIFY(db.InsertPoint(key, 0, 0, ZEMP_NONE));
        QCOMPARE(db.allPoints().keys(), (QStringList{"B", "Z1", "_x", "a", "a0", "b"}));
    }
};

QTEST_GUILESS_MAIN(tst_Database)
#include "tst_database.moc"

#include "comm/ZempCodec.h"
#include "database/DataPoint.h"

#include <QtTest/QTest>

class tst_ZempCodec : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void decode_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("wire");
        QTest::addColumn<int>("count"); // bytes of the answer; the rest of the buffer is stale
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");

        auto answer = [](const char *name, int type, int size, const char *hex, int count, int status,
                         const char *text) {
            QTest::newRow(name) << type << size << QByteArray::fromHex(hex) << count << status
                                << QString::fromLatin1(text);
        };
        auto row = [answer](const char *name, int type, int size, const char *hex, int status, const char *text) {
            answer(name, type, size, hex, int(QByteArray::fromHex(hex).size()), status, text);
        };
        row("unsigned 8 FF", ZEMP_UINT8, 0, "FF", 0, "255");
        row("signed 8 FF", ZEMP_INT8, 0, "FF", 0, "-1");
        row("signed 16", ZEMP_INT16, 0, "FFFE", 0, "-2");
        row("unsigned 24", ZEMP_UINT24, 0, "800000", 0, "8388608");
        row("signed 24", ZEMP_INT24, 0, "800000", 0, "-8388608");
        row("unsigned 32", ZEMP_UINT32, 0, "FFFFFFFF", 0, "4294967295");
        row("signed 32", ZEMP_INT32, 0, "80000000", 0, "-2147483648");
        row("decoded from the first byte on", ZEMP_UINT8, 0, "0102", 0, "1");
        row("float", ZEMP_FLOAT, 0, "3FC00000", 0, "1.500000");
        row("float no-value pattern", ZEMP_FLOAT, 0, "FFFFFFFF", 0, "0.000000");
        row("float of 3 bytes", ZEMP_FLOAT, 0, "3FC000", ZempCodec::ShortResponse, "");
        row("float of 5 bytes", ZEMP_FLOAT, 0, "3FC0000000", ZempCodec::ShortResponse, "");
        row("16 bits of 1 byte", ZEMP_UINT16, 0, "01", ZempCodec::ShortResponse, "");
        row("text up to the zero", ZEMP_TEXT, 8, "41424300585900", 0, "ABC");
        row("text without zero", ZEMP_TEXT, 4, "41424344", 0, "ABCD");
        row("text Latin-1", ZEMP_TEXT, 4, "E900", 0, "\xE9");
        answer("text answer shorter than the field", ZEMP_TEXT, 8, "4142585858000000", 2, 0, "AB");
        row("binary padded", ZEMP_BINARY, 4, "ABCD", 0, "ABCD0000");
        row("program-only point", ZEMP_NONE, 0, "01", -1, "");
    }

    void decode()
    {
        QFETCH(int, type);
        QFETCH(int, size);
        QFETCH(QByteArray, wire);
        QFETCH(int, count);
        QFETCH(int, status);
        QFETCH(QString, text);
        QString value = QStringLiteral("unchanged");
        QCOMPARE(ZempCodec::decode(type, size, reinterpret_cast<const BYTE *>(wire.constData()), count, &value), status);
        QCOMPARE(value, status == 0 ? text : QStringLiteral("unchanged"));
    }

    void encode_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("wire");

        auto row = [](const char *name, int type, int size, const char *text, bool ok, const char *hex) {
            QTest::newRow(name) << type << size << QString::fromLatin1(text) << ok << QByteArray::fromHex(hex);
        };
        row("unsigned 8", ZEMP_UINT8, 0, "255", true, "FF");
        row("signed 8", ZEMP_INT8, 0, "-1", true, "FF");
        row("signed 8 lowest", ZEMP_INT8, 0, "-128", true, "80");
        row("unsigned 24", ZEMP_UINT24, 0, "70000", true, "011170");
        row("signed 24 lowest", ZEMP_INT24, 0, "-8388608", true, "800000");
        row("unsigned 32 highest", ZEMP_UINT32, 0, "4294967295", true, "FFFFFFFF");
        row("signed 32", ZEMP_INT32, 0, "-1", true, "FFFFFFFF");
        row("leading zero is decimal", ZEMP_UINT8, 0, "010", true, "0A");
        row("signed leading zero is decimal", ZEMP_INT16, 0, "-010", true, "FFF6");
        // Out of range, or not a whole decimal number: refused, never cut to
        // the low bytes or sent as 0.
        row("unsigned 8 above its range", ZEMP_UINT8, 0, "300", false, "");
        row("unsigned 8 of 256", ZEMP_UINT8, 0, "256", false, "");
        row("unsigned 8 negative", ZEMP_UINT8, 0, "-1", false, "");
        row("signed 8 below its range", ZEMP_INT8, 0, "-129", false, "");
        row("signed 32 above its range", ZEMP_INT32, 0, "2147483648", false, "");
        row("digits beyond any range", ZEMP_UINT32, 0, "99999999999999999999", false, "");
        row("not a number", ZEMP_UINT16, 0, "abc", false, "");
        row("hex is not decimal", ZEMP_UINT8, 0, "0x10", false, "");
        row("empty number", ZEMP_UINT8, 0, "", false, "");
        row("fraction for an integer", ZEMP_UINT16, 0, "1.5", false, "");
        row("float", ZEMP_FLOAT, 0, "1.5", true, "3FC00000");
        row("float with blanks and sign", ZEMP_FLOAT, 0, "  -0.5", true, "BF000000");
        row("float with trailing text", ZEMP_FLOAT, 0, "2.5e1xyz", false, "");
        row("float of no number", ZEMP_FLOAT, 0, "abc", false, "");
        row("float NaN", ZEMP_FLOAT, 0, "NaN", false, "");
        row("float infinite", ZEMP_FLOAT, 0, "inf", false, "");
        row("float beyond single precision", ZEMP_FLOAT, 0, "1e39", false, "");
        row("float beyond double precision", ZEMP_FLOAT, 0, "1e309", false, "");
        row("text zero-filled", ZEMP_TEXT, 6, "ABC", true, "414243000000");
        row("text filling the field", ZEMP_TEXT, 4, "ABC", true, "41424300");
        row("text in Latin-1", ZEMP_TEXT, 3, "\xE9t", true, "E97400");
        row("text too long for its zero", ZEMP_TEXT, 4, "ABCD", false, "");
        row("binary padded", ZEMP_BINARY, 4, "AB", true, "AB000000");
        row("binary lower case", ZEMP_BINARY, 2, "ab01", true, "AB01");
        row("binary too long", ZEMP_BINARY, 2, "ABCDEF", false, "");
        row("binary odd length", ZEMP_BINARY, 2, "ABC", false, "");
        row("binary not hex", ZEMP_BINARY, 2, "ZZ", false, "");
        row("text without a size", ZEMP_TEXT, -1, "A", false, "");
        row("program-only point", ZEMP_NONE, 0, "1", false, "");
        QTest::newRow("text beyond Latin-1") << int(ZEMP_TEXT) << 32 << QString(16, QChar(0x6C34)) << false
                                             << QByteArray();
        QTest::newRow("text holding a zero") << int(ZEMP_TEXT) << 8 << QStringLiteral("A\u0000B") << false
                                             << QByteArray();
    }

    void encode()
    {
        QFETCH(int, type);
        QFETCH(int, size);
        QFETCH(QString, text);
        QByteArray out = "stale";
        QTEST(ZempCodec::encode(type, size, text, &out), "ok");
        QTEST(out, "wire");
    }
};

QTEST_GUILESS_MAIN(tst_ZempCodec)
#include "tst_zempcodec.moc"

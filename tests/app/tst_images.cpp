#include "app/RYXImages.h"

#include <QtGui/QColor>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtTest/QtTest>

namespace {

const QStringList LedColours = {"Green", "Yellow", "Red", "Olive"};
const QStringList ToolIcons = {"New", "Open", "Close", "Save", "SaveAs", "Print",
                               "Print Setup", "Print Preview", "Exit", "Copy", "Paste",
                               "Delete", "Add", "Connect", "GoOffline", "ConfigComms",
                               "Upload", "Download", "Synchronize", "Question", "About",
                               "treeLegend"};
const QStringList TypeFamilies = {"AIM", "AI", "AOM", "AO", "DIMV", "DIM", "ROM", "TIM", "TI"};
const QStringList TypeStates = {"OK", "DIRTY", "ERR", "CHILDDIRTY", "CHILDERR"};

// Share of pixels that are not (almost) fully transparent.
double coverage(const QImage &image)
{
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) > 32;
    return double(opaque) / (image.width() * image.height());
}

} // namespace

class tst_Images : public QObject
{
    Q_OBJECT

private slots:
    void everyNameResolves_data();
    void everyNameResolves();
    void ledColourMatchesName_data();
    void ledColourMatchesName();
    void unknownNameIsNull();
    void contactSheet();
};

void tst_Images::everyNameResolves_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("side");
    for (const QString &colour : LedColours) {
        QTest::newRow(qPrintable("Tiny" + colour)) << "Tiny" + colour + "LED" << 10;
        QTest::newRow(qPrintable("Small" + colour)) << "Small" + colour + "LED" << 14;
        QTest::newRow(qPrintable(colour)) << colour + "LED" << 22;
    }
    for (const QString &name : ToolIcons)
        QTest::newRow(qPrintable(name)) << name << 24;
    QTest::newRow("VEL") << "VEL" << 48;
    for (const QString &family : TypeFamilies)
        for (const QString &state : TypeStates) {
            const QString name = family + '_' + state;
            QTest::newRow(qPrintable(name)) << name << 16;
        }
}

void tst_Images::everyNameResolves()
{
    QFETCH(QString, name);
    QFETCH(int, side);
    QVERIFY(RYXImages::contains(name));
    const QPixmap picture = RYXImages::pixmap(name);
    QVERIFY2(!picture.isNull(), qPrintable(name));
    QCOMPARE(picture.size(), QSize(side, side));
    // A real picture, not an empty canvas.
    QVERIFY2(coverage(picture.toImage()) > 0.2, qPrintable(name));
    QVERIFY(!RYXImages::icon(name).isNull());
}

void tst_Images::ledColourMatchesName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("colour");
    for (const QString &prefix : {QString("Tiny"), QString("Small"), QString()})
        for (const QString &colour : LedColours)
            QTest::newRow(qPrintable(prefix + colour)) << prefix + colour + "LED" << colour;
}

void tst_Images::ledColourMatchesName()
{
    QFETCH(QString, name);
    QFETCH(QString, colour);
    const QImage image = RYXImages::pixmap(name).toImage();
    // Sample below the highlight, where the LED shows its own colour.
    const QColor c = image.pixelColor(image.width() / 2, image.height() * 2 / 3);
    const QMap<QString, bool> expected = {
        {"Green", c.green() > c.red() + 60 && c.green() > 120},
        {"Olive", c.green() > c.red() && c.green() < 120},
        {"Yellow", c.red() > 150 && c.green() > 120 && c.blue() < 100},
        {"Red", c.red() > c.green() + 80},
    };
    QVERIFY2(expected.value(colour), qPrintable(c.name()));
}

void tst_Images::unknownNameIsNull()
{
    QVERIFY(!RYXImages::contains("NoSuchLED"));
    QVERIFY(!RYXImages::contains(QString()));
    QTest::ignoreMessage(QtWarningMsg, "No image named \"NoSuchLED\"");
    QVERIFY(RYXImages::pixmap("NoSuchLED").isNull());
    // The warning is given once per name.
    QVERIFY(RYXImages::pixmap("NoSuchLED").isNull());
    QVERIFY(RYXImages::icon("NoSuchLED").isNull());
    QVERIFY(RYXImages::naturalSize("NoSuchLED").isEmpty());
}

void tst_Images::contactSheet()
{
    // Every picture on one sheet, to look at.
    const QStringList names = RYXImages::names();
    QVERIFY(names.size() >= 80);
    const int cell = 56;
    const int columns = 10;
    QImage sheet(columns * cell, ((names.size() + columns - 1) / columns) * cell,
                 QImage::Format_ARGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int i = 0; i < names.size(); ++i) {
        const QPixmap picture = RYXImages::pixmap(names.at(i));
        QVERIFY2(!picture.isNull(), qPrintable(names.at(i)));
        const QPoint origin((i % columns) * cell, (i / columns) * cell);
        painter.drawPixmap(origin + QPoint((cell - picture.width()) / 2, (cell - picture.height()) / 2),
                           picture);
    }
    painter.end();
    QVERIFY(sheet.save(QStringLiteral(RYX_SCREENSHOT_DIR "/images.png")));
}

QTEST_MAIN(tst_Images)
#include "tst_images.moc"

#include "core/RYXImages.h"

#include <QtGui/QPainter>
#include <QtTest/QtTest>

namespace {

const QStringList LedColours = {"Green", "Yellow", "Red", "Olive"};

// Share of pixels that are not (almost) fully transparent.
double coverage(const QImage &image)
{
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) > 32;
    return double(opaque) / (image.width() * image.height());
}

// Every name the program asks for, with the side of its square.
QMap<QString, int> requiredNames()
{
    QMap<QString, int> names{{"VEL", 48}};
    for (const QString &colour : LedColours) {
        names.insert("Tiny" + colour + "LED", 10);
        names.insert("Small" + colour + "LED", 14);
        names.insert(colour + "LED", 22);
    }
    for (const char *tool : {"New", "Open", "Close", "Save", "SaveAs", "Print", "Print Setup", "Print Preview",
                             "Exit", "Copy", "Paste", "Delete", "Add", "Connect", "GoOffline", "ConfigComms",
                             "Upload", "Download", "Synchronize", "Question", "About", "treeLegend"})
        names.insert(tool, 24);
    for (const char *family : {"AIM", "AI", "AOM", "AO", "DIMV", "DIM", "ROM", "TIM", "TI"})
        for (const char *state : {"OK", "DIRTY", "ERR", "CHILDDIRTY", "CHILDERR"})
            names.insert(QString("%1_%2").arg(family, state), 16);
    return names;
}

} // namespace

class tst_Images : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every picture is real (not an empty canvas), of its size, and on one sheet to look at.
    void everyNameResolvesAndContactSheet()
    {
        const QMap<QString, int> required = requiredNames();
        for (auto it = required.cbegin(); it != required.cend(); ++it) {
            QVERIFY2(RYXImages::contains(it.key()), qPrintable(it.key()));
            QCOMPARE(RYXImages::pixmap(it.key()).size(), QSize(it.value(), it.value()));
            QVERIFY(!RYXImages::icon(it.key()).isNull());
        }
        const QStringList names = RYXImages::names();
        const int cell = 56;
        const int columns = 10;
        QImage sheet(columns * cell, ((names.size() + columns - 1) / columns) * cell, QImage::Format_ARGB32);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        for (int i = 0; i < names.size(); ++i) {
            const QPixmap picture = RYXImages::pixmap(names.at(i));
            QVERIFY2(!picture.isNull() && coverage(picture.toImage()) > 0.2, qPrintable(names.at(i)));
            const QPoint origin((i % columns) * cell, (i / columns) * cell);
            painter.drawPixmap(origin + QPoint((cell - picture.width()) / 2, (cell - picture.height()) / 2), picture);
        }
        painter.end();
        QVERIFY(sheet.save(QStringLiteral(RYX_SCREENSHOT_DIR "/images.png")));
    }

    void ledColourMatchesName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("colour");
        for (const QString &prefix : {QString("Tiny"), QString("Small"), QString()})
            for (const QString &colour : LedColours)
                QTest::newRow(qPrintable(prefix + colour)) << prefix + colour + "LED" << colour;
    }

    void ledColourMatchesName()
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

    void unknownNameIsNull()
    {
        QVERIFY(!RYXImages::contains(QString()));
        QTest::ignoreMessage(QtWarningMsg, "No image named \"NoSuchLED\"");
        QVERIFY(RYXImages::pixmap("NoSuchLED").isNull());
        // The warning is given once per name.
        QVERIFY(RYXImages::icon("NoSuchLED").isNull());
        QVERIFY(RYXImages::naturalSize("NoSuchLED").isEmpty());
    }
};

QTEST_MAIN(tst_Images)
#include "tst_images.moc"

// The user guide as built beside the executables: the copy is current, every
// link inside it leads somewhere, every section is reached from the
// contents, and its table of result codes says what ryxcli says.
#include "support/CliProcess.h"

#include <QtCore/QDir>
#include <QtCore/QRegularExpression>
#include <QtCore/QSet>
#include <QtTest/QtTest>

namespace {

const char GuideName[] = "ryxconfig-guide.html";

QString readText(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString builtGuide()
{
    return readText(QStringLiteral(RYX_BIN_DIR "/") + QLatin1String(GuideName));
}

// The first capture of every match of \a pattern in \a text.
QStringList captures(const QString &text, const QString &pattern)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(1);
    return found;
}

} // namespace

class tst_UserGuide : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void builtFromItsSource()
    {
        const QString built = builtGuide();
        QVERIFY2(!built.isEmpty(), "no guide beside the executables");
        QCOMPARE(built, readText(QStringLiteral(RYX_SOURCE_DIR "/docs/") + QLatin1String(GuideName)));
    }

    void idsAreUnique()
    {
        const QStringList ids = captures(builtGuide(), QStringLiteral("\\sid=\"([^\"]+)\""));
        QVERIFY(!ids.isEmpty());
        QCOMPARE(QSet<QString>(ids.begin(), ids.end()).size(), ids.size());
    }

    void linksResolve_data()
    {
        QTest::addColumn<QString>("target");
        QStringList links = captures(builtGuide(), QStringLiteral("\\shref=\"([^\"]*)\""));
        links.removeDuplicates();
        QVERIFY(!links.isEmpty());
        for (const QString &link : links)
            QTest::newRow(qPrintable(link)) << link;
    }

    // An anchor names an element of the guide; anything else is a file
    // beside it (the guide is read without a network).
    void linksResolve()
    {
        QFETCH(QString, target);
        QVERIFY2(!target.contains(QLatin1String("://")), "links outside the guide");
        if (target.startsWith(QLatin1Char('#'))) {
            const QStringList ids = captures(builtGuide(), QStringLiteral("\\sid=\"([^\"]+)\""));
            QVERIFY(ids.contains(target.mid(1)));
        } else {
            QVERIFY(QFileInfo::exists(QStringLiteral(RYX_BIN_DIR "/") + target.section(QLatin1Char('#'), 0, 0)));
        }
    }

    void everySectionInTheContents_data()
    {
        QTest::addColumn<QString>("section");
        const QStringList sections = captures(builtGuide(), QStringLiteral("<h2 id=\"([^\"]+)\""));
        QVERIFY(sections.size() > 5);
        for (const QString &section : sections) {
            if (section != QLatin1String("contents"))
                QTest::newRow(qPrintable(section)) << section;
        }
    }

    void everySectionInTheContents()
    {
        QFETCH(QString, section);
        const QString guide = builtGuide();
        const QString contents = guide.section(QLatin1String("<h2 id=\"contents\">"), 1).section(QLatin1String("</ol>"), 0, 0);
        QVERIFY(contents.contains(QStringLiteral("href=\"#%1\"").arg(section)));
    }

    void resultCodesAsRyxcliNamesThem_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("message");
        const CliRun run = runCli({"--help"});
        QCOMPARE(run.exitCode, 0);
        QRegularExpressionMatchIterator it =
            QRegularExpression(QStringLiteral("(?m)^  ([2-8])   (.+)$")).globalMatch(run.output);
        int rows = 0;
        for (; it.hasNext(); ++rows) {
            const QRegularExpressionMatch match = it.next();
            QTest::newRow(qPrintable(match.captured(1))) << match.captured(1) << match.captured(2);
        }
        QCOMPARE(rows, 7);
    }

    void resultCodesAsRyxcliNamesThem()
    {
        QFETCH(QString, code);
        QFETCH(QString, message);
        QVERIFY(builtGuide().contains(QStringLiteral("<tr><td>%1</td><td>%2</td>").arg(code, message.toHtmlEscaped())));
    }
};

QTEST_GUILESS_MAIN(tst_UserGuide)
#include "tst_userguide.moc"

#include "app/AboutDialog.h"
#include "app/RYXEventsBox.h"
#include "app/TreeLegendDialog.h"

#include <QtCore/QFile>
#include <QtCore/QTranslator>
#include <QtCore/QXmlStreamReader>
#include <QtGui/QAction>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenu>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    bool finished = true;
};

QList<Message> readTs(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            current = Message();
            current.context = context;
            current.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            current.finished = xml.attributes().value("type").isEmpty();
            current.translation = xml.readElementText();
            messages << current;
        }
    }
    return xml.hasError() ? QList<Message>() : messages;
}

QString tsPath(const QString &language)
{
    return QStringLiteral(RYX_SOURCE_DIR "/src/resources/RYXConfig_%1.ts").arg(language);
}

QString qmPath(const QString &language)
{
    return QStringLiteral(RYX_BIN_DIR "/RYXConfig_%1.qm").arg(language);
}

// Mnemonic markers, ignoring an escaped "&&".
int mnemonics(const QString &text)
{
    return QString(text).remove(QLatin1String("&&")).count(QLatin1Char('&'));
}

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void languages_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("Spanish") << "es";
        QTest::newRow("Chinese") << "zh_CN";
    }

    void completeAndCompiled()
    {
        QFETCH(QString, language);
        const QList<Message> messages = readTs(tsPath(language));
        QVERIFY2(messages.size() > 60, qPrintable(tsPath(language)));

        QTranslator translator;
        QVERIFY2(translator.load(qmPath(language)),
                 qPrintable(qmPath(language) + " missing: build the ryxconfig_lrelease target"));
        for (const Message &m : messages) {
            const QString where = m.context + ": " + m.source;
            QVERIFY2(m.finished && !m.translation.isEmpty(), qPrintable(where));
            // The compiled file is the current source.
            QCOMPARE(translator.translate(qPrintable(m.context), qPrintable(m.source)), m.translation);
            // Accelerators and placeholders survive translation.
            QVERIFY2(mnemonics(m.translation) == mnemonics(m.source), qPrintable(where));
            QCOMPARE(m.translation.contains("%1"), m.source.contains("%1"));
        }
        // A few texts from each menu and message of the main window are in it.
        const char *const texts[][2] = {
            { "RYXWindowActions", "RYX Configuration Program V" }, { "RYXWindowActions", "&File" },
            { "RYXWindowActions", "Languages" }, { "RYXWindowActions", "&Communications" },
            { "RYXWindowActions", "Interface Module" }, { "RYXWindowActions", "&Save As" },
            { "RYXWindowActions", "Print Pre&view" }, { "RYXWindowActions", "E&xit" },
            { "RYXConfigWindow", "This feature is not implemented." },
        };
        for (const auto &text : texts) {
            const QString translated = translator.translate(text[0], text[1]);
            QVERIFY2(!translated.isEmpty() && translated != QLatin1String(text[1]), text[1]);
        }
    }

    void dialogsFollowLanguage()
    {
        QFETCH(QString, language);
        TreeLegendDialog legend;
        AboutDialog about;
        RYXEventsBox box(nullptr);
        legend.show();
        QVERIFY(QTest::qWaitForWindowExposed(&legend));

        QTranslator translator;
        QVERIFY(translator.load(qmPath(language)));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const QString caption = translator.translate("treeLegendForm", "Device Tree Status Indicators");
        QTRY_COMPARE(legend.windowTitle(), caption);
        QTRY_COMPARE(about.findChild<QLabel *>("versionLabel")->text(),
                     translator.translate("AboutDialog", "Version ") + "4.4.00");
        const QString clearLog = translator.translate("RYXEventsBox", "Clear Log");
        QVERIFY(clearLog != "Clear Log");
        QTRY_COMPARE(box.popupMenu()->actions().constFirst()->text(), clearLog);
        QVERIFY(legend.grab().save(QStringLiteral(RYX_SCREENSHOT_DIR "/treelegend_%1.png").arg(language)));

        QCoreApplication::removeTranslator(&translator);
        QTRY_COMPARE(legend.windowTitle(), QString("Device Tree Status Indicators"));
        QTRY_COMPARE(about.findChild<QLabel *>("versionLabel")->text(), QString("Version 4.4.00"));
        QTRY_COMPARE(box.popupMenu()->actions().constFirst()->text(), QString("Clear Log"));
    }

    void completeAndCompiled_data() { languages_data(); }
    void dialogsFollowLanguage_data() { languages_data(); }
};

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"

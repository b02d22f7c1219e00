// Developer diagnostics reach standard error only when asked for; warnings
// always do.
#include "core/RYXDiagnostics.h"
#include "dialogs/PopupHelpLoader.h"

#include <QtTest/QtTest>
#include <QtWidgets/QWidget>

namespace {

QStringList received;

void record(QtMsgType, const QMessageLogContext &, const QString &text)
{
    received << text;
}

} // namespace

class tst_Diagnostics : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // Stands in for standard error; the filter is installed in front of it.
        qInstallMessageHandler(record);
    }

    void init() { received.clear(); }

    void shownOnlyWhenAskedFor_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("without /d or --verbose") << false << QStringList{"a warning"};
        QTest::newRow("with /d or --verbose")
            << true
            << QStringList{"a debug line", "a warning",
                           "loadHelpPopups failed to find control named:noSuchControl"};
    }

    void shownOnlyWhenAskedFor()
    {
        QFETCH(bool, shown);
        RYXDiagnostics::show(shown);
        QCOMPARE(RYXDiagnostics::isShown(), shown);
        qDebug("a debug line");
        qWarning("a warning");
        // A help page entry whose control is missing, as a dialog would log it.
        QWidget dialog;
        PopupHelpLoader::apply(&dialog, {{false, QStringLiteral("noSuchControl"), QStringLiteral("help")}});
        QTEST(received, "expected");
    }
};

QTEST_MAIN(tst_Diagnostics)
#include "tst_diagnostics.moc"

// The GUI thread works on a station while its connection thread uploads and
// downloads it: dialogs are opened and closed, values and properties read,
// names typed. No change is lost and none is marked current unsent: a
// change typed during a transfer is refused with a message and the dialog
// shows the value held; a change typed between transfers stays not current
// until a download has taken it to the device. Run under the sanitizers by CI.
#include "core/RYXScriptedPrompter.h"
#include "dialogs/ConfigBaseDialog.h"
#include "dialogs/PopupHelpLoader.h"
#include "dialogs/RYXLineEdit.h"
#include "plugins/EIMConfigurationObjectPlugin.h"

#include "ManagedStation.h"

#include <memory>

namespace {

QString deviceName(const ManagedStation &link)
{
    QByteArray stored;
    link.sim.station()->readPoint(0, 0x0C, stored);
    return QString::fromLatin1(stored.left(stored.indexOf('\0')));
}

// Types \a text into the station name field of a fresh configuration dialog
// and commits it, as a user does; returns what the field shows afterwards.
QString typeName(RYXObject *plugin, const QString &text)
{
    const std::unique_ptr<QWidget> dialog(plugin->createDialog(nullptr, nullptr, nullptr));
    auto *edit = qobject_cast<RYXLineEdit *>(PopupHelpLoader::findControl(dialog.get(), "DescriptorEdit"));
    if (!edit)
        return QStringLiteral("<no field>");
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
    return edit->text();
}

} // namespace

class tst_Stress : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void editingWhileTransferring()
    {
        RYXScriptedPrompter prompter;
        RYXPrompter::setInstance(&prompter);
        ManagedStation link(2);
        QVERIFY(link.ok);
        QVERIFY(link.connectStation());
        EIModuleObject *station = link.station;
        RYXObject *plugin = station->configurationPluginObject();
        const QStringList &results = link.receiver.progressResults();
        int refused = 0;

        for (int round = 0; round < 8; ++round) {
            const QString name = QStringLiteral("Name_%1").arg(round);
            QCOMPARE(typeName(plugin, name), name);
            QVERIFY(station->isNotCurrent());
            for (const QString &operation : {QStringLiteral("download"), QStringLiteral("upload")}) {
                const int mark = int(results.size());
                const QString held = station->getString("descriptor");
                const QString busyName = QStringLiteral("Busy_%1").arg(round);
                station->requestOperation(operation);
                bool late = false;
                while (!late && !link.connection->pendingOperation().isEmpty()) {
                    station->getPropertiesHtml();
                    const qsizetype prompts = prompter.prompts().size();
                    typeName(plugin, busyName);
                    late = prompter.prompts().size() == prompts; // the transfer ended first
                    refused += late ? 0 : 1;
                    if (!late)
                        QCOMPARE(station->getString("descriptor"), held);
                    QCoreApplication::processEvents();
                }
                QTRY_VERIFY2(results.mid(mark).contains(QStringLiteral("EIM overall %1 success!").arg(operation)), qPrintable(results.mid(mark).join(" / ")));
                QCOMPARE(deviceName(link), held);
                // A change made after the transfer is the station's, and not current.
                QCOMPARE(station->getString("descriptor"), late ? busyName : held);
                QCOMPARE(station->isNotCurrent(), late);
                if (late)
                    break;
            }
        }
        QVERIFY2(refused > 0, "no change was typed during a transfer");
        RYXPrompter::setInstance(nullptr);
    }
};

QTEST_MAIN(tst_Stress)
#include "tst_stress.moc"

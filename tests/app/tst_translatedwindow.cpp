#include "app/RYXConfigWindow.h"
#include "app/RYXListView.h"
#include "app/RYXProgressDialog.h"
#include "app/RYXScrollView.h"
#include "comm/CommsConfigDialog.h"
#include "comm/CommsSetup.h"
#include "comm/RYXConnection.h"
#include "comm/TransferContext.h"
#include "core/RYXScriptedPrompter.h"
#include "core/StartupFlags.h"
#include "model/RYXListViewItem.h"
#include "model/RYXObject.h"
#include "plugins/EIMConfigurationDialog.h"
#include "plugins/EIMConfigurationObjectPlugin.h"
#include "stations/EIModuleObject.h"
#include "support/WindowProgress.h"

#include "SimStation.h"
#include "SimThread.h"

#include <QtCore/QFile>
#include <QtCore/QRegularExpression>
#include <QtCore/QStandardPaths>
#include <QtCore/QXmlStreamReader>
#include <QtGui/QTextDocumentFragment>
#include <QtTest/QtTest>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QAbstractItemView>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QTabBar>

#include <memory>

namespace {

// What a widget shows as text, one entry per line, without mnemonics or markup.
QStringList shownLines(const QString &text)
{
    QString plain = Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    plain.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    QStringList lines;
    for (const QString &line : plain.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    return lines;
}

void addModelTexts(QAbstractItemModel *model, const QModelIndex &parent, QStringList &texts)
{
    for (int row = 0; row < model->rowCount(parent); ++row) {
        for (int column = 0; column < model->columnCount(parent); ++column) {
            const QModelIndex index = model->index(row, column, parent);
            texts << model->data(index).toString();
            addModelTexts(model, index, texts);
        }
    }
}

// Every text \a root shows on screen: captions, labels, buttons, group
// titles, tabs, menu titles, combo boxes and the cells and headers of views.
// Line edits hold the user's values and are left out.
QStringList visibleTexts(QWidget *root)
{
    QStringList texts{ root->windowTitle() };
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *widget : std::as_const(widgets)) {
        if (!widget->isVisibleTo(root) && widget != root)
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        else if (auto *combo = qobject_cast<QComboBox *>(widget))
            texts << combo->currentText();
        else if (auto *bar = qobject_cast<QMenuBar *>(widget)) {
            for (QAction *action : bar->actions())
                texts << action->text();
        } else if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        } else if (auto *view = qobject_cast<QAbstractItemView *>(widget); view && view->model()) {
            QAbstractItemModel *model = view->model();
            addModelTexts(model, QModelIndex(), texts);
            for (int column = 0; column < model->columnCount(); ++column)
                texts << model->headerData(column, Qt::Horizontal).toString();
        }
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            texts << group->title();
    }
    QStringList lines;
    for (const QString &text : std::as_const(texts))
        lines << shownLines(text);
    return lines;
}

// The texts of the actions that keep their English names in every language.
QSet<QString> untranslatedActionTexts(QWidget *window)
{
    static const QStringList names = { "connect", "disconnect", "configure comms", "upload",
                                       "download", "synchronize", "help", "about" };
    QSet<QString> texts;
    for (const QString &name : names) {
        if (auto *action = window->findChild<QAction *>(name))
            texts << action->text() << action->iconText();
    }
    return texts;
}

// The program's English texts that have a translation of their own.
QSet<QString> translatedSources(const QString &language)
{
    QSet<QString> sources;
    QFile file(QStringLiteral(RYX_SOURCE_DIR "/src/resources/RYXConfig_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return sources;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && xml.readElementText() != source)
            sources += shownLines(source).value(0);
    }
    return sources;
}

// Words an English text would carry and a Spanish or Chinese one never does.
const QSet<QString> EnglishWords = {
    "the", "and", "with", "from", "device", "devices", "upload", "download", "success", "failure", "failed",
    "connection", "connecting", "channel", "module", "configuration", "status", "name", "station",
    "process", "settings", "online", "offline", "please", "select", "update", "monitor", "value", "file",
    "save", "open", "cancel", "close", "help", "edit", "communications", "overall", "synchronization",
    "complete", "read", "write", "interface", "serial", "number", "version", "location", "order", "internals",
};

// Names that stay as they are in every language: the program, its station
// types and protocols, and the abbreviations the devices use.
const QSet<QString> Names = { "RYX", "EIM", "MIM", "TCP", "IP", "COM", "RS", "MODBUS", "Modbus", "BBM", "CPS",
                              "xIM", "PV", "LSW", "MSW", "ISaGRAF", "Trivet", "ID", "hex", "float" };

} // namespace

// The program in Spanish and in Chinese: the main window with a property
// page, and the progress dialog of an upload, show no English text.
class tst_TranslatedWindow : public QObject
{
    Q_OBJECT

    RYXScriptedPrompter m_prompter;
    std::unique_ptr<SimThread> m_sim;
    std::unique_ptr<RYXConfigWindow> m_window;

    // The lines of \a root that are still English: an English source text
    // shown as it is, an English word, or (in Chinese) any Latin word that
    // is not a name.
    static QStringList englishIn(QWidget *root, const QSet<QString> &sources, bool latinScript)
    {
        static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
        QStringList left;
        const QSet<QString> kept = untranslatedActionTexts(root);
        for (const QString &line : visibleTexts(root)) {
            if (kept.contains(line))
                continue;
            bool english = sources.contains(line);
            for (auto it = word.globalMatch(line); it.hasNext() && !english;) {
                const QString found = it.next().captured();
                english = EnglishWords.contains(found.toLower()) || (!latinScript && !Names.contains(found));
            }
            if (english)
                left << line;
        }
        return left;
    }

    EIModuleObject *newStation()
    {
        for (QAction *a : m_window->newInterfaceModulePopup()->actions())
            if (a->text() == QLatin1String("EIM"))
                a->trigger();
        auto *station = qobject_cast<EIModuleObject *>(RYXListView::objectOf(m_window->listView()->selectedItem()));
        const QString address = QStringLiteral("127.0.0.1:%1").arg(m_sim->httpPort());
        CommsSetup::setDialogHook([address](CommsConfigDialog &dialog) {
            dialog.findChild<QRadioButton *>("TCPRadioButton")->click();
            dialog.findChild<QComboBox *>("IPComboBox")->setCurrentText(address);
            return int(QDialog::Accepted);
        });
        m_window->ConfigureCommsSlot();
        return station;
    }

    QString progressLines() const { return support::progressLines(*m_window); }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        RYXPrompter::setInstance(&m_prompter);
        // The language menu is the extended mode's; the translations are
        // found in the current directory.
        applyStartupSwitches({ QStringLiteral("ryxconfig"), QStringLiteral("/f") });
        QVERIFY(QDir::setCurrent(QStringLiteral(RYX_BIN_DIR)));
    }

    void cleanup()
    {
        CommsSetup::setDialogHook(nullptr);
        m_window.reset();
        m_sim.reset();
    }

    void cleanupTestCase() { RYXPrompter::setInstance(nullptr); }

    void noEnglishLeft_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("code");
        QTest::newRow("Spanish") << 1 << "es";
        QTest::newRow("Chinese") << 2 << "zh_CN";
    }

    void noEnglishLeft()
    {
        QFETCH(int, language);
        QFETCH(QString, code);
        SimOptions options;
        options.httpEnabled = true;
        m_sim = std::make_unique<SimThread>(options);
        QVERIFY2(m_sim->startServing(), qPrintable(m_sim->errorString()));
        const QSet<QString> sources = translatedSources(code);
        QVERIFY(sources.size() > 300);
        const bool latinScript = language == 1;
        m_window = support::shownMainWindow();
        // The check finds the English of the untranslated window.
        QVERIFY(!englishIn(m_window.get(), sources, latinScript).isEmpty());
        m_window->applyLanguage(language);
        QTRY_VERIFY(!m_window->windowTitle().startsWith(QLatin1String("RYX Configuration Program")));

        EIModuleObject *station = newStation();
        QVERIFY(station);
        m_window->listView()->setCurrentItem(station->getTreeItem());
        m_window->GoOnlineSlot();
        auto *connection = qobject_cast<RYXConnection *>(station->getOwnConnection());
        QTRY_VERIFY_WITH_TIMEOUT(connection->state() == RYXConnection::Online, 20000);
        m_window->UploadSlot();
        const QString done = QCoreApplication::translate("RYXInterfaceModule", "%1 overall %2 success!")
                                 .arg(station->getName(), TransferContext::operationName(QStringLiteral("upload")));
        QVERIFY(done != QStringLiteral("EIM overall upload success!"));
        QTRY_VERIFY2_WITH_TIMEOUT(progressLines().contains(done), qPrintable(progressLines()), 20000);

        auto *configuration = station->findChild<EIMConfigurationObjectPlugin *>();
        QVERIFY(configuration);
        m_window->listView()->setCurrentItem(configuration->getTreeItem());
        QTRY_VERIFY(m_window->findChild<EIMConfigurationDialog *>());

        const QStringList window = englishIn(m_window.get(), sources, latinScript);
        QVERIFY2(window.isEmpty(), qPrintable(window.join(QLatin1Char('\n'))));
        QWidget *progress = m_window->progressDialog();
        QVERIFY(progress->isVisible());
        const QStringList dialog = englishIn(progress, sources, latinScript);
        QVERIFY2(dialog.isEmpty(), qPrintable(dialog.join(QLatin1Char('\n'))));

        QVERIFY(support::saveScreenshot(m_window.get(), QStringLiteral("translated-%1-window.png").arg(code)));
        QVERIFY(support::saveScreenshot(m_window->findChild<EIMConfigurationDialog *>(),
                                        QStringLiteral("translated-%1-property-page.png").arg(code)));
        QVERIFY(support::saveScreenshot(progress, QStringLiteral("translated-%1-progress.png").arg(code)));
    }
};

QTEST_MAIN(tst_TranslatedWindow)
#include "tst_translatedwindow.moc"

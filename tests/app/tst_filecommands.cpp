#include "app/RYXConfigWindow.h"
#include "app/RYXListView.h"
#include "app/RYXScrollView.h"
#include "core/RYXScriptedPrompter.h"
#include "dialogs/PopupHelpLoader.h"
#include "model/RYXListViewItem.h"
#include "model/RYXObject.h"
#include "model/RYXObjectFactory.h"
#include "model/RYXSysManager.h"
#include "model/VELXmlWriter.h"
#include "support/TypeText.h"

#include <QtCore/QTemporaryDir>
#include <QtCore/QTextStream>
#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QRadioButton>

namespace {

class FileModule : public RYXObject
{
public:
    FileModule()
    {
        xmlTag = family = name = QStringLiteral("FCMOD");
        InsertPoint("position", 1, 0, ZEMP_NONE);
    }
};

class FileStation : public RYXObject
{
public:
    FileStation()
    {
        xmlTag = family = name = QStringLiteral("FCSTATION");
        InsertPoint("tag", "new", 0, ZEMP_NONE);
    }
};

// Fails its stream half-way, as a full disk would.
class BrokenStation : public FileStation
{
public:
    void writeXml(QTextStream &stream, int) override
    {
        stream << "<FCSTATION>\n";
        stream.setStatus(QTextStream::WriteFailed);
    }
};

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray stationXml(const QString &tag)
{
    return "<FCSTATION>\n <VALUE key=\"tag\" value=\"" + tag.toUtf8()
           + "\" />\n <FCMOD>\n  <VALUE key=\"position\" value=\"1\" />\n </FCMOD>\n</FCSTATION>\n";
}

void writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

} // namespace

class tst_FileCommands : public QObject
{
    Q_OBJECT

    RYXConfigWindow *m_window = nullptr;
    RYXScriptedPrompter m_prompter;
    QTemporaryDir m_dir;

    RYXListView *tree() const { return m_window->listView(); }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Adds a station (by default one with a module) and selects it.
    RYXObject *addSelectedStation(RYXObject *station = nullptr)
    {
        if (!station) {
            station = new FileStation;
            station->addChild(new FileModule);
        }
        m_window->sysManager()->addRootObject(station);
        tree()->clearSelection();
        tree()->setCurrentItem(station->getTreeItem());
        station->getTreeItem()->setSelected(true);
        return station;
    }

    // Selects the configuration plug-in of \a station and returns the dialog
    // the property pane then shows.
    QWidget *showConfiguration(RYXObject *station)
    {
        RYXObject *configuration = station->childAt(0);
        // The plug-in's tree item is made by a posted event.
        if (!configuration || !QTest::qWaitFor([&] { return configuration->getTreeItem() != nullptr; }, 5000))
            return nullptr;
        tree()->setCurrentItem(configuration->getTreeItem());
        QWidget *dialog = nullptr;
        const bool shown = QTest::qWaitFor([&] {
            dialog = m_window->propertyPane()->currentDialog();
            return dialog && PopupHelpLoader::findControl(dialog, "DescriptorEdit");
        }, 5000);
        return shown ? dialog : nullptr;
    }

    template<typename T>
    static T *findControl(QWidget *dialog, const char *formName)
    {
        auto *control = qobject_cast<T *>(PopupHelpLoader::findControl(dialog, formName));
        if (!control)
            qFatal("no control %s", formName);
        return control;
    }

    QStringList titles() const
    {
        QStringList result;
        for (const auto &prompt : m_prompter.prompts())
            result << prompt.title;
        return result;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        using F = RYXObjectFactory;
        F::registerClass("FCSTATION", F::StationLevel, [](int) { return new FileStation; });
        F::registerClass("FCMOD", F::ModuleLevel, [](int) { return new FileModule; });
        RYXPrompter::setInstance(&m_prompter);
    }

    void cleanupTestCase() { RYXPrompter::setInstance(nullptr); }

    void init()
    {
        m_prompter.clear();
        m_window = new RYXConfigWindow;
        m_window->show();
    }

    void cleanup()
    {
        delete m_window;
        m_window = nullptr;
    }

    void saveAsAppliesNameRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("plain") << "plant" << "plant.xml";
        QTest::newRow("other extension") << "plant.cfg" << "plant.cfg";
        QTest::newRow("dot inside") << "my.plant" << "my.plant";
        QTest::newRow("dot in folder only") << "a.d/plant" << "a.d/plant.xml";
    }

    void saveAsAppliesNameRule()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QDir(m_dir.path()).mkpath("a.d");
        RYXObject *station = addSelectedStation();
        m_prompter.queueFileName(path(typed));
        m_window->SaveAsSlot();
        QVERIFY(m_prompter.prompts().isEmpty());
        QCOMPARE(readFile(path(saved)), VELXmlWriter::toXml(*station).toUtf8());
        QCOMPARE(station->getFileName(), path(saved));
        QFile::remove(path(saved));
    }

    void open_data()
    {
        QTest::addColumn<bool>("selected"); // a station is selected: the file goes into it
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("tag"); // of the one station afterwards; empty: none

        QTest::newRow("first object added at the root")
            << false << stationXml("first") + stationXml("second")
            << "A new device was created from the data in the file and was added at the root level."
            << "Advisory" << "first";
        QTest::newRow("unreadable file changes nothing")
            << false << QByteArray("<FCSTATION>\n <BOGUS />\n</FCSTATION>\n")
            << "Failed to parse the input file." << "Error" << "";
        QTest::newRow("selection runs the object's open")
            << true << stationXml("loaded")
            << "Are you sure you want to replace the existing configuration (this is not reversable)?"
            << "RYXConfig" << "loaded";
    }

    void open()
    {
        QFETCH(bool, selected);
        QFETCH(QByteArray, contents);
        QFETCH(QString, prompt);
        QFETCH(QString, tag);
        QStringList prompts{ prompt };
        if (selected) {
            // The new station is in no file yet: the file would replace it.
            addSelectedStation();
            m_prompter.queueButton(QMessageBox::Discard);
            prompts.prepend("FCSTATION has changes that are not saved. Save them before a file is read into it?");
        }
        writeFile(path("open.xml"), contents);
        m_prompter.queueFileName(path("open.xml"));
        m_prompter.queueButton(QMessageBox::Yes);
        m_window->OpenSlot();
        QCOMPARE(m_prompter.promptTexts(), prompts);
        QTEST(titles().mid(selected ? 1 : 0).join(""), "title");
        QCOMPARE(tree()->topLevelItemCount(), tag.isEmpty() ? 0 : 1);
        if (tag.isEmpty())
            return;
        RYXObject *station = RYXListView::objectOf(tree()->currentItem());
        QCOMPARE(station->getString("tag"), tag);
        QCOMPARE(station->childCount(), 1);
        QCOMPARE(station->getFileName(), selected ? QString() : path("open.xml"));
    }

    // The station name is held twice in the file, by the station and by its
    // configuration plug-in; every way of reading it back keeps it.
    void stationNameSurvivesOpen_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("File > Open") << "root";
        QTest::newRow("the station's own Open") << "object";
        QTest::newRow("Paste") << "paste";
    }

    void stationNameSurvivesOpen()
    {
        QFETCH(QString, way);
        RYXObject *saved = RYXObjectFactory::create("EIM", 0);
        saved->setValue("descriptor", "Pump_N1");
        saved->setValue("serverlocation", "Hall 2");
        m_window->sysManager()->addRootObject(saved);
        const QByteArray text = VELXmlWriter::toXml(*saved).toUtf8();
        writeFile(path("pump.xml"), text);
        m_prompter.queueFileName(path("pump.xml"));
        RYXObject *target = nullptr;
        if (way == "root") {
            m_prompter.queueButton(QMessageBox::Yes);
            tree()->clearSelection();
            m_window->OpenSlot();
            target = RYXListView::objectOf(tree()->currentItem());
        } else {
            target = addSelectedStation(RYXObjectFactory::create("EIM", 0));
            if (way == "object")
                m_prompter.queueButton(QMessageBox::Discard); // the unsaved new station
            m_prompter.queueButton(QMessageBox::Yes);
            if (way == "object")
                m_window->OpenSlot();
            else
            {
                saved->copySlot();
                target->pasteSlot();
            }
        }
        QVERIFY(target && target != saved);
        QCOMPARE(target->getString("descriptor"), QStringLiteral("Pump_N1"));
        RYXObject *configuration = target->childAt(0);
        QCOMPARE(configuration->getXmlTag(), QStringLiteral("EIMCONFIGPLUGIN"));
        QVERIFY(!(configuration->getStatusFlags() & RYXObject::ConfigError));
        QVERIFY(!(target->getStatusFlags() & RYXObject::ConfigError));
        QCOMPARE(VELXmlWriter::toXml(*target).toUtf8(), text);
    }

    // Every field of the station's dialogs, typed into the real widgets, is
    // saved, and a fresh main window that opens the file shows it again.
    void dialogsShowSavedValues()
    {
        RYXObject *station = RYXObjectFactory::create("EIM", 0);
        addSelectedStation(station);
        QWidget *dialog = showConfiguration(station);
        QVERIFY(dialog);
        typeText(findControl<QLineEdit>(dialog, "DescriptorEdit"), QStringLiteral("Pump_N1"));
        typeText(findControl<QLineEdit>(dialog, "serverLocationEdit"), QString::fromUtf8("Halle 2 \xC3\xB6stlich"));
        findControl<QRadioButton>(dialog, "MSWRadioButton")->click();
        QCOMPARE(station->getString("floatorder"), QStringLiteral("1"));

        tree()->setCurrentItem(station->getTreeItem());
        m_prompter.queueFileName(path("dialogs.xml"));
        m_window->SaveSlot();
        const QByteArray saved = readFile(path("dialogs.xml"));

        delete m_window;
        m_window = new RYXConfigWindow;
        m_window->show();
        m_prompter.queueFileName(path("dialogs.xml"));
        m_window->OpenSlot();
        RYXObject *opened = RYXListView::objectOf(tree()->currentItem());
        QVERIFY(opened);
        dialog = showConfiguration(opened);
        QVERIFY(dialog);
        QCOMPARE(findControl<QLineEdit>(dialog, "DescriptorEdit")->text(), QStringLiteral("Pump_N1"));
        QCOMPARE(findControl<QLineEdit>(dialog, "serverLocationEdit")->text(),
                 QString::fromUtf8("Halle 2 \xC3\xB6stlich"));
        QVERIFY(findControl<QRadioButton>(dialog, "MSWRadioButton")->isChecked());
        QVERIFY(!findControl<QRadioButton>(dialog, "LSWRadioButton")->isChecked());
        for (const char *label : {"descriptorLabel", "serverLocationLabel"})
            QCOMPARE(findControl<QLabel>(dialog, label)->palette().color(QPalette::WindowText), QColor(Qt::black));
        QVERIFY(!(opened->getStatusFlags() & RYXObject::ConfigError));
        QCOMPARE(VELXmlWriter::toXml(*opened).toUtf8(), saved);
    }

    void saveAsOntoExistingFileAsks_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::newRow("no keeps the file") << QMessageBox::No;
        QTest::newRow("yes overwrites") << QMessageBox::Yes;
    }

    void saveAsOntoExistingFileAsks()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        writeFile(path("existing.xml"), "old contents");
        RYXObject *station = addSelectedStation();
        m_prompter.queueFileName(path("existing.xml"));
        m_prompter.queueButton(answer);
        m_window->SaveAsSlot();
        QCOMPARE(m_prompter.promptTexts(),
                 QStringList{ "This file already exists, would you like to overwrite it?" });
        QCOMPARE(titles(), QStringList{ "RYX Config" });
        const bool yes = answer == QMessageBox::Yes;
        QCOMPARE(readFile(path("existing.xml")),
                 yes ? VELXmlWriter::toXml(*station).toUtf8() : QByteArray("old contents"));
        QCOMPARE(station->getFileName().isEmpty(), !yes);
    }

    void failedWriteIsReportedAndOldFileSurvives()
    {
        writeFile(path("keep.xml"), "old contents");
        RYXObject *station = addSelectedStation(new BrokenStation);
        station->setFileName(path("keep.xml"));
        m_window->SaveSlot();
        QCOMPARE(titles(), QStringList{ "Error" });
        QVERIFY(m_prompter.promptTexts().first().startsWith("The file could not be written:"));
        QCOMPARE(readFile(path("keep.xml")), QByteArray("old contents"));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).filter("keep"), QStringList{ "keep.xml" });
    }
};

QTEST_MAIN(tst_FileCommands)
#include "tst_filecommands.moc"

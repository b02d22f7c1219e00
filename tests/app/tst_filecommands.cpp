#include "app/RYXConfigWindow.h"
#include "app/RYXListView.h"
#include "core/RYXScriptedPrompter.h"
#include "model/RYXListViewItem.h"
#include "model/RYXObject.h"
#include "model/RYXObjectFactory.h"
#include "model/RYXSysManager.h"
#include "model/VELXmlWriter.h"

#include <QtCore/QTemporaryDir>
#include <QtCore/QTextStream>
#include <QtTest/QtTest>

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
        if (selected)
            addSelectedStation();
        writeFile(path("open.xml"), contents);
        m_prompter.queueFileName(path("open.xml"));
        m_prompter.queueButton(QMessageBox::Yes);
        m_window->OpenSlot();
        QCOMPARE(m_prompter.promptTexts(), QStringList{ prompt });
        QTEST(titles().join(""), "title");
        QCOMPARE(tree()->topLevelItemCount(), tag.isEmpty() ? 0 : 1);
        if (tag.isEmpty())
            return;
        RYXObject *station = RYXListView::objectOf(tree()->currentItem());
        QCOMPARE(station->getString("tag"), tag);
        QCOMPARE(station->childCount(), 1);
        QCOMPARE(station->getFileName(), selected ? QString() : path("open.xml"));
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

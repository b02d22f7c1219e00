// The device tree as a document: the title names its file and shows unsaved
// changes, Exit, closing the window and Open settle unsaved changes first,
// the File menu lists the recent files, and the window comes back as it was
// left. Driven through the real main window offscreen.
#include "app/RYXConfigWindow.h"
#include "app/RYXFileCommands.h"
#include "app/RYXListView.h"
#include "app/RYXRecentFiles.h"
#include "app/RYXScrollView.h"
#include "core/RYXScriptedPrompter.h"
#include "dialogs/PopupHelpLoader.h"
#include "model/RYXListViewItem.h"
#include "model/RYXObject.h"
#include "support/MessageBoxAnswer.h"
#include "support/NewStation.h"
#include "support/TestSettings.h"
#include "support/TypeText.h"

#include <QtCore/QTemporaryDir>
#include <QtGui/QPainter>
#include <QtTest/QtTest>
#include <QtWidgets/QSplitter>

#include <memory>

namespace {

// Records the end of the program instead of ending the test's event loop.
class DocumentWindow : public RYXConfigWindow
{
public:
    QList<int> exitCodes;

protected:
    void quitApplication(int exitCode) override { exitCodes << exitCode; }
};

const QString Caption = QStringLiteral("RYX Configuration Program V4.4.00");

} // namespace

class tst_Document : public QObject
{
    Q_OBJECT

    RYXScriptedPrompter m_prompter;
    QTemporaryDir m_dir;
    QTemporaryDir m_settingsDir;
    std::unique_ptr<DocumentWindow> m_window;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    RYXListView *tree() const { return m_window->listView(); }

    void makeWindow()
    {
        m_window = std::make_unique<DocumentWindow>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    RYXObject *newStation() { return ::newStation(m_window.get()); }

    void selectOnly(RYXObject *object)
    {
        tree()->clearSelection();
        tree()->setCurrentItem(object->getTreeItem());
        object->getTreeItem()->setSelected(true);
    }

    // Every posted event has run: what was not marked by now is not marked.
    static void settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    // An offscreen grab has no title bar: the title is drawn above it.
    void grabWithTitle(QWidget *window, const QString &name)
    {
        const QPixmap body = window->grab();
        const int bar = 28;
        QImage image(body.width(), body.height() + bar, QImage::Format_ARGB32);
        image.fill(QColor(60, 60, 70));
        QPainter painter(&image);
        painter.setPen(Qt::white);
        painter.drawText(QRect(8, 0, body.width() - 16, bar), Qt::AlignVCenter | Qt::AlignLeft,
                         window->windowTitle());
        painter.drawPixmap(0, bar, body);
        painter.end();
        QVERIFY(image.save(RYX_SCREENSHOT_DIR "/document-" + name));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid() && m_settingsDir.isValid());
        prepareWindowTest(m_settingsDir.path(), &m_prompter);
        // Closing the window is part of the tests, not the end of them.
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }

    void cleanupTestCase() { RYXPrompter::setInstance(nullptr); }

    void init()
    {
        clearSettings();
        m_prompter.clear();
        makeWindow();
    }

    void cleanup() { m_window.reset(); }

    void titleFollowsTheDocument()
    {
        QCOMPARE(m_window->windowTitle(), Caption);
        RYXObject *station = newStation();
        QVERIFY(station);
        QCOMPARE(m_window->windowTitle(), "Untitled* - " + Caption);

        m_prompter.queueFileName(path("plant"));
        m_window->SaveSlot();
        QCOMPARE(m_window->windowTitle(), "plant.xml - " + Caption);

        // An edit in the station's dialog, as the user makes it.
        RYXObject *configuration = station->childAt(0);
        QTRY_VERIFY(configuration->getTreeItem());
        tree()->setCurrentItem(configuration->getTreeItem());
        QLineEdit *edit = nullptr;
        QTRY_VERIFY(edit = qobject_cast<QLineEdit *>(PopupHelpLoader::findControl(
                            m_window->propertyPane()->currentDialog(), "DescriptorEdit")));
        typeText(edit, "Tank_7");
        QTRY_COMPARE(m_window->windowTitle(), "plant.xml* - " + Caption);
        grabWithTitle(m_window.get(), "title-unsaved.png");

        // Save writes to the file the station has, without a dialog.
        selectOnly(station);
        m_window->SaveSlot();
        QCOMPARE(m_prompter.fileDialogCount(), 1);
        QFile saved(path("plant.xml"));
        QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll().contains("Tank_7"));
        QCOMPARE(m_window->windowTitle(), "plant.xml - " + Caption);

        // Values no file holds (live data, validity marks) change nothing.
        station->setValue("status", 17);
        station->setValue("descriptorisvalid", false);
        settle();
        QCOMPARE(m_window->windowTitle(), "plant.xml - " + Caption);

        // A value the connection thread writes (an upload) marks it too.
        std::unique_ptr<QThread> worker(QThread::create([station] { station->setValue("serverlocation", "Hall 2"); }));
        worker->start();
        QVERIFY(worker->wait(5000));
        QTRY_COMPARE(m_window->windowTitle(), "plant.xml* - " + Caption);
    }

    void openedFileIsSaved()
    {
        QVERIFY(newStation());
        settle(); // its tree items are all made before it goes
        m_prompter.queueFileName(path("opened.xml"));
        m_window->SaveSlot();
        m_window->deleteSlot();
        QCOMPARE(tree()->topLevelItemCount(), 0);

        m_prompter.queueFileName(path("opened.xml"));
        m_window->OpenSlot();
        settle();
        QCOMPARE(tree()->topLevelItemCount(), 1);
        QCOMPARE(m_window->windowTitle(), "opened.xml - " + Caption);
        QVERIFY(m_window->fileCommands()->unsavedRoots().isEmpty());
    }

    void exitSettlesUnsavedChanges_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("fileName"); // typed into the save dialog; empty: cancelled
        QTest::addColumn<bool>("exits");
        QTest::addColumn<bool>("written");
        QTest::newRow("cancel stays") << QMessageBox::Cancel << "" << false << false;
        QTest::newRow("discard exits without saving") << QMessageBox::Discard << "" << true << false;
        QTest::newRow("save writes, then exits") << QMessageBox::Save << "exit" << true << true;
        QTest::newRow("save, no name given: stays") << QMessageBox::Save << "" << false << false;
    }

    void exitSettlesUnsavedChanges()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, fileName);
        QFETCH(bool, exits);
        QFETCH(bool, written);
        RYXObject *station = newStation();
        m_prompter.queueButton(answer);
        if (!fileName.isEmpty())
            m_prompter.queueFileName(path(fileName));
        m_window->exitSlot();

        QCOMPARE(m_prompter.promptTexts(),
                 QStringList{"These devices have changes that are not saved: EIM.\n\nSave them before exiting?"});
        QCOMPARE(m_prompter.prompts().first().title, QStringLiteral("RYX Config"));
        QCOMPARE(m_window->exitCodes, exits ? QList<int>{0} : QList<int>{});
        QCOMPARE(QFile::exists(path("exit.xml")), written);
        // Only a save clears the mark: a discarded change is still in the tree.
        QCOMPARE(station->hasUnsavedChanges(), !written);
        QFile::remove(path("exit.xml"));
    }

    void closingTheWindowAsksToo()
    {
        newStation();
        m_prompter.queueButton(QMessageBox::Cancel);
        QVERIFY(!m_window->close());
        QVERIFY(m_window->isVisible());
        m_prompter.queueButton(QMessageBox::Discard);
        QVERIFY(m_window->close());
        QCOMPARE(m_prompter.prompts().size(), 2);
    }

    // The question as the user sees it, answered in the real box.
    void saveDiscardCancelQuestion()
    {
        RYXObject *station = newStation();
        RYXPrompter::setInstance(nullptr);
        QMessageBox::StandardButtons shown;
        answerNextMessageBox(this, QMessageBox::Cancel, RYX_SCREENSHOT_DIR "/document-save-discard-cancel.png",
                             [&shown](QMessageBox &box) { shown = box.standardButtons(); });
        m_window->exitSlot();
        RYXPrompter::setInstance(&m_prompter);
        QCOMPARE(shown, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        QVERIFY(m_window->exitCodes.isEmpty());
        QVERIFY(station->hasUnsavedChanges());
    }

    void openIntoUnsavedStationAsks_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<int>("fileDialogs");
        QTest::newRow("cancel: no file is read") << QMessageBox::Cancel << 0;
        QTest::newRow("discard: the file is asked for") << QMessageBox::Discard << 1;
    }

    void openIntoUnsavedStationAsks()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        newStation();
        m_prompter.queueButton(answer);
        m_window->OpenSlot();
        QCOMPARE(m_prompter.promptTexts(),
                 QStringList{"EIM has changes that are not saved. Save them before a file is read into it?"});
        QTEST(m_prompter.fileDialogCount(), "fileDialogs");
    }

    void recentFilesInTheFileMenu()
    {
        RYXObject *station = newStation();
        for (int i = 1; i <= 6; ++i) {
            m_prompter.queueFileName(path(QStringLiteral("f%1.xml").arg(i)));
            m_window->SaveAsSlot();
        }
        const QList<QAction *> &entries = m_window->recentFiles()->entries();
        QStringList texts;
        for (QAction *entry : entries)
            texts << (entry->isVisible() ? entry->text() : QString());
        QCOMPARE(texts, QStringList({"&1 f6.xml", "&2 f5.xml", "&3 f4.xml", "&4 f3.xml", "&5 f2.xml"}));
        QCOMPARE(entries.at(2)->toolTip(), QDir::toNativeSeparators(path("f4.xml")));

        // An entry opens its file at the root, whatever is selected, and goes first.
        selectOnly(station);
        entries.at(2)->trigger();
        QCOMPARE(tree()->topLevelItemCount(), 2);
        QCOMPARE(RYXListView::objectOf(tree()->currentItem())->getFileName(), path("f4.xml"));
        QCOMPARE(RYXRecentFiles::files().first(), path("f4.xml"));
        QCOMPARE(m_window->windowTitle(), "f4.xml - " + Caption);

        // A file that is gone is reported and leaves the list.
        QVERIFY(QFile::remove(path("f5.xml")));
        m_prompter.clear();
        entries.at(2)->trigger();
        QCOMPARE(m_prompter.promptTexts(),
                 QStringList{"The file " + path("f5.xml") + " no longer exists; it was taken off the recent files."});
        QCOMPARE(tree()->topLevelItemCount(), 2);
        QVERIFY(!RYXRecentFiles::files().contains(path("f5.xml")));
        QVERIFY(!entries.at(4)->isVisible());

        // The next window lists them as well.
        m_window.reset();
        makeWindow();
        QCOMPARE(m_window->recentFiles()->entries().first()->text(), QStringLiteral("&1 f4.xml"));
    }

    void windowLayoutComesBack()
    {
        m_window->resize(900, 640);
        m_window->verticalSplitter()->setSizes({300, 250});
        m_window->horizontalSplitter()->setSizes({320, 560});
        QTRY_COMPARE(m_window->size(), QSize(900, 640));
        const QList<int> vertical = m_window->verticalSplitter()->sizes();
        const QList<int> horizontal = m_window->horizontalSplitter()->sizes();
        m_window.reset();

        makeWindow();
        QTRY_COMPARE(m_window->size(), QSize(900, 640));
        QCOMPARE(m_window->verticalSplitter()->sizes(), vertical);
        QCOMPARE(m_window->horizontalSplitter()->sizes(), horizontal);
    }
};

QTEST_MAIN(tst_Document)
#include "tst_document.moc"

#include "core/MessageRelay.h"
#include "core/RYXScriptedPrompter.h"
#include "model/RYXConnectionBase.h"
#include "model/VELXmlWriter.h"

#include "ModelTestSupport.h"

#include <QtCore/QMimeData>
#include <QtCore/QTemporaryDir>
#include <QtGui/QClipboard>
#include <QtTest/QtTest>

#include <memory>

namespace {

const QString ReplaceQuestion = QStringLiteral(
    "Are you sure you want to replace the existing configuration (this is not reversable)?");

QString table(const QString &rows)
{
    return QStringLiteral("<b>Node</b><br><table border=1 width=0 cellspacing=0 cellpadding=0>")
           + rows + QStringLiteral("</table>");
}

QString connectionRow(bool online)
{
    return QStringLiteral("<tr><td width=150>Connection Status:</td><td width=150>%1</td></tr>")
        .arg(online ? "ONLINE" : "OFFLINE");
}

QString dataRow(const char *text)
{
    return QStringLiteral("<tr><td>Data Status:</td><td>%1</td></tr>").arg(QLatin1String(text));
}

// A station root with a connection whose events go to a recording receiver.
struct Station
{
    RecordingReceiver receiver;
    TestNode root;
    TestNode *child = new TestNode(QStringLiteral("TEST"), &root, QStringLiteral("TESTCHILD"));
    RYXConnectionBase connection{ &root };

    Station()
    {
        root.addChild(child);
        root.setConnection(&connection);
        connection.setEventReceiver(&receiver);
    }
};

} // namespace

class tst_Object : public QObject
{
    Q_OBJECT

    RYXScriptedPrompter m_prompter;
    QStringList m_relayed;
    QMetaObject::Connection m_relayConnection;

private Q_SLOTS:
    void initTestCase() { registerTestElements(); }

    void init()
    {
        m_prompter.clear();
        RYXPrompter::setInstance(&m_prompter);
        m_relayed.clear();
        m_relayConnection = connect(MessageRelay::instance(), &MessageRelay::DebugMessage, this,
                                    [this](const QString &text) { m_relayed << text; });
        QGuiApplication::clipboard()->clear();
    }

    void cleanup()
    {
        disconnect(m_relayConnection);
        RYXPrompter::setInstance(nullptr);
    }

    // ------------------------------------------------------------ status

    void statusMachine_data()
    {
        QTest::addColumn<bool>("editFirst");
        QTest::addColumn<bool>("trackingDisabled");
        QTest::addColumn<QList<int>>("events");
        QTest::addColumn<unsigned>("flags");
        QTest::addColumn<bool>("modifiedWhileOnline");

        QTest::newRow("online marks not current") << false << false << QList<int>{ 1 } << 0x24u << true;
        QTest::newRow("online, tracking disabled") << false << true << QList<int>{ 1 } << 0x20u << false;
        QTest::newRow("offline clears every mark") << false << false << QList<int>{ 1, 2 } << 0x00u << false;
        QTest::newRow("edit offline sets bit 2") << true << false << QList<int>{} << 0x04u << false;
        QTest::newRow("edit, then offline event") << true << false << QList<int>{ 2 } << 0x00u << false;
        QTest::newRow("edit, then online") << true << false << QList<int>{ 1 } << 0x24u << true;
        QTest::newRow("event 3 marks current") << true << false << QList<int>{ 1, 3 } << 0x20u << false;
        QTest::newRow("event 4 marks current") << true << false << QList<int>{ 1, 4 } << 0x20u << false;
        QTest::newRow("invalidate offline does nothing") << false << false << QList<int>{ 6 } << 0x00u << false;
        QTest::newRow("invalidate online") << false << false << QList<int>{ 1, 3, 6 } << 0x24u << true;
        QTest::newRow("invalidate tree online") << false << false << QList<int>{ 1, 3, 5 } << 0x24u << true;
        QTest::newRow("error set and cleared") << false << false << QList<int>{ 8, 7 } << 0x00u << false;
        QTest::newRow("errors stay offline") << false << false << QList<int>{ 1, 8, 2 } << 0x01u << false;
        QTest::newRow("unknown event") << false << false << QList<int>{ 1, 3, 42, 0 } << 0x20u << false;
    }

    void statusMachine()
    {
        QFETCH(bool, editFirst);
        QFETCH(bool, trackingDisabled);
        QFETCH(QList<int>, events);

        TestNode node;
        node.setTrackChangesDisabled(trackingDisabled);
        if (editFirst)
            QVERIFY(node.setValue("alpha", 99));
        for (int event : events)
            node.setStatus(event);
        QTEST(node.getStatusFlags(), "flags");
        QTEST(node.isModifiedWhileOnline(), "modifiedWhileOnline");
    }

    void referenceValueClearsNotCurrent()
    {
        TestNode node;
        QVERIFY(node.setValue("alpha", "5"));
        QVERIFY(node.isNotCurrent());
        QVERIFY(node.setValue("alpha", 1));
        QVERIFY(!node.isNotCurrent());

        // Marked while online, the object stays not current even when the
        // value returns to its reference; only markCurrent("") clears that.
        node.setStatus(RYXObject::WentOnline);
        QVERIFY(node.setValue("alpha", 1));
        node.markCurrent("alpha");
        QVERIFY(node.isNotCurrent());
        node.markCurrent(QString());
        QVERIFY(!node.isNotCurrent());
    }

    void childStatusTravelsUp_data()
    {
        QTest::addColumn<QList<int>>("grandchildEvents");
        QTest::addColumn<unsigned>("flags"); // of the child and of the root

        QTest::newRow("error") << QList<int>{ 8 } << 0x08u;
        QTest::newRow("error cleared") << QList<int>{ 8, 7 } << 0x00u;
        QTest::newRow("not current") << QList<int>{ 1 } << 0x10u;
        QTest::newRow("error and not current") << QList<int>{ 1, 8 } << 0x18u;
    }

    void childStatusTravelsUp()
    {
        QFETCH(QList<int>, grandchildEvents);
        TestNode root;
        auto *child = new TestNode("TEST", &root);
        auto *grandchild = new TestNode("TEST", child);
        root.addChild(child);
        child->addChild(grandchild);
        for (int event : grandchildEvents)
            grandchild->setStatus(event);
        QTEST(child->getStatusFlags(), "flags");
        QTEST(root.getStatusFlags(), "flags");
    }

    void indicatorRefreshPostsOnlyOnChange()
    {
        Station station;
        // An edit sets bit 2 but shows nothing until the next status event.
        station.child->setValue("alpha", 9);
        QCoreApplication::sendPostedEvents();
        QVERIFY(station.receiver.pixmaps.isEmpty());
        station.child->setValue("alpha", 1);

        station.child->setStatus(RYXObject::SetConfigError);
        station.child->setStatus(RYXObject::SetConfigError); // no change, no event
        QCoreApplication::sendPostedEvents();
        // The root owns the connection: it shows the connection state, not a LED.
        QCOMPARE(station.receiver.pixmaps.size(), 1);
        QCOMPARE(station.receiver.pixmaps.first().first.data(), station.child);
        QCOMPARE(station.receiver.pixmaps.first().second, QStringLiteral("SmallRedLED"));
        QCOMPARE(station.root.getStatusFlags(), 0x08u);

        // While suppressed nothing is shown; the next change shows the state.
        station.child->setSuppressIndicatorRefresh(true);
        station.child->setStatus(RYXObject::ClearConfigError);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(station.receiver.pixmaps.size(), 1);
        QCOMPARE(station.root.getStatusFlags(), 0x08u);
        station.child->setSuppressIndicatorRefresh(false);
        station.child->setStatus(RYXObject::WentOnline);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(station.receiver.pixmaps.size(), 2);
        QCOMPARE(station.receiver.pixmaps.last().second, QStringLiteral("SmallYellowLED"));
        QCOMPARE(station.root.getStatusFlags(), 0x10u);
    }

    void ledChoice_data()
    {
        QTest::addColumn<unsigned>("flags");
        QTest::addColumn<QString>("pixmap");

        QTest::newRow("offline, not current") << 0x04u << "offline";
        QTest::newRow("offline, error") << 0x01u << "error";
        QTest::newRow("offline, child error") << 0x08u << "childerror";
        QTest::newRow("error before child error") << 0x09u << "error";
        QTest::newRow("online, current") << 0x20u << "current";
        QTest::newRow("online, child not current") << 0x30u << "childnotcurrent";
        QTest::newRow("not current before child") << 0x34u << "notcurrent";
        QTest::newRow("online, child error") << 0x3Cu << "childerror";
    }

    void ledChoice()
    {
        QFETCH(unsigned, flags);
        TestNode node;
        node.useDistinctPixmaps();
        QTEST(node.getStatusPixmapName(flags), "pixmap");
    }

    void propertiesHtml_data()
    {
        QTest::addColumn<QList<int>>("events");
        QTest::addColumn<QList<bool>>("display"); // data status, firmware, three-part, serial
        QTest::addColumn<QString>("html");

        const QList<bool> plain{ true, false, false, false };
        const QList<bool> all{ true, true, false, true };
        QTest::newRow("offline, not current, identity rows hidden")
            << QList<int>{ 1, 2 } << all << table(connectionRow(false));
        QTest::newRow("offline error") << QList<int>{ 8 } << plain
                                       << table(connectionRow(false) + dataRow("CONFIGURATION ERROR"));
        QTest::newRow("online not current")
            << QList<int>{ 1 } << plain
            << table(connectionRow(true) + dataRow("CONFIGURATION NOT CURRENT"));
        QTest::newRow("online without data status")
            << QList<int>{ 1 } << QList<bool>{ false, false, false, false } << table(connectionRow(true));
        QTest::newRow("two-part firmware and serial")
            << QList<int>{ 1, 3 } << all
            << table(connectionRow(true) + dataRow("CONFIGURATION CURRENT")
                     + "<tr><td>Firmware Version:</td><td> 2.05</td></tr>"
                     + "<tr><td>Serial Number:</td><td> 123456</td></tr>");
        QTest::newRow("three-part firmware")
            << QList<int>{ 1, 3 } << QList<bool>{ true, true, true, false }
            << table(connectionRow(true) + dataRow("CONFIGURATION CURRENT")
                     + "<tr><td>Firmware Version:</td><td> 1.2.03</td></tr>");
    }

    void propertiesHtml()
    {
        QFETCH(QList<int>, events);
        QFETCH(QList<bool>, display);

        TestNode node;
        node.InsertPoint("synch_fwversion", 0x0205, 1, 2);
        node.InsertPoint("synch_newfwversion", 0x010203, 2, 4);
        node.InsertPoint("synch_serialnumber", 123456, 3, 4);
        node.setDisplay(display[0], display[1], display[2], display[3]);
        for (int event : events)
            node.setStatus(event);
        QTEST(node.getPropertiesHtml(), "html");
    }

    void menuItemMask_data()
    {
        QTest::addColumn<bool>("onChild");
        QTest::addColumn<int>("connectionState");
        QTest::addColumn<QList<int>>("events");
        QTest::addColumn<bool>("deletable");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<unsigned>("mask");

        QTest::newRow("station offline") << false << 1 << QList<int>{} << true << "" << 0x15D1u;
        // Delete needs the connection in state 1 exactly.
        QTest::newRow("station state 0") << false << 0 << QList<int>{} << true << "" << 0x11D1u;
        QTest::newRow("station seeking") << false << 4 << QList<int>{} << true << "" << 0x01D0u;
        QTest::newRow("station online") << false << 3 << QList<int>{ 1 } << true << "" << 0x01DEu;
        QTest::newRow("station online, error") << false << 3 << QList<int>{ 1, 8 } << true << "" << 0x01D6u;
        QTest::newRow("station offline, text on clipboard") << false << 1 << QList<int>{} << true << "x" << 0x17D1u;
        QTest::newRow("module offline") << true << 1 << QList<int>{} << true << "" << 0x05D0u;
        QTest::newRow("module not deletable") << true << 1 << QList<int>{} << false << "" << 0x01D0u;
        QTest::newRow("module online") << true << 3 << QList<int>{ 1 } << true << "" << 0x01DCu;
    }

    void menuItemMask()
    {
        QFETCH(bool, onChild);
        QFETCH(int, connectionState);
        QFETCH(QList<int>, events);
        QFETCH(bool, deletable);
        QFETCH(QString, clipboard);
        QFETCH(unsigned, mask);

        Station station;
        station.connection.setState(connectionState);
        RYXObject *object = onChild ? static_cast<RYXObject *>(station.child) : &station.root;
        object->setDeletable(deletable);
        for (int event : events)
            object->setStatus(event);
        if (!clipboard.isEmpty())
            QGuiApplication::clipboard()->setText(clipboard);
        unsigned result = 0xFFFFFFFF;
        object->getMenuItemMask(result);
        QCOMPARE(QString::number(result, 16), QString::number(mask, 16));

        TestNode detached;
        detached.getMenuItemMask(result);
        QCOMPARE(result & ~unsigned(RYXObject::MenuPaste), 0x1D0u);
    }

    // -------------------------------------------------- copy, paste, drop

    void paste_data()
    {
        QTest::addColumn<QString>("clipboard"); // "same" and "other": copied from such a node
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<QString>("message");

        const QString failed = "Paste into Node failed, the data was deemed incompatible.";
        QTest::newRow("same family, yes copies") << "same" << true << "Paste into Node succeeded.";
        QTest::newRow("same family, no keeps") << "same" << false << "Paste into Node was aborted.";
        QTest::newRow("other family") << "other" << true << failed;
        QTest::newRow("not configuration text") << "hello" << true << failed;
    }

    void paste()
    {
        QFETCH(QString, clipboard);
        QFETCH(bool, answerYes);
        QFETCH(QString, message);

        const QString quoted = "a \"quoted\" & <odd> value";
        if (clipboard == "same" || clipboard == "other") {
            TestNode source(clipboard == "same" ? "TEST" : "OTHER", nullptr,
                            clipboard == "same" ? "TESTNODE" : "OTHERNODE");
            source.setValue("alpha", 42);
            source.setValue("beta", quoted);
            source.setValue("ident", 99);
            source.copySlot();
        } else {
            QGuiApplication::clipboard()->setText(clipboard);
        }
        TestNode target;
        m_prompter.queueButton(answerYes ? QMessageBox::Yes : QMessageBox::No);
        target.pasteSlot();

        const bool copied = message.endsWith("succeeded.");
        const bool refused = message.contains("failed");
        QCOMPARE(target.getInt("alpha"), copied ? 42 : 1);
        QCOMPARE(target.getString("beta"), copied ? quoted : QStringLiteral("b"));
        QCOMPARE(target.getInt("ident"), 7); // never copied
        // The reader may add its own line and column before the message.
        QCOMPARE(m_relayed.count(message), 1);
        QCOMPARE(m_relayed.last(), message);
        QCOMPARE(m_prompter.prompts().size(), 1);
        QCOMPARE(m_prompter.prompts().first().title, QString(refused ? "Warning" : "RYXConfig"));
        QCOMPARE(m_prompter.prompts().first().text, refused ? message : ReplaceQuestion);
    }

    // A drop onto another object is tested through the tree (tst_sysmanager).
    void dropOntoItselfIsIgnored()
    {
        TestNode source;
        std::unique_ptr<QMimeData> data(source.makeDragObject());
        QDropEvent drop(QPointF(1, 1), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        source.handleDrop(&drop);
        QCOMPARE(m_relayed, QStringList("Drag and Drop onto Node ignored, source and destination are the same."));
        QVERIFY(m_prompter.prompts().isEmpty());
    }

    void dragEnter_data()
    {
        QTest::addColumn<QString>("header"); // "same", "other" or a literal header
        QTest::addColumn<bool>("accepted");

        QTest::newRow("same family") << "same" << true;
        QTest::newRow("other family") << "other" << false;
        QTest::newRow("zero") << "0" << false;
        QTest::newRow("not a number") << "<TESTNODE>" << false;
        QTest::newRow("foreign identity") << "12345" << false;
    }

    void dragEnter()
    {
        QFETCH(QString, header);

        TestNode target;
        TestNode same;
        TestNode other("OTHER");
        const QHash<QString, RYXObject *> sources{ { "same", &same }, { "other", &other } };
        QString text = header + "\n<TESTNODE>\n</TESTNODE>\n";
        if (RYXObject *source = sources.value(header)) {
            std::unique_ptr<QMimeData> dragged(source->makeDragObject());
            text = dragged->text();
        }
        QMimeData data;
        data.setText(text);
        QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        enter.ignore();
        target.handleDragEnter(&enter);
        QTEST(enter.isAccepted(), "accepted");
    }

    void copyDataMatchesChildrenByPosition()
    {
        TestNode source;
        auto *sourceChild = new TestNode("TEST", &source);
        source.addChild(sourceChild);
        source.addChild(new TestNode("TEST", &source));
        sourceChild->setValue("alpha", 5);
        source.setValue("hidden", 77);

        TestNode target;
        auto *targetChild = new TestNode("TEST", &target);
        target.addChild(targetChild);
        target.setStatus(RYXObject::WentOnline);
        target.markCurrent(QString());

        QVERIFY(target.copyDataFrom(&source));
        QCOMPARE(targetChild->getInt("alpha"), 5);
        QCOMPARE(target.getInt("hidden"), 5); // not saved, so not copied
        QCOMPARE(target.childCount(), 1);
        QVERIFY(target.dialogUpdates > 0);
        // Copied data differs from the device until it is downloaded.
        QVERIFY(target.isNotCurrent());
        QVERIFY(targetChild->isNotCurrent());
        QVERIFY(!target.copyDataFrom(nullptr));
    }

    // ------------------------------------------------------- object files

    // The naming rule and the overwrite question are shared with the main
    // window's Save As and tested with it.
    void saveAsWritesTheObject()
    {
        QTemporaryDir dir;
        TestNode node;
        node.setValue("alpha", 64);
        m_prompter.queueFileName(dir.filePath("plant"));
        node.saveAsSlot();
        QVERIFY(m_prompter.prompts().isEmpty());
        QFile file(dir.filePath("plant.xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), VELXmlWriter::toXml(node).toUtf8());
    }

    // --------------------------------------------------------- structure

    void replaceChild()
    {
        TestNode module;
        QPointer<TestNode> first = new TestNode("TEST", &module);
        QPointer<TestNode> second = new TestNode("TEST", &module);
        module.addChild(first);
        module.addChild(second);
        auto *replacement = new TestNode;
        QVERIFY(module.replaceChild(replacement, 1));
        QVERIFY(!second);
        // A position the module lacks changes nothing and leaves the new
        // object to the caller.
        TestNode stray;
        QVERIFY(!module.replaceChild(&stray, 2));
        // A child deleted elsewhere leaves the list.
        delete first;
        QCOMPARE(module.childCount(), 1);
        QCOMPARE(module.childAt(0), replacement);
        QCOMPARE(replacement->getParentObject(), &module);
    }
};

QTEST_MAIN(tst_Object)
#include "tst_object.moc"

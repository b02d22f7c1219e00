#include "ModelTestSupport.h"

#include "app/RYXScriptedPrompter.h"
#include "comm/RYXConnection.h"
#include "database/RYXDatabase.h"
#include "model/MessageRelay.h"

#include <QtCore/QMimeData>
#include <QtCore/QTemporaryDir>
#include <QtGui/QAction>
#include <QtGui/QClipboard>
#include <QtGui/QDropEvent>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMenu>

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
    RYXConnection connection{ &root };

    Station()
    {
        root.addChild(child);
        root.setConnection(&connection);
        connection.setEventReceiver(&receiver);
    }
};

QStringList actionNames(QMenu *menu)
{
    QStringList names;
    for (QAction *action : menu->actions())
        names << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
    return names;
}

} // namespace

class tst_Object : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void statusMachine_data();
    void statusMachine();
    void referenceValueClearsNotCurrent();
    void childStatusTravelsUp_data();
    void childStatusTravelsUp();
    void indicatorRefreshPostsOnlyOnChange();
    void ledChoice_data();
    void ledChoice();
    void propertiesHtml_data();
    void propertiesHtml();
    void menuItemMask_data();
    void menuItemMask();
    void contextMenuLayoutAndState();

    void pasteSameFamily_data();
    void pasteSameFamily();
    void pasteIncompatible_data();
    void pasteIncompatible();
    void dropOntoItselfIsIgnored();
    void dropFromAnotherObjectCopies();
    void dragEnter_data();
    void dragEnter();
    void copyDataMatchesChildrenByPosition();

    void saveAsAndOpen();
    void openIncompatibleOffersNewDevice();
    void replaceChild();
    void operationsAndLookups();

private:
    RYXScriptedPrompter m_prompter;
    QStringList m_relayed;
    QMetaObject::Connection m_relayConnection;
};

void tst_Object::initTestCase()
{
    registerTestElements();
}

void tst_Object::init()
{
    m_prompter.clear();
    RYXPrompter::setInstance(&m_prompter);
    m_relayed.clear();
    m_relayConnection = connect(MessageRelay::instance(), &MessageRelay::DebugMessage, this,
                                [this](const QString &text) { m_relayed << text; });
    QGuiApplication::clipboard()->clear();
}

void tst_Object::cleanup()
{
    disconnect(m_relayConnection);
    RYXPrompter::setInstance(nullptr);
}

// ---------------------------------------------------------------- status

void tst_Object::statusMachine_data()
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
    QTest::newRow("error set") << false << false << QList<int>{ 8 } << 0x01u << false;
    QTest::newRow("error set and cleared") << false << false << QList<int>{ 8, 7 } << 0x00u << false;
    QTest::newRow("errors stay offline") << false << false << QList<int>{ 1, 8, 2 } << 0x01u << false;
    QTest::newRow("unknown event") << false << false << QList<int>{ 1, 3, 42, 0 } << 0x20u << false;
}

void tst_Object::statusMachine()
{
    QFETCH(bool, editFirst);
    QFETCH(bool, trackingDisabled);
    QFETCH(QList<int>, events);
    QFETCH(unsigned, flags);
    QFETCH(bool, modifiedWhileOnline);

    TestNode node;
    node.setTrackChangesDisabled(trackingDisabled);
    if (editFirst)
        QVERIFY(node.setValue(QStringLiteral("alpha"), 99));
    for (int event : events)
        node.setStatus(event);
    QCOMPARE(node.getStatusFlags(), flags);
    QCOMPARE(node.isModifiedWhileOnline(), modifiedWhileOnline);
}

void tst_Object::referenceValueClearsNotCurrent()
{
    TestNode node;
    QVERIFY(node.setValue(QStringLiteral("alpha"), QStringLiteral("5")));
    QVERIFY(node.isNotCurrent());
    QVERIFY(node.setValue(QStringLiteral("alpha"), 1));
    QVERIFY(!node.isNotCurrent());
    // The untracked point never makes the object not current.
    QVERIFY(node.setValue(QStringLiteral("untracked"), 3));
    QVERIFY(!node.isNotCurrent());
    // A missing point fails and changes nothing.
    QVERIFY(!node.setValue(QStringLiteral("nosuchpoint"), 3));
    QCOMPARE(node.getInt(QStringLiteral("nosuchpoint")), 0);

    // Marked while online, the object stays not current even when the
    // value returns to its reference; only markCurrent("") clears that.
    node.setStatus(RYXObject::WentOnline);
    QVERIFY(node.setValue(QStringLiteral("alpha"), 1));
    QVERIFY(node.isNotCurrent());
    node.markCurrent(QStringLiteral("alpha"));
    QVERIFY(node.isNotCurrent());
    node.markCurrent(QString());
    QVERIFY(!node.isNotCurrent());

    // markCurrent of one key keeps the other modified keys.
    node.setValue(QStringLiteral("alpha"), 2);
    node.setValue(QStringLiteral("beta"), QStringLiteral("changed"));
    node.markCurrent(QStringLiteral("alpha"));
    QVERIFY(node.isNotCurrent());
    node.markCurrent(QStringLiteral("beta"));
    QVERIFY(!node.isNotCurrent());
}

void tst_Object::childStatusTravelsUp_data()
{
    QTest::addColumn<QList<int>>("grandchildEvents");
    QTest::addColumn<unsigned>("childFlags");
    QTest::addColumn<unsigned>("rootFlags");

    QTest::newRow("error") << QList<int>{ 8 } << 0x08u << 0x08u;
    QTest::newRow("error cleared") << QList<int>{ 8, 7 } << 0x00u << 0x00u;
    QTest::newRow("not current") << QList<int>{ 1 } << 0x10u << 0x10u;
    QTest::newRow("error wins over not current") << QList<int>{ 1, 8 } << 0x18u << 0x18u;
}

void tst_Object::childStatusTravelsUp()
{
    QFETCH(QList<int>, grandchildEvents);
    QFETCH(unsigned, childFlags);
    QFETCH(unsigned, rootFlags);

    TestNode root;
    auto *child = new TestNode(QStringLiteral("TEST"), &root);
    auto *grandchild = new TestNode(QStringLiteral("TEST"), child);
    root.addChild(child);
    child->addChild(grandchild);
    for (int event : grandchildEvents)
        grandchild->setStatus(event);
    QCOMPARE(child->getStatusFlags(), childFlags);
    QCOMPARE(root.getStatusFlags(), rootFlags);
}

void tst_Object::indicatorRefreshPostsOnlyOnChange()
{
    Station station;
    // An edit sets bit 2 but shows nothing until the next status event.
    station.child->setValue(QStringLiteral("alpha"), 9);
    QCoreApplication::sendPostedEvents();
    QVERIFY(station.receiver.pixmaps.isEmpty());
    station.child->setValue(QStringLiteral("alpha"), 1);

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

void tst_Object::ledChoice_data()
{
    QTest::addColumn<unsigned>("flags");
    QTest::addColumn<QString>("pixmap");

    QTest::newRow("offline") << 0x00u << "offline";
    QTest::newRow("offline, not current") << 0x04u << "offline";
    QTest::newRow("offline, child not current") << 0x10u << "offline";
    QTest::newRow("offline, error") << 0x01u << "error";
    QTest::newRow("offline, child error") << 0x08u << "childerror";
    QTest::newRow("error before child error") << 0x09u << "error";
    QTest::newRow("online, current") << 0x20u << "current";
    QTest::newRow("online, not current") << 0x24u << "notcurrent";
    QTest::newRow("online, child not current") << 0x30u << "childnotcurrent";
    QTest::newRow("not current before child") << 0x34u << "notcurrent";
    QTest::newRow("online, error") << 0x25u << "error";
    QTest::newRow("online, child error") << 0x3Cu << "childerror";
}

void tst_Object::ledChoice()
{
    QFETCH(unsigned, flags);
    QFETCH(QString, pixmap);
    TestNode node;
    node.useDistinctPixmaps();
    QCOMPARE(node.getStatusPixmapName(flags), pixmap);
}

void tst_Object::propertiesHtml_data()
{
    QTest::addColumn<QList<int>>("events");
    QTest::addColumn<QList<bool>>("display"); // data status, firmware, three-part, serial
    QTest::addColumn<QString>("html");

    const QList<bool> plain{ true, false, false, false };
    const QList<bool> all{ true, true, false, true };
    QTest::newRow("offline") << QList<int>{} << plain << table(connectionRow(false));
    QTest::newRow("offline, not current shows nothing")
        << QList<int>{ 1, 2 } << plain << table(connectionRow(false));
    QTest::newRow("offline error") << QList<int>{ 8 } << plain
                                   << table(connectionRow(false) + dataRow("CONFIGURATION ERROR"));
    QTest::newRow("offline, identity rows hidden")
        << QList<int>{} << all << table(connectionRow(false));
    QTest::newRow("online not current")
        << QList<int>{ 1 } << plain
        << table(connectionRow(true) + dataRow("CONFIGURATION NOT CURRENT"));
    QTest::newRow("online current") << QList<int>{ 1, 3 } << plain
                                    << table(connectionRow(true) + dataRow("CONFIGURATION CURRENT"));
    QTest::newRow("online error") << QList<int>{ 1, 8 } << plain
                                  << table(connectionRow(true) + dataRow("CONFIGURATION ERROR"));
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

void tst_Object::propertiesHtml()
{
    QFETCH(QList<int>, events);
    QFETCH(QList<bool>, display);
    QFETCH(QString, html);

    TestNode node;
    node.InsertPoint(QStringLiteral("synch_fwversion"), 0x0205, 1, 2);
    node.InsertPoint(QStringLiteral("synch_newfwversion"), 0x010203, 2, 4);
    node.InsertPoint(QStringLiteral("synch_serialnumber"), 123456, 3, 4);
    node.setDisplay(display[0], display[1], display[2], display[3]);
    for (int event : events)
        node.setStatus(event);
    QCOMPARE(node.getPropertiesHtml(), html);
}

void tst_Object::menuItemMask_data()
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
    QTest::newRow("station online, error") << false << 3 << QList<int>{ 1, 8 } << true << ""
                                           << 0x01D6u;
    QTest::newRow("station offline, text on clipboard") << false << 1 << QList<int>{} << true
                                                        << "x" << 0x17D1u;
    QTest::newRow("module offline") << true << 1 << QList<int>{} << true << "" << 0x05D0u;
    QTest::newRow("module not deletable") << true << 1 << QList<int>{} << false << "" << 0x01D0u;
    QTest::newRow("module online") << true << 3 << QList<int>{ 1 } << true << "" << 0x01DCu;
}

void tst_Object::menuItemMask()
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

void tst_Object::contextMenuLayoutAndState()
{
    TestNode plain;
    plain.initialize(nullptr);
    QCOMPARE(actionNames(plain.getPopupMenu()),
             QStringList({ "copy", "paste", "delete", "|", "open", "save as", "|", "upload",
                           "download" }));
    plain.applyMenuItemMask(RYXObject::MenuCopy | RYXObject::MenuUpload);
    QStringList enabled;
    for (QAction *action : plain.getPopupMenu()->actions())
        if (!action->isSeparator() && action->isEnabled())
            enabled << action->objectName();
    // Open and Save As are never switched off.
    QCOMPARE(enabled, QStringList({ "copy", "open", "save as", "upload" }));

    // A station of no device class offers no transfers; an undeletable
    // object offers no Delete.
    Station station;
    station.root.setDeletable(false);
    station.root.initialize(nullptr);
    QCOMPARE(actionNames(station.root.getPopupMenu()),
             QStringList({ "copy", "paste", "|", "open", "save as" }));
    station.root.setDeviceClass(27);
    station.root.createPopupMenu();
    QCOMPARE(actionNames(station.root.getPopupMenu()).size(), 8);
}

// ---------------------------------------------------- copy, paste, drop

void tst_Object::pasteSameFamily_data()
{
    QTest::addColumn<bool>("answerYes");
    QTest::newRow("yes copies") << true;
    QTest::newRow("no keeps") << false;
}

void tst_Object::pasteSameFamily()
{
    QFETCH(bool, answerYes);
    TestNode source;
    source.setDisplayName(QStringLiteral("Source"));
    source.setValue(QStringLiteral("alpha"), 42);
    source.setValue(QStringLiteral("beta"), QStringLiteral("a \"quoted\" & <odd> value"));
    source.setValue(QStringLiteral("ident"), 99);
    source.copySlot();
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(
        QString::number(source.dragIdentity()) + '\n'));

    TestNode target;
    m_prompter.queueButton(answerYes ? QMessageBox::Yes : QMessageBox::No);
    target.pasteSlot();

    QCOMPARE(m_prompter.prompts().size(), 1);
    QCOMPARE(m_prompter.prompts().first().title, QStringLiteral("RYXConfig"));
    QCOMPARE(m_prompter.prompts().first().text, ReplaceQuestion);
    QCOMPARE(target.getInt(QStringLiteral("alpha")), answerYes ? 42 : 1);
    QCOMPARE(target.getString(QStringLiteral("beta")),
             answerYes ? QStringLiteral("a \"quoted\" & <odd> value") : QStringLiteral("b"));
    QCOMPARE(target.getInt(QStringLiteral("ident")), 7); // never copied
    QCOMPARE(m_relayed, QStringList(answerYes ? "Paste into Node succeeded."
                                              : "Paste into Node was aborted."));
}

void tst_Object::pasteIncompatible_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("other family") << QString(); // filled from an OTHER node
    QTest::newRow("not configuration text") << QStringLiteral("hello");
    QTest::newRow("unknown element") << QStringLiteral("1\n<NOSUCH>\n</NOSUCH>\n");
    QTest::newRow("cut short") << QStringLiteral("1\n<TESTNODE>\n <VALUE key=\"alpha\"");
}

void tst_Object::pasteIncompatible()
{
    QFETCH(QString, clipboard);
    if (clipboard.isEmpty()) {
        TestNode other(QStringLiteral("OTHER"), nullptr, QStringLiteral("OTHERNODE"));
        other.setValue(QStringLiteral("alpha"), 42);
        other.copySlot();
    } else {
        QGuiApplication::clipboard()->setText(clipboard);
    }
    TestNode target;
    target.pasteSlot();
    const QString message = QStringLiteral("Paste into Node failed, the data was deemed incompatible.");
    // The reader may add its own line and column before the message.
    QCOMPARE(m_relayed.count(message), 1);
    QCOMPARE(m_relayed.last(), message);
    QCOMPARE(m_prompter.prompts().size(), 1);
    QCOMPARE(m_prompter.prompts().first().title, QStringLiteral("Warning"));
    QCOMPARE(m_prompter.prompts().first().text, message);
    QCOMPARE(target.getInt(QStringLiteral("alpha")), 1);
}

void tst_Object::dropOntoItselfIsIgnored()
{
    TestNode node;
    std::unique_ptr<QMimeData> data(node.makeDragObject());
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    node.handleDrop(&drop);
    QCOMPARE(m_relayed,
             QStringList("Drag and Drop onto Node ignored, source and destination are the same."));
    QVERIFY(m_prompter.prompts().isEmpty());
}

void tst_Object::dropFromAnotherObjectCopies()
{
    TestNode source;
    source.setValue(QStringLiteral("alpha"), 17);
    TestNode target;
    std::unique_ptr<QMimeData> data(source.makeDragObject());
    QDropEvent drop(QPointF(1, 1), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    m_prompter.queueButton(QMessageBox::Yes);
    target.handleDrop(&drop);
    QCOMPARE(target.getInt(QStringLiteral("alpha")), 17);
    QCOMPARE(m_relayed, QStringList("Drag and Drop onto Node succeeded."));
}

void tst_Object::dragEnter_data()
{
    QTest::addColumn<QString>("header"); // "self", "same", "other" or a literal header
    QTest::addColumn<bool>("accepted");

    QTest::newRow("same family") << "same" << true;
    QTest::newRow("the source itself") << "self" << true;
    QTest::newRow("other family") << "other" << false;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("not a number") << "<TESTNODE>" << false;
    QTest::newRow("foreign identity") << "12345" << false;
}

void tst_Object::dragEnter()
{
    QFETCH(QString, header);
    QFETCH(bool, accepted);

    TestNode target;
    TestNode same;
    TestNode other(QStringLiteral("OTHER"));
    const QHash<QString, RYXObject *> sources{ { "self", &target }, { "same", &same },
                                               { "other", &other } };
    QString text = header + QStringLiteral("\n<TESTNODE>\n</TESTNODE>\n");
    if (RYXObject *source = sources.value(header)) {
        std::unique_ptr<QMimeData> dragged(source->makeDragObject());
        text = dragged->text();
    }
    QMimeData data;
    data.setText(text);
    QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    target.handleDragEnter(&enter);
    QCOMPARE(enter.isAccepted(), accepted);
}

void tst_Object::copyDataMatchesChildrenByPosition()
{
    TestNode source;
    auto *sourceChild = new TestNode(QStringLiteral("TEST"), &source);
    auto *extraChild = new TestNode(QStringLiteral("TEST"), &source);
    source.addChild(sourceChild);
    source.addChild(extraChild);
    sourceChild->setValue(QStringLiteral("alpha"), 5);
    source.setValue(QStringLiteral("hidden"), 77);

    TestNode target;
    auto *targetChild = new TestNode(QStringLiteral("TEST"), &target);
    target.addChild(targetChild);
    target.setStatus(RYXObject::WentOnline);
    target.markCurrent(QString());

    QVERIFY(target.copyDataFrom(&source));
    QCOMPARE(targetChild->getInt(QStringLiteral("alpha")), 5);
    QCOMPARE(target.getInt(QStringLiteral("hidden")), 5); // not saved, so not copied
    QCOMPARE(target.childCount(), 1);
    QVERIFY(target.dialogUpdates > 0);
    // Copied data differs from the device until it is downloaded.
    QVERIFY(target.isNotCurrent());
    QVERIFY(targetChild->isNotCurrent());
    QVERIFY(!target.copyDataFrom(nullptr));
}

// --------------------------------------------------------- object files

void tst_Object::saveAsAndOpen()
{
    QTemporaryDir dir;
    TestNode node;
    node.setValue(QStringLiteral("alpha"), 64);

    m_prompter.queueFileName(dir.filePath(QStringLiteral("plant")));
    node.saveAsSlot();
    QFile saved(dir.filePath(QStringLiteral("plant.xml")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray contents = saved.readAll();
    QVERIFY(contents.contains("<VALUE key=\"alpha\" value=\"64\" />"));
    saved.close();
    QVERIFY(m_prompter.prompts().isEmpty());

    // Onto an existing file: asked, and No leaves it as it was.
    node.setValue(QStringLiteral("alpha"), 65);
    m_prompter.queueFileName(dir.filePath(QStringLiteral("plant.xml")));
    m_prompter.queueButton(QMessageBox::No);
    node.saveAsSlot();
    QCOMPARE(m_prompter.promptTexts(),
             QStringList("This file already exists, would you like to overwrite it?"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), contents);
    saved.close();

    // A target that cannot be written is reported.
    m_prompter.clear();
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.xml")));
    m_prompter.queueFileName(dir.filePath(QStringLiteral("folder.xml")));
    m_prompter.queueButton(QMessageBox::Yes);
    node.saveAsSlot();
    QCOMPARE(m_prompter.prompts().size(), 2);
    QCOMPARE(m_prompter.prompts().last().title, QStringLiteral("Error"));

    // Open of the same family asks and copies.
    m_prompter.clear();
    TestNode other;
    m_prompter.queueFileName(dir.filePath(QStringLiteral("plant.xml")));
    m_prompter.queueButton(QMessageBox::Yes);
    other.openSlot();
    QCOMPARE(m_prompter.promptTexts(), QStringList(ReplaceQuestion));
    QCOMPARE(other.getInt(QStringLiteral("alpha")), 64);

    // A file that cannot be read is reported and changes nothing.
    m_prompter.clear();
    QFile broken(dir.filePath(QStringLiteral("broken.xml")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("<TESTNODE>\n <VALUE key=\"alpha\" value=\"3\" />\n <NOSUCH/>\n</TESTNODE>\n");
    broken.close();
    m_prompter.queueFileName(broken.fileName());
    other.openSlot();
    QCOMPARE(m_prompter.promptTexts(), QStringList("Failed to parse the input file."));
    QCOMPARE(other.getInt(QStringLiteral("alpha")), 64);
}

void tst_Object::openIncompatibleOffersNewDevice()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("other.xml"));
    TestNode other(QStringLiteral("OTHER"), nullptr, QStringLiteral("OTHERNODE"));
    m_prompter.queueFileName(path);
    other.saveAsSlot();

    TestNode node;
    m_prompter.queueFileName(path);
    m_prompter.queueButton(QMessageBox::No);
    node.openSlot();
    QCOMPARE(m_prompter.prompts().size(), 1);
    QCOMPARE(m_prompter.prompts().first().title, QStringLiteral("RYXConfig"));
    QVERIFY(m_prompter.prompts().first().text.startsWith(
        "The information in the file is incompatible with \nthe device it was loaded into."));
    QCOMPARE(node.getInt(QStringLiteral("alpha")), 1);
}

// ------------------------------------------------------------ structure

void tst_Object::replaceChild()
{
    TestNode module;
    QPointer<TestNode> first = new TestNode(QStringLiteral("TEST"), &module);
    QPointer<TestNode> second = new TestNode(QStringLiteral("TEST"), &module);
    module.addChild(first);
    module.addChild(second);
    auto *replacement = new TestNode;
    QVERIFY(module.replaceChild(replacement, 1));
    QVERIFY(!second);
    QCOMPARE(module.childAt(0), first.data());
    QCOMPARE(module.childAt(1), replacement);
    QCOMPARE(replacement->getParentObject(), &module);

    // A position the module lacks changes nothing and leaves the new
    // object to the caller.
    TestNode stray;
    QVERIFY(!module.replaceChild(&stray, 2));
    QCOMPARE(module.childCount(), 2);
    QVERIFY(first);

    // A child deleted elsewhere leaves the list.
    delete first;
    QCOMPARE(module.childCount(), 1);
    QCOMPARE(module.childAt(0), replacement);
}

void tst_Object::operationsAndLookups()
{
    TestNode detached;
    QCOMPARE(detached.executeOperation(QStringLiteral("upload")), -1);
    QCOMPARE(detached.executeOperation(QStringLiteral("download")), -1);
    QCOMPARE(detached.executeOperation(QStringLiteral("synchronize")), 0);
    QCOMPARE(detached.executeOperation(QStringLiteral("frobnicate")), 0);
    QVERIFY(!detached.requestOperation(QStringLiteral("upload")));
    QCOMPARE(detached.checkOperation(0), 1);

    Station station;
    QVERIFY(station.child->requestOperation(QStringLiteral("download")));
    RYXObject *target = nullptr;
    QCOMPARE(station.connection.pendingOperation(&target), QStringLiteral("download"));
    QCOMPARE(target, station.child);

    RYXConnection *found = nullptr;
    QVERIFY(station.child->getConnection(nullptr, found));
    QCOMPARE(found, &station.connection);
    RYXEventReceiver *receiver = nullptr;
    QVERIFY(station.child->getMainWindow(nullptr, receiver));
    QCOMPARE(receiver, &station.receiver);
    ZEMPPort *port = nullptr;
    unsigned tunnel = 7;
    QVERIFY(!station.child->getPort(station.child, port, tunnel)); // no port yet
    QCOMPARE(tunnel, 7u);
    QVERIFY(station.child->hasConnection());
    QVERIFY(!detached.hasConnection());
}

QTEST_MAIN(tst_Object)
#include "tst_object.moc"

#pragma once

// Small tree classes and a recording event receiver shared by the model tests.

#include "model/RYXHeadlessReceiver.h"
#include "model/RYXListViewItem.h"
#include "model/RYXObject.h"
#include "model/RYXObjectFactory.h"

#include <QtCore/QList>
#include <QtCore/QPair>
#include <QtCore/QPointer>
#include <QtWidgets/QTreeWidget>

// A node with one point of each kind that copying and saving treat apart.
class TestNode : public RYXObject
{
public:
    explicit TestNode(const QString &nodeFamily = QStringLiteral("TEST"),
                      QObject *parent = nullptr, const QString &tag = QStringLiteral("TESTNODE"))
        : RYXObject(parent)
    {
        family = nodeFamily;
        xmlTag = tag;
        name = QStringLiteral("Node");
        InsertPoint(QStringLiteral("alpha"), 1, 10, 2);
        InsertPoint(QStringLiteral("beta"), QStringLiteral("b"), 11, 0);
        InsertPoint(QStringLiteral("ident"), 7, DataPoint::Attributes(DataPoint::NotCopied), 12, 2);
        InsertPoint(QStringLiteral("hidden"), 5, DataPoint::Attributes(DataPoint::NotSaved), 13, 2);
        InsertPoint(QStringLiteral("untracked"), 0,
                    DataPoint::Attributes(DataPoint::NotTracked), 14, 2);
    }

    // Test access to the fields subclasses set.
    void setTrackChangesDisabled(bool disabled) { trackChangesDisabled = disabled; }
    void setDisplay(bool dataStatus, bool firmware, bool threePart, bool serial)
    {
        showDataStatus = dataStatus;
        showFirmwareVersion = firmware;
        threePartFirmwareVersion = threePart;
        showSerialNumber = serial;
    }
    void setDisplayName(const QString &text) { name = text; }
    void useDistinctPixmaps()
    {
        currentPixmap = QStringLiteral("current");
        offlinePixmap = QStringLiteral("offline");
        notCurrentPixmap = QStringLiteral("notcurrent");
        errorPixmap = QStringLiteral("error");
        childNotCurrentPixmap = QStringLiteral("childnotcurrent");
        childErrorPixmap = QStringLiteral("childerror");
    }

    void updateDialog() override { ++dialogUpdates; }
    int dialogUpdates = 0;
};

// Registers the test elements with the configuration file reader.
inline void registerTestElements()
{
    RYXObjectFactory::registerClass(QStringLiteral("TESTNODE"), RYXObjectFactory::StationLevel,
                                    [](int) { return new TestNode; });
    RYXObjectFactory::registerClass(QStringLiteral("TESTCHILD"), RYXObjectFactory::ModuleLevel,
                                    [](int) {
                                        return new TestNode(QStringLiteral("TEST"), nullptr,
                                                            QStringLiteral("TESTCHILD"));
                                    });
    RYXObjectFactory::registerClass(QStringLiteral("OTHERNODE"), RYXObjectFactory::StationLevel,
                                    [](int) {
                                        return new TestNode(QStringLiteral("OTHER"), nullptr,
                                                            QStringLiteral("OTHERNODE"));
                                    });
}

// Records the pixmaps the posted events asked for; keeps a real tree for items.
class RecordingReceiver : public RYXHeadlessReceiver
{
public:
    QTreeWidget view;
    QList<QPair<QPointer<RYXObject>, QString>> pixmaps;

    void createTreeItem(RYXObject *object, RYXObject *parentObject, const QString &text,
                        bool) override
    {
        QTreeWidgetItem *parentItem = parentObject ? parentObject->getTreeItem() : nullptr;
        object->setTreeItem(parentItem ? new RYXListViewItem(object, parentItem, text)
                                       : new RYXListViewItem(object, &view, text));
    }
    void destroyTreeItem(RYXObject *object) override { object->destroyTreeItem(); }
    void setTreeItemPixmap(RYXObject *object, const QString &name) override
    {
        pixmaps.append({ object, name });
    }
};

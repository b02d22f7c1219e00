#pragma once

#include <QtCore/QPointer>
#include <QtWidgets/QTreeWidgetItem>

class QTreeWidget;
class RYXObject;

// One tree object's line in the device tree. The object owns the item; the
// item only refers back to it.
class RYXListViewItem : public QTreeWidgetItem
{
public:
    RYXListViewItem(RYXObject *object, QTreeWidgetItem *parent, const QString &text);
    RYXListViewItem(RYXObject *object, QTreeWidget *view, const QString &text);

    RYXObject *object() const { return m_object; }

private:
    void showStatus();

    QPointer<RYXObject> m_object;
};

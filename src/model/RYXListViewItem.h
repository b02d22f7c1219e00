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

    /// Makes the item above or below the current item of \a item's view the
    /// current one, opening the items it passes so that an opened item's
    /// children come next.
    static void selectNeighbour(QTreeWidgetItem *item, bool below);
    /// True when \a item is its view's current item.
    static bool isCurrent(const QTreeWidgetItem *item);

private:
    void showStatus();

    QPointer<RYXObject> m_object;
};

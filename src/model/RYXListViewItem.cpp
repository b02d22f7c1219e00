#include "model/RYXListViewItem.h"

#include "core/RYXImages.h"
#include "model/RYXObject.h"

#include <QtWidgets/QTreeWidget>

// QTreeWidgetItem appends to its parent, so new items land below their
// siblings in the order they are created.
RYXListViewItem::RYXListViewItem(RYXObject *object, QTreeWidgetItem *parent, const QString &text)
    : QTreeWidgetItem(parent, QStringList(text)), m_object(object)
{
    showStatus();
}

RYXListViewItem::RYXListViewItem(RYXObject *object, QTreeWidget *view, const QString &text)
    : QTreeWidgetItem(view, QStringList(text)), m_object(object)
{
    showStatus();
}

void RYXListViewItem::showStatus()
{
    if (m_object)
        setIcon(0, RYXImages::icon(m_object->getStatusPixmapName(m_object->getStatusFlags())));
}

void RYXListViewItem::selectNeighbour(QTreeWidgetItem *item, bool below)
{
    QTreeWidget *view = item ? item->treeWidget() : nullptr;
    QTreeWidgetItem *current = view ? view->currentItem() : nullptr;
    if (!current)
        return;
    auto neighbour = [&]() { return below ? view->itemBelow(current) : view->itemAbove(current); };
    QTreeWidgetItem *target = neighbour();
    // Opening the item above can reveal its children, which then come
    // before it: keep opening until the neighbour stays the same.
    while (target) {
        target->setExpanded(true);
        QTreeWidgetItem *next = neighbour();
        if (next == target)
            break;
        target = next;
    }
    if (target)
        view->setCurrentItem(target);
}

bool RYXListViewItem::isCurrent(const QTreeWidgetItem *item)
{
    return item && item->treeWidget() && item->treeWidget()->currentItem() == item;
}

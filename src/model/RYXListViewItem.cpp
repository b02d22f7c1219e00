#include "model/RYXListViewItem.h"

#include "core/RYXImages.h"
#include "model/RYXObject.h"

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

#include "app/RYXListView.h"

#include "model/RYXListViewItem.h"
#include "model/RYXObject.h"

#include <QtGui/QDragEnterEvent>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QApplication>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QToolTip>

RYXListView::RYXListView(QWidget *parent)
    : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderLabels(QStringList(tr("Devices")));
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setMouseTracking(true);
    setRootIsDecorated(true);
    connect(this, &QTreeWidget::itemSelectionChanged, this, &RYXListView::emitSelection);
    connect(this, &RYXListView::clicked, this, &RYXListView::clickedSlot);
}

RYXObject *RYXListView::objectOf(QTreeWidgetItem *item)
{
    auto *ryxItem = dynamic_cast<RYXListViewItem *>(item);
    return ryxItem ? ryxItem->object() : nullptr;
}

QTreeWidgetItem *RYXListView::selectedItem() const
{
    const QList<QTreeWidgetItem *> items = selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

void RYXListView::emitSelection()
{
    Q_EMIT selectionChanged(selectedItem());
}

void RYXListView::clickedSlot(QTreeWidgetItem *item)
{
    if (!item)
        clearSelection();
}

bool RYXListView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        showPropertiesTip(static_cast<QHelpEvent *>(event));
        return true;
    }
    return QTreeWidget::viewportEvent(event);
}

void RYXListView::showPropertiesTip(QHelpEvent *event)
{
    QTreeWidgetItem *item = itemAt(event->pos());
    RYXObject *object = objectOf(item);
    const QString html = object ? object->getPropertiesHtml() : QString();
    if (html.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(event->globalPos(), html, viewport(), visualItemRect(item));
}

void RYXListView::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    QTreeWidgetItem *item = itemAt(pos);
    const int column = item ? columnAt(pos.x()) : -1;
    m_pressPos = pos;
    m_dragArmed = event->button() == Qt::LeftButton && item;
    QTreeWidget::mousePressEvent(event);
    Q_EMIT mouseButtonPressed(int(event->button()), item, event->globalPosition().toPoint(), column);
    if (event->button() == Qt::RightButton)
        Q_EMIT rightButtonClicked(item, event->globalPosition().toPoint(), column);
}

void RYXListView::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragArmed = false;
    QTreeWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked(itemAt(event->position().toPoint()));
}

void RYXListView::mouseMoveEvent(QMouseEvent *event)
{
    // Dragging with the left button hands the current object to its own
    // drag, once the mouse has moved far enough to mean it.
    if (m_dragArmed && (event->buttons() & Qt::LeftButton)
        && (event->position().toPoint() - m_pressPos).manhattanLength()
               >= QApplication::startDragDistance()) {
        m_dragArmed = false;
        if (RYXObject *object = objectOf(currentItem())) {
            object->startDrag();
            return;
        }
    }
    QTreeWidget::mouseMoveEvent(event);
}

void RYXListView::dragEnterEvent(QDragEnterEvent *event)
{
    if (RYXObject *object = objectOf(selectedItem()))
        object->handleDragEnter(event);
    else
        event->ignore();
}

void RYXListView::dragMoveEvent(QDragMoveEvent *event)
{
    event->setAccepted(itemAt(event->position().toPoint()) != nullptr);
}

void RYXListView::dropEvent(QDropEvent *event)
{
    RYXObject *target = objectOf(itemAt(event->position().toPoint()));
    if (target)
        target->handleDrop(event);
    else
        event->ignore();
    m_dragArmed = false;
}

void RYXListView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setHeaderLabels(QStringList(tr("Devices")));
    QTreeWidget::changeEvent(event);
}

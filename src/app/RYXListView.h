#pragma once

#include <QtCore/QPoint>
#include <QtWidgets/QTreeWidget>

class RYXObject;
class RYXListViewItem;

// The device tree: one column "Devices", items in insertion order, the
// status LED as each item's icon, the object's properties as tool tip, and
// drag and drop handed to the objects.
class RYXListView : public QTreeWidget
{
    Q_OBJECT
public:
    explicit RYXListView(QWidget *parent = nullptr);

    /// The object of \a item, or null for none or a foreign item.
    static RYXObject *objectOf(QTreeWidgetItem *item);
    /// The selected item, or null.
    QTreeWidgetItem *selectedItem() const;

Q_SIGNALS:
    void DebugMessage(const QString &text);
    void rightButtonClicked(QTreeWidgetItem *item, const QPoint &globalPos, int column);
    void selectionChanged(QTreeWidgetItem *item);
    void clicked(QTreeWidgetItem *item);
    void mouseButtonPressed(int button, QTreeWidgetItem *item, const QPoint &globalPos, int column);

public Q_SLOTS:
    void clickedSlot(QTreeWidgetItem *item);

protected:
    void changeEvent(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void showPropertiesTip(QHelpEvent *event);
    void emitSelection();

    QPoint m_pressPos;
    bool m_dragArmed = false;
};

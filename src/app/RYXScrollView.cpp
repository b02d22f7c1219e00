#include "app/RYXScrollView.h"

#include "app/VELWidget.h"
#include "core/StartupFlags.h"

RYXScrollView::RYXScrollView(QWidget *parent)
    : QScrollArea(parent), m_inner(new VELWidget)
{
    m_inner->setObjectName(QStringLiteral("devicePaneOfScroll"));
    setWidget(m_inner);
    setWidgetResizable(false);
}

static QString regionSizeText(const QWidget *widget)
{
    const QRect r = widget->childrenRect();
    return QStringLiteral("%1,%2").arg(r.height()).arg(r.width());
}

void RYXScrollView::setDialog(QWidget *dialog)
{
    if (!dialog)
        return;
    debugPrint(QStringLiteral("RYXScrollView::setDialog - pre reparent newDlg childrenRegion size (h,w): %1")
                   .arg(regionSizeText(dialog)));
    // A dialog shown inside the pane is an ordinary child widget.
    dialog->setParent(m_inner, Qt::Widget);
    dialog->move(0, 0);
    dialog->setObjectName(QStringLiteral("PropDialog"));
    dialog->show();
    m_dialog = dialog;
    m_dialogMinimum = dialog->minimumSize().expandedTo(dialog->minimumSizeHint());
    debugPrint(QStringLiteral("RYXScrollView::setDialog - post reparent newDlg childrenRegion size (h,w): %1")
                   .arg(regionSizeText(dialog)));
}

void RYXScrollView::fitToViewport()
{
    int width = viewport()->width();
    int height = viewport()->height();
    if (m_dialog) {
        if (m_dialogMinimum.width() > width) {
            width = m_dialogMinimum.width();
            debugPrint(QStringLiteral("using min dialog width"));
        }
        if (m_dialogMinimum.height() > height) {
            height = m_dialogMinimum.height();
            debugPrint(QStringLiteral("using min dialog height"));
        }
    }
    m_inner->resize(width, height);
    if (m_dialog)
        m_dialog->resize(width, height);
    debugPrint(QStringLiteral("New ScrollPane size (h,w): %1,%2").arg(height).arg(width));
}

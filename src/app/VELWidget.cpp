#include "app/VELWidget.h"

#include "core/StartupFlags.h"

#include <QtGui/QResizeEvent>

VELWidget::VELWidget(QWidget *parent)
    : QWidget(parent)
{
}

void VELWidget::resizeEvent(QResizeEvent *event)
{
    debugPrint(QStringLiteral("VELWidget resized to (h,w): %1,%2")
                   .arg(event->size().height())
                   .arg(event->size().width()));
    QWidget::resizeEvent(event);
}

#pragma once

#include <QtWidgets/QWidget>

// The inner widget of the property pane; the current property dialog is
// its only child.
class VELWidget : public QWidget
{
    Q_OBJECT
public:
    explicit VELWidget(QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;
};

#pragma once

#include <QtCore/QPointer>
#include <QtWidgets/QScrollArea>

class VELWidget;

// The property pane: shows the selected object's property dialog at the
// top left, never smaller than the dialog's minimum size (scrolling when
// the pane is smaller).
class RYXScrollView : public QScrollArea
{
    Q_OBJECT
public:
    explicit RYXScrollView(QWidget *parent = nullptr);

    /// Shows \a dialog in the pane; the pane takes it over as a child.
    void setDialog(QWidget *dialog);
    QWidget *currentDialog() const { return m_dialog; }
    /// Sizes the inner widget and the dialog to the visible area.
    void fitToViewport();

private:
    VELWidget *m_inner;
    QPointer<QWidget> m_dialog;
    QSize m_dialogMinimum;
};

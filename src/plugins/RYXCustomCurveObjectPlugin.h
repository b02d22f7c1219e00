#pragma once

#include "model/RYXClassInfo.h"
#include "model/RYXObjectPlugin.h"

#include <QtCore/QList>
#include <QtCore/QPointF>

class QAction;
class QWidget;

// The "Custom Curve" child of an input channel: a table of up to 128
// (X, Y) points that the station applies to the measurement before scaling,
// held in the channel's database. It checks that X rises by at least the
// minimum step, takes the curve's output range from its first and last Y,
// imports and exports the table as CSV, and lets the channel move the
// curve to and from the device.
class RYXCustomCurveObjectPlugin : public RYXObjectPlugin
{
    Q_OBJECT
public:
    static constexpr int MaxPoints = 128;
    static constexpr double MinimumStep = 0.05;

    static const RYXClassInfo Info;

    /// \a moduleType is the module type code of the channel's module (kept
    /// for the channel classes; the curve does not depend on it).
    explicit RYXCustomCurveObjectPlugin(RYXObject *host = nullptr, int moduleType = -1);

    /// Stores \a value as X (\a column 0) or Y (any other column) of point
    /// \a row + 1, and refreshes the user interface.
    void setPoint(int row, int column, float value);

    /// "customcurvenumpts" as the validation reads it.
    int pointCount();
    /// The points the table shows: the first pointCount(), at most MaxPoints.
    QList<QPointF> points();
    /// The number (from 1) of the first point whose X does not rise by at
    /// least MinimumStep over the point before it; 0 when every one does.
    int firstNonRisingPoint();

    /// Adds the Import and Export commands to the context menu.
    bool createPopupMenu() override;
    /// "upload" and "download" run the channel's "uploadcurve" and "downloadcurve".
    int executeOperation(const QString &op, bool topLevel = true) override;
    /// Validates the curve, then refreshes the open dialog.
    void updateDialog() override;

    /// Recomputes the validity points, the curve range, the error message
    /// and the configuration-error status.
    void validate();

public Q_SLOTS:
    void importCSVSlot();
    void exportCSVSlot();

private:
    static QString xKey(int point);
    static QString yKey(int point);
    double xOf(int point);
    /// Replaces the curve by \a points (at least two, at most MaxPoints).
    void storeCurve(const QList<QPointF> &points);
    /// The widget the command's boxes stand over: the dialog when it shows this plug-in.
    QWidget *boxParent() const;
    static void warn(QWidget *parent, const QString &text);

    QAction *m_importAction = nullptr;
    QAction *m_exportAction = nullptr;
};

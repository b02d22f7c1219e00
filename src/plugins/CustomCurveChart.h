#pragma once

#include <QtCharts/QChartView>
#include <QtCore/QList>
#include <QtCore/QPointF>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

// The plot beside a custom curve's table: the curve as a line through its
// points, and a red mark on the first point whose X does not rise enough.
class CustomCurveChart : public QChartView
{
    Q_OBJECT
public:
    explicit CustomCurveChart(QWidget *parent = nullptr);

    /// Draws \a points and marks point \a broken (counted from 1; 0: none).
    void showCurve(const QList<QPointF> &points, int broken);

    QLineSeries *curveSeries() const { return m_curve; }
    QScatterSeries *markSeries() const { return m_mark; }

private:
    /// Fits \a axis to [\a low, \a high], with room around a single value.
    static void fit(QValueAxis *axis, double low, double high);

    QLineSeries *m_curve;
    QScatterSeries *m_mark;
    QValueAxis *m_xAxis;
    QValueAxis *m_yAxis;
};

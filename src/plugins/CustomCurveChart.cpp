#include "plugins/CustomCurveChart.h"

#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>

CustomCurveChart::CustomCurveChart(QWidget *parent)
    // The view owns the chart it is built with; a chart passed to setChart
    // later would leave the view's first chart to nobody.
    : QChartView(new QChart, parent),
      m_curve(new QLineSeries),
      m_mark(new QScatterSeries),
      m_xAxis(new QValueAxis),
      m_yAxis(new QValueAxis)
{
    m_curve->setObjectName(QStringLiteral("curveSeries"));
    m_curve->setPointsVisible(true);
    m_mark->setObjectName(QStringLiteral("markSeries"));
    m_mark->setColor(QColor(255, 0, 0));
    m_mark->setMarkerSize(12);
    m_xAxis->setTitleText(tr("X"));
    m_yAxis->setTitleText(tr("Y"));
    QChart *plot = chart();
    plot->legend()->hide();
    plot->addSeries(m_curve);
    plot->addSeries(m_mark);
    plot->addAxis(m_xAxis, Qt::AlignBottom);
    plot->addAxis(m_yAxis, Qt::AlignLeft);
    for (QAbstractSeries *series : plot->series()) {
        series->attachAxis(m_xAxis);
        series->attachAxis(m_yAxis);
    }
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(280, 220);
}

void CustomCurveChart::fit(QValueAxis *axis, double low, double high)
{
    const double margin = high > low ? (high - low) * 0.05 : 1.0;
    axis->setRange(low - margin, high + margin);
}

void CustomCurveChart::showCurve(const QList<QPointF> &points, int broken)
{
    m_curve->replace(points);
    m_mark->clear();
    if (broken >= 1 && broken <= points.size())
        m_mark->append(points.at(broken - 1));
    if (points.isEmpty())
        return;
    const auto [left, right] = std::minmax_element(points.cbegin(), points.cend(),
                                                   [](QPointF a, QPointF b) { return a.x() < b.x(); });
    const auto [bottom, top] = std::minmax_element(points.cbegin(), points.cend(),
                                                   [](QPointF a, QPointF b) { return a.y() < b.y(); });
    fit(m_xAxis, left->x(), right->x());
    fit(m_yAxis, bottom->y(), top->y());
}

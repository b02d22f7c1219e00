#pragma once

#include "dialogs/ConfigBaseDialog.h"

#include <memory>

namespace Ui {
class CustomCurvePluginForm;
}
class RYXCustomCurveObjectPlugin;

// The property dialog of a custom curve plug-in: the number of points (a
// bound text field), the curve's table of X and Y values, the validation's
// message and a plot of the curve that follows every edit.
class CustomCurvePluginDialog : public ConfigBaseDialog
{
    Q_OBJECT
public:
    explicit CustomCurvePluginDialog(RYXCustomCurveObjectPlugin *plugin, QWidget *parent = nullptr);
    ~CustomCurvePluginDialog() override;

    void updateControls() override;

public Q_SLOTS:
    void tableValueChangedSlot(int row, int column);

private:
    RYXCustomCurveObjectPlugin *plugin() const;
    void showTable(const QList<QPointF> &points);

    std::unique_ptr<Ui::CustomCurvePluginForm> m_ui;
};

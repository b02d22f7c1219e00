#pragma once

#include <QtCore/QStringList>
#include <QtWidgets/QDialog>

#include <memory>

namespace Ui {
class treeLegendForm;
}

// Explains the status LEDs of the device tree, one row per LED.
class TreeLegendDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TreeLegendDialog(QWidget *parent = nullptr);
    ~TreeLegendDialog() override;

    /// The image names shown, top to bottom.
    static QStringList ledNames();

protected:
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::treeLegendForm> m_ui;
};

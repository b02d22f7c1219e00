#pragma once

#include <QtCore/QPointer>
#include <QtWidgets/QDialog>

class DiscreteModuleObject;
class QCheckBox;
class QPushButton;

// The input and output test of the discrete modules: one check box per
// channel showing the module's I/O word ("iomask", channel n in bit
// 24 + n - 1). Read asks the station for the word; in output mode Apply
// sends the word the boxes show. The boxes are no configuration.
class DiscreteIOControlDialog : public QDialog
{
    Q_OBJECT
public:
    enum Mode { Input, Output };
    static constexpr int MaxChannels = 8;

    DiscreteIOControlDialog(DiscreteModuleObject *module, Mode mode, QWidget *parent = nullptr);

    /// The word the check boxes show.
    unsigned shownWord() const;

public Q_SLOTS:
    void applyClickedSlot();
    void readClickedSlot();
    void cancelClickedSlot();
    /// Shows the module's "iomask".
    void refresh();

private:
    void request(const QString &operation);

    QPointer<DiscreteModuleObject> m_module;
    QList<QCheckBox *> m_boxes;
    int m_channels = 0;
};

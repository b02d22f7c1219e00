#include "io/DiscreteIOControlDialog.h"

#include "io/DiscreteModuleObject.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

DiscreteIOControlDialog::DiscreteIOControlDialog(DiscreteModuleObject *module, Mode mode, QWidget *parent)
    : QDialog(parent), m_module(module)
{
    setObjectName(QStringLiteral("iocontroldlg"));
    setWindowTitle(tr("Discrete I/O Control"));
    auto *page = new QVBoxLayout(this);
    auto *group = new QGroupBox(mode == Output ? tr("Output Control") : tr("Input Control"), this);
    group->setObjectName(QStringLiteral("controlGroupBox"));
    auto *grid = new QGridLayout(group);
    auto *name = new QLabel(module ? module->getName() : QString(), group);
    name->setObjectName(QStringLiteral("moduleLabel"));
    grid->addWidget(name, 0, 0, 1, 4);
    m_channels = module ? qMin(module->channelCount(), int(MaxChannels)) : 0;
    const QString tip = mode == Output
                            ? tr("Reads, writes and displays the current state of the relays (not a configuration "
                                 "setting)")
                            : tr("Reads and displays the current state of the inputs (not a configuration setting)");
    for (int n = 1; n <= MaxChannels; ++n) {
        auto *box = new QCheckBox(tr("Channel %1").arg(n), group);
        box->setObjectName(QStringLiteral("channel%1CheckBox").arg(n));
        box->setToolTip(tip);
        box->setVisible(n <= m_channels);
        // Inputs are only shown.
        box->setEnabled(mode == Output);
        grid->addWidget(box, 1 + (n - 1) / 4, (n - 1) % 4);
        m_boxes << box;
    }
    page->addWidget(group);
    auto *buttons = new QHBoxLayout;
    const std::pair<const char *, QString> rows[] = {
        {"applyButton", tr("Apply")}, {"readButton", tr("Read")}, {"cancelButton", tr("Cancel")}};
    for (const auto &[objectName, text] : rows) {
        auto *button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(objectName));
        buttons->addWidget(button);
    }
    page->addLayout(buttons);
    auto *apply = findChild<QPushButton *>(QStringLiteral("applyButton"));
    apply->setVisible(mode == Output);
    connect(apply, &QPushButton::clicked, this, &DiscreteIOControlDialog::applyClickedSlot);
    connect(findChild<QPushButton *>(QStringLiteral("readButton")), &QPushButton::clicked, this,
            &DiscreteIOControlDialog::readClickedSlot);
    connect(findChild<QPushButton *>(QStringLiteral("cancelButton")), &QPushButton::clicked, this,
            &DiscreteIOControlDialog::cancelClickedSlot);
    // The module reports from the connection thread; the refresh runs here.
    if (module)
        connect(module, &DiscreteModuleObject::ioStateChanged, this, &DiscreteIOControlDialog::refresh,
                Qt::QueuedConnection);
    refresh();
}

unsigned DiscreteIOControlDialog::shownWord() const
{
    QList<bool> states;
    for (int n = 1; n <= m_channels; ++n)
        states << m_boxes.at(n - 1)->isChecked();
    return DiscreteModuleObject::ioWord(states);
}

void DiscreteIOControlDialog::refresh()
{
    if (!m_module)
        return;
    const unsigned word = m_module->getUInt(QStringLiteral("iomask"));
    for (int n = 1; n <= m_boxes.size(); ++n)
        m_boxes.at(n - 1)->setChecked(DiscreteModuleObject::ioState(word, n));
}

void DiscreteIOControlDialog::request(const QString &operation)
{
    if (m_module)
        m_module->requestOperation(operation);
}

void DiscreteIOControlDialog::applyClickedSlot()
{
    if (!m_module)
        return;
    m_module->setValue(QStringLiteral("iomask"), shownWord());
    request(QStringLiteral("applyio"));
}

void DiscreteIOControlDialog::readClickedSlot()
{
    request(QStringLiteral("readio"));
}

void DiscreteIOControlDialog::cancelClickedSlot()
{
    reject();
}

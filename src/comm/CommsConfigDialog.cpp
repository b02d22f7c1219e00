#include "comm/CommsConfigDialog.h"

#include "ui_CommsConfigForm.h"

namespace {
constexpr int NamedPorts = 4; // "COM 1" to "COM 4"
}

CommsConfigDialog::CommsConfigDialog(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CommsConfigForm>())
{
    m_ui->setupUi(this);
    connect(m_ui->RSRadioButton, &QRadioButton::clicked, this, &CommsConfigDialog::RSClickedSlot);
    connect(m_ui->TCPRadioButton, &QRadioButton::clicked, this, &CommsConfigDialog::TCPClickedSlot);
    connect(m_ui->portComboBox, &QComboBox::activated, this, &CommsConfigDialog::portComboChanged);
    portComboChanged(0);
}

CommsConfigDialog::~CommsConfigDialog() = default;

void CommsConfigDialog::RSClickedSlot()
{
    m_ui->RSGroupBox->setEnabled(true);
    m_ui->TCPGroupBox->setEnabled(false);
}

void CommsConfigDialog::TCPClickedSlot()
{
    m_ui->RSGroupBox->setEnabled(false);
    m_ui->TCPGroupBox->setEnabled(true);
}

void CommsConfigDialog::portComboChanged(int index)
{
    const bool other = index == OtherIndex;
    m_ui->otherLabel->setEnabled(other);
    m_ui->otherEdit->setEnabled(other);
    m_ui->otherLabel->setVisible(other);
    m_ui->otherEdit->setVisible(other);
}

void CommsConfigDialog::setPhysicalChoiceVisible(bool visible)
{
    m_ui->PhysicalGroupBox->setVisible(visible);
}

void CommsConfigDialog::presentRS232(int comPort, bool rsOnly, const QString &devicePath)
{
    m_ui->RSRadioButton->setChecked(true);
    int index = qBound(0, comPort - 1, NamedPorts - 1);
    if (!devicePath.isEmpty() || comPort > NamedPorts) {
        index = OtherIndex;
        m_ui->otherEdit->setText(devicePath.isEmpty() ? QString::asprintf("%d", comPort) : devicePath);
    }
    m_ui->portComboBox->setCurrentIndex(index);
    portComboChanged(index);
    RSClickedSlot();
    if (rsOnly) {
        setPhysicalChoiceVisible(false);
        m_ui->TCPGroupBox->setVisible(false);
    }
}

void CommsConfigDialog::presentTCPIP(const QString &address, bool tcpOnly)
{
    m_ui->TCPRadioButton->setChecked(true);
    if (!address.isEmpty())
        m_ui->IPComboBox->setCurrentText(address);
    else if (m_ui->IPComboBox->count() > 0)
        m_ui->IPComboBox->setCurrentIndex(0);
    TCPClickedSlot();
    if (tcpOnly) {
        setPhysicalChoiceVisible(false);
        m_ui->RSGroupBox->setVisible(false);
    }
}

void CommsConfigDialog::setRecentAddresses(const QStringList &addresses)
{
    m_ui->IPComboBox->clear();
    m_ui->IPComboBox->addItems(addresses);
}

QString CommsConfigDialog::otherText() const
{
    return m_ui->otherEdit->text().trimmed();
}

int CommsConfigDialog::chosenComPort() const
{
    if (m_ui->TCPRadioButton->isChecked())
        return 0;
    if (!m_ui->RSRadioButton->isChecked())
        return -1;
    const int index = m_ui->portComboBox->currentIndex();
    if (index != OtherIndex)
        return index + 1;
    bool number = false;
    const int port = otherText().toInt(&number);
    if (number)
        return port > 0 ? port : -1;
    return otherText().isEmpty() ? -1 : DevicePathPort;
}

QString CommsConfigDialog::chosenDevicePath() const
{
    return chosenComPort() == DevicePathPort ? otherText() : QString();
}

QString CommsConfigDialog::chosenIPAddress() const
{
    return m_ui->IPComboBox->currentText().trimmed();
}

void CommsConfigDialog::setReplyTimeouts(int serialMs, int tcpMs)
{
    m_ui->RSTimeoutSpinBox->setValue(serialMs / 1000.0);
    m_ui->TCPTimeoutSpinBox->setValue(tcpMs / 1000.0);
}

int CommsConfigDialog::replyTimeout(bool tcp) const
{
    const QDoubleSpinBox *box = tcp ? m_ui->TCPTimeoutSpinBox : m_ui->RSTimeoutSpinBox;
    return qRound(box->value() * 1000.0);
}

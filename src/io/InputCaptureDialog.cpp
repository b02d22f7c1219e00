#include "io/InputCaptureDialog.h"

#include "ui_InputCaptureForm.h"

InputCaptureDialog::InputCaptureDialog(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::InputCaptureForm>())
{
    m_ui->setupUi(this);
    setObjectName(QStringLiteral("ltdlg"));
    connect(m_ui->NextButton, &QPushButton::clicked, this, &InputCaptureDialog::NextClickedSlot);
    connect(m_ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

InputCaptureDialog::~InputCaptureDialog() = default;

void InputCaptureDialog::setChannel(int moduleNumber, int channelNumber)
{
    m_ui->ChannelLabel->setText(tr("Module: %1 Channel: %2").arg(moduleNumber).arg(channelNumber));
}

QString InputCaptureDialog::activityText() const
{
    return m_ui->ActivityText->text();
}

void InputCaptureDialog::showCapturing()
{
    m_ui->NextButton->setEnabled(false);
    m_ui->ActivityText->setText(tr("Please wait while capturing input..."));
}

void InputCaptureDialog::showCaptured(float value)
{
    m_value = value;
    m_hasValue = true;
    m_ui->ActivityText->setText(tr("Captured Value: %1").arg(double(value), 0, 'f', 2) + QLatin1Char('\n')
                                + tr("Click Accept to use this data"));
    m_ui->NextButton->setText(tr("Accept"));
    m_ui->NextButton->setEnabled(true);
}

void InputCaptureDialog::showFailure(const QString &text)
{
    m_ui->ActivityText->setText(text);
}

void InputCaptureDialog::NextClickedSlot()
{
    if (m_hasValue)
        accept();
    else
        emit nextClicked();
}

#include "io/AOControlOutputDialog.h"

#include "io/AOChannelObject.h"

#include <QtWidgets/QGridLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

namespace {

// The six step buttons, from the largest decrement to the largest increment.
struct StepButton
{
    const char *name;
    const char *text;
    void (AOControlOutputDialog::*slot)();
};

const StepButton Steps[] = {
    {"LargeDecrementButton", "-1", &AOControlOutputDialog::LargeDecrementClickedSlot},
    {"MediumDecrementButton", "-0.1", &AOControlOutputDialog::MediumDecrementClickedSlot},
    {"SmallDecrementButton", "-0.01", &AOControlOutputDialog::SmallDecrementClickedSlot},
    {"SmallIncrementButton", "+0.01", &AOControlOutputDialog::SmallIncrementClickedSlot},
    {"MediumIncrementButton", "+0.1", &AOControlOutputDialog::MediumIncrementClickedSlot},
    {"LargeIncrementButton", "+1", &AOControlOutputDialog::LargeIncrementClickedSlot},
};

// Only Set answers Return: a typed value is set, nothing else is pressed.
QPushButton *addButton(QBoxLayout *row, const QString &text, const char *name)
{
    auto *button = new QPushButton(text, row->parentWidget());
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

AOControlOutputDialog::AOControlOutputDialog(AOChannelObject *channel, Mode mode, QWidget *parent)
    : QDialog(parent), m_channel(channel), m_mode(mode)
{
    setObjectName(QStringLiteral("ltdlg"));
    setWindowTitle(mode == LoopTest ? tr("Analog Output Loop Test") : tr("Analog Output Trimming"));
    auto *page = new QVBoxLayout(this);
    // The window drives real plant equipment: it says which output.
    auto *warning = new QLabel(tr("Caution: this window drives the real output of %1. Equipment connected to it "
                                  "follows every value set here.")
                                   .arg(channel->placeText()),
                               this);
    warning->setObjectName(QStringLiteral("safetyLabel"));
    warning->setWordWrap(true);
    warning->setStyleSheet(QStringLiteral("font-weight: bold"));
    page->addWidget(warning);
    const AOChannelObject::Limits limits = channel->limits();
    auto *range = new QLabel(tr("Valid Range: %1 to %2 ")
                                     .arg(QString::asprintf("%.2f", limits.low), QString::asprintf("%.2f", limits.high))
                                 + channel->outputUnit(),
                             this);
    range->setObjectName(QStringLiteral("rangeLabel"));
    page->addWidget(range);
    auto *grid = new QGridLayout;
    m_valueEdit = new QLineEdit(this);
    m_valueEdit->setObjectName(QStringLiteral("valueEdit"));
    grid->addWidget(m_valueEdit, 0, 0, 1, 6);
    buildSteps(grid);
    page->addLayout(grid);
    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("noticeLabel"));
    page->addWidget(m_notice);
    auto *buttons = new QHBoxLayout;
    QPushButton *set = addButton(buttons, tr("Set"), "SetButton");
    set->setDefault(true);
    connect(set, &QPushButton::clicked, this, &AOControlOutputDialog::SetButtonClickedSlot);
    QPushButton *accept = addButton(buttons, tr("Accept"), "AcceptButton");
    connect(accept, &QPushButton::clicked, this, &AOControlOutputDialog::AcceptButtonClickedSlot);
    // A loop test has nothing to accept: it only ends.
    accept->setVisible(mode != LoopTest);
    connect(addButton(buttons, mode == LoopTest ? tr("Close") : tr("Cancel"), "CancelButton"), &QPushButton::clicked,
            this, &AOControlOutputDialog::CancelButtonClickedSlot);
    page->addLayout(buttons);
    m_value = channel->getString(QStringLiteral("output")).toDouble();
    showValue();
    // However it closes, the output stays where the last value put it.
    connect(this, &QDialog::finished, this, [this] {
        if (m_channel)
            m_channel->recordOutputLeft();
    });
}

void AOControlOutputDialog::buildSteps(QGridLayout *grid)
{
    int column = 0;
    for (const StepButton &row : Steps) {
        auto *button = new QPushButton(QLatin1String(row.text), this);
        button->setObjectName(QLatin1String(row.name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, row.slot);
        grid->addWidget(button, 1, column++);
    }
}

void AOControlOutputDialog::showValue()
{
    m_valueEdit->setText(QString::asprintf("%.2f", m_value));
}

void AOControlOutputDialog::applyValue(double value)
{
    m_value = value;
    showValue();
    if (!m_channel)
        return;
    // The value is not clamped: the station limits its output itself.
    m_channel->setValue(QStringLiteral("output"), QString::asprintf("%f", value));
    const bool sent = m_channel->requestOperation(QStringLiteral("writeOutput"));
    m_notice->setText(sent ? QString() : tr("The station is not connected: the output was not changed."));
}

void AOControlOutputDialog::step(double delta)
{
    applyValue(m_value + delta);
}

void AOControlOutputDialog::LargeDecrementClickedSlot() { step(-1.0); }
void AOControlOutputDialog::MediumDecrementClickedSlot() { step(-0.1); }
void AOControlOutputDialog::SmallDecrementClickedSlot() { step(-0.01); }
void AOControlOutputDialog::SmallIncrementClickedSlot() { step(0.01); }
void AOControlOutputDialog::MediumIncrementClickedSlot() { step(0.1); }
void AOControlOutputDialog::LargeIncrementClickedSlot() { step(1.0); }

void AOControlOutputDialog::SetButtonClickedSlot()
{
    bool ok = false;
    const double typed = m_valueEdit->text().trimmed().toDouble(&ok);
    if (!ok) {
        m_notice->setText(tr("Not a number: the output was not changed."));
        showValue();
        return;
    }
    applyValue(typed);
}

void AOControlOutputDialog::AcceptButtonClickedSlot()
{
    if (m_channel && m_mode != LoopTest) {
        m_channel->setValue(m_mode == TrimLower ? QStringLiteral("trimcapturez") : QStringLiteral("trimcapturef"),
                            m_channel->getString(QStringLiteral("output")));
        m_channel->updateDialog();
    }
    accept();
}

void AOControlOutputDialog::CancelButtonClickedSlot()
{
    reject();
}

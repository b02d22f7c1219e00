#include "app/RYXProgressDialog.h"

#include "core/RYXImages.h"

#include "ui_RYXProgressForm.h"

#include <QtCore/QEvent>

namespace {
// The bar's range while an operation has not said how many steps it takes.
constexpr int DefaultStepCount = 100;
} // namespace

RYXProgressDialog::RYXProgressDialog(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::RYXProgressForm>())
{
    m_ui->setupUi(this);
    setWindowIcon(RYXImages::icon(QStringLiteral("VEL")));
    setWindowTitle(QString());
}

RYXProgressDialog::~RYXProgressDialog() = default;

void RYXProgressDialog::showProgress(int mode, int ownerId)
{
    switch (mode) {
    case Open:
        open(ownerId);
        break;
    case Close:
        if (ownerId == m_ownerId && isVisible())
            hide();
        break;
    case FinishOwner:
        if (ownerId == m_ownerId)
            finish();
        break;
    case Finish:
        finish();
        break;
    case Resume:
        if (isVisible())
            setRunning(true);
        break;
    default:
        break;
    }
}

void RYXProgressDialog::open(int ownerId)
{
    // A second open while an operation shows its progress only raises the
    // dialog: the first operation keeps its results and caption.
    if (!isVisible()) {
        m_ownerId = ownerId;
        m_ui->resultList->clear();
        m_ui->subopLabel->clear();
        m_counted = false;
        m_ui->subopProgress->setRange(0, DefaultStepCount);
        m_ui->subopProgress->setValue(0);
        setWindowTitle(QString());
        setRunning(true);
        show();
    }
    raise();
}

void RYXProgressDialog::finish()
{
    if (!isVisible())
        return;
    setRunning(false);
    m_ui->buttonOK->setFocus();
}

void RYXProgressDialog::setRunning(bool running)
{
    m_ui->buttonOK->setEnabled(!running);
    m_ui->buttonCancel->setEnabled(running);
    m_ui->buttonOK->setDefault(!running);
}

void RYXProgressDialog::addProgressResult(const QString &iconName, const QString &text)
{
    auto *line = new QListWidgetItem(RYXImages::icon(iconName), text, m_ui->resultList);
    m_ui->resultList->setCurrentItem(line);
    m_ui->resultList->scrollToItem(line);
}

void RYXProgressDialog::setProgressTitle(const QString &text)
{
    m_ui->subopLabel->setText(text);
    if (!m_counted)
        m_ui->subopProgress->setValue(0);
    if (windowTitle().isEmpty())
        setWindowTitle(text);
}

void RYXProgressDialog::setProgressStep(int step)
{
    if (!isVisible())
        return;
    // The number of steps is not known in advance: past the end the bar stays full.
    m_ui->subopProgress->setValue(qBound(m_ui->subopProgress->minimum(), step,
                                        m_ui->subopProgress->maximum()));
}

void RYXProgressDialog::setProgressStepCount(int count)
{
    if (count <= 0)
        return;
    m_counted = true;
    m_ui->subopProgress->setRange(0, count);
    m_ui->subopProgress->setValue(0);
}

void RYXProgressDialog::reject()
{
    // Escape or the window's close button on a finished dialog only closes
    // it: there is no operation left to cancel.
    if (m_ui->buttonCancel->isEnabled())
        Q_EMIT cancelled();
    QDialog::reject();
}

void RYXProgressDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

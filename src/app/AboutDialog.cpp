#include "app/AboutDialog.h"

#include "core/RYXImages.h"
#include "core/StartupFlags.h"

#include "ui_AboutForm.h"

#include <QtCore/QEvent>

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::AboutForm>())
{
    m_ui->setupUi(this);
    setWindowIcon(RYXImages::icon(QStringLiteral("VEL")));
    m_ui->iconLabel->setPixmap(RYXImages::pixmap(QStringLiteral("VEL")));
    fillIn();
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::fillIn()
{
    m_ui->versionLabel->setText(tr("Version ") + QLatin1String(RYXProgramVersion));
    m_ui->partNumberLabel->setText(tr("Part Number ") + QLatin1String(RYXProgramPartNumber));
}

void AboutDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        fillIn();
    }
    QDialog::changeEvent(event);
}

#include "app/HelpSelectorImpl.h"

#include "core/RYXImages.h"
#include "core/RYXPrompter.h"

#include "ui_HelpSelector.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QEvent>
#include <QtCore/QFileInfo>
#include <QtCore/QUrl>
#include <QtGui/QDesktopServices>

namespace {

HelpSelectorImpl::Opener &installedOpener()
{
    static HelpSelectorImpl::Opener opener;
    return opener;
}

bool openDocument(const QUrl &url)
{
    const HelpSelectorImpl::Opener &opener = installedOpener();
    return opener ? opener(url) : QDesktopServices::openUrl(url);
}

} // namespace

HelpSelectorImpl::HelpSelectorImpl(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::HelpSelector>())
{
    m_ui->setupUi(this);
    setWindowIcon(RYXImages::icon(QStringLiteral("VEL")));
    connect(m_ui->EMMButton, &QPushButton::clicked, this, &HelpSelectorImpl::EMMSlot);
    connect(m_ui->EIMButton, &QPushButton::clicked, this, &HelpSelectorImpl::EIMSlot);
    connect(m_ui->MIMButton, &QPushButton::clicked, this, &HelpSelectorImpl::MIMSlot);
    connect(m_ui->OmbraButton, &QPushButton::clicked, this, &HelpSelectorImpl::OmbraSlot);
    connect(m_ui->DORVButton, &QPushButton::clicked, this, &HelpSelectorImpl::DORVSlot);
}

HelpSelectorImpl::~HelpSelectorImpl() = default;

void HelpSelectorImpl::setOpener(Opener opener)
{
    installedOpener() = std::move(opener);
}

QString HelpSelectorImpl::locateManual(const QString &fileName)
{
    const QStringList places = {QDir::currentPath(), QCoreApplication::applicationDirPath()};
    for (const QString &place : places) {
        const QFileInfo candidate(QDir(place), fileName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return QString();
}

void HelpSelectorImpl::openManual(const QString &fileName)
{
    QString path = locateManual(fileName);
    if (path.isEmpty()) {
        const QFileInfo guide(QDir(QCoreApplication::applicationDirPath()), QLatin1String(GuideFileName));
        if (guide.isFile())
            path = guide.absoluteFilePath();
    }
    if (path.isEmpty()) {
        RYXPrompter::information(this, tr("RYX Config"),
                                 tr("The manual \"%1\" was not found in the current directory "
                                    "or beside the program.")
                                     .arg(fileName));
    } else if (!openDocument(QUrl::fromLocalFile(path))) {
        RYXPrompter::information(this, tr("RYX Config"),
                                 tr("The manual \"%1\" could not be opened: no viewer for it "
                                    "is set up on this computer.")
                                     .arg(QDir::toNativeSeparators(path)));
    }
    accept();
}

void HelpSelectorImpl::EMMSlot()
{
    openManual(QStringLiteral("ryxemm_man.pdf"));
}

void HelpSelectorImpl::EIMSlot()
{
    openManual(QStringLiteral("ryxeim_man.pdf"));
}

void HelpSelectorImpl::MIMSlot()
{
    openManual(QStringLiteral("ryxmim_man.pdf"));
}

void HelpSelectorImpl::OmbraSlot()
{
    openManual(QStringLiteral("ombra_man.pdf"));
}

void HelpSelectorImpl::DORVSlot()
{
    openManual(QStringLiteral("dorv_man.pdf"));
}

void HelpSelectorImpl::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

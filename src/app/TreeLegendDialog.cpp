#include "app/TreeLegendDialog.h"

#include "core/RYXImages.h"

#include "ui_treeLegendForm.h"

#include <QtCore/QEvent>

TreeLegendDialog::TreeLegendDialog(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::treeLegendForm>())
{
    m_ui->setupUi(this);
    setWindowIcon(RYXImages::icon(QStringLiteral("VEL")));
    const QStringList names = ledNames();
    for (int row = 0; row < names.size(); ++row) {
        auto *led = findChild<QLabel *>(QStringLiteral("ledLabel%1").arg(row + 1));
        led->setPixmap(RYXImages::pixmap(names.at(row)));
        led->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    }
}

TreeLegendDialog::~TreeLegendDialog() = default;

QStringList TreeLegendDialog::ledNames()
{
    return {QStringLiteral("OliveLED"),      QStringLiteral("GreenLED"),
            QStringLiteral("SmallOliveLED"), QStringLiteral("SmallGreenLED"),
            QStringLiteral("SmallYellowLED"), QStringLiteral("SmallRedLED")};
}

void TreeLegendDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui->retranslateUi(this);
    QDialog::changeEvent(event);
}

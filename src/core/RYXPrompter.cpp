#include "core/RYXPrompter.h"

#include "core/RYXWidgetPrompter.h"

namespace {
RYXPrompter *installedPrompter = nullptr;
}

RYXPrompter::~RYXPrompter() = default;

RYXPrompter *RYXPrompter::instance()
{
    static RYXWidgetPrompter widgetPrompter;
    return installedPrompter ? installedPrompter : &widgetPrompter;
}

void RYXPrompter::setInstance(RYXPrompter *prompter)
{
    installedPrompter = prompter;
}

QMessageBox::StandardButton RYXPrompter::messageWithCheckBox(
        QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text,
        const QString &, bool *, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton, QMessageBox::StandardButton escapeButton)
{
    return message(icon, parent, title, text, buttons, defaultButton, escapeButton);
}

void RYXPrompter::information(QWidget *parent, const QString &title, const QString &text)
{
    instance()->message(QMessageBox::Information, parent, title, text, QMessageBox::Ok,
                        QMessageBox::Ok, QMessageBox::NoButton);
}

bool RYXPrompter::warningYesNo(QWidget *parent, const QString &title, const QString &text)
{
    return instance()->message(QMessageBox::Warning, parent, title, text,
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
                               QMessageBox::No)
           == QMessageBox::Yes;
}

bool RYXPrompter::questionYesNo(QWidget *parent, const QString &title, const QString &text)
{
    return instance()->message(QMessageBox::Question, parent, title, text,
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
                               QMessageBox::No)
           == QMessageBox::Yes;
}

QString RYXPrompter::openFileName(QWidget *parent, const QString &filter, const QString &caption)
{
    return instance()->getOpenFileName(parent, caption, filter);
}

QString RYXPrompter::saveFileName(QWidget *parent, const QString &filter, const QString &caption)
{
    return instance()->getSaveFileName(parent, caption, filter);
}

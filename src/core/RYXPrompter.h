#pragma once

#include <QtCore/QString>
#include <QtWidgets/QMessageBox>

class QWidget;

// The one place through which the program shows message boxes and file
// dialogs. The default shows real modal widgets; tests and the headless
// front end install another prompter that answers from a script or policy.
class RYXPrompter
{
public:
    virtual ~RYXPrompter();

    /// The prompter in use (the widget prompter unless one was installed).
    static RYXPrompter *instance();
    /// Installs \a prompter (not owned); null restores the widget prompter.
    static void setInstance(RYXPrompter *prompter);

    virtual QMessageBox::StandardButton message(QMessageBox::Icon icon, QWidget *parent,
                                                const QString &title, const QString &text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton,
                                                QMessageBox::StandardButton escapeButton) = 0;
    /// message() with a check box labelled \a checkBoxText under the text;
    /// \a checked gives its state on entry and takes it on return. This
    /// base leaves the box out (and \a checked as it was).
    virtual QMessageBox::StandardButton messageWithCheckBox(
            QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text,
            const QString &checkBoxText, bool *checked, QMessageBox::StandardButtons buttons,
            QMessageBox::StandardButton defaultButton, QMessageBox::StandardButton escapeButton);
    virtual QString getOpenFileName(QWidget *parent, const QString &caption,
                                    const QString &filter) = 0;
    virtual QString getSaveFileName(QWidget *parent, const QString &caption,
                                    const QString &filter) = 0;

    // Conveniences over message().
    static void information(QWidget *parent, const QString &title, const QString &text);
    /// Warning box with Yes (default) and No (escape); true for Yes.
    static bool warningYesNo(QWidget *parent, const QString &title, const QString &text);
    /// Question box with Yes and No; true for Yes.
    static bool questionYesNo(QWidget *parent, const QString &title, const QString &text);
    static QString openFileName(QWidget *parent, const QString &filter,
                                const QString &caption = QString());
    static QString saveFileName(QWidget *parent, const QString &filter,
                                const QString &caption = QString());
};

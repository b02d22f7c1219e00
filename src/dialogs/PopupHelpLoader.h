#pragma once

#include <QtCore/QLatin1String>
#include <QtCore/QList>
#include <QtCore/QLoggingCategory>
#include <QtCore/QString>

class QWidget;

Q_DECLARE_LOGGING_CATEGORY(lcDialogs)

// Reads the embedded popup help pages ("popuphelp/<page>.html") and gives
// their texts to the controls they name. A page is a list of entries
// "<!--w controlName -->body" (What's This text) or "<!--t controlName -->body"
// (any first letter other than "w": tool tip). A dialog's own page names
// only its controls, and an entry whose control is missing is reported; the
// common page serves the controls that many dialogs share, so each dialog
// takes from it only the entries of the controls it has.
class PopupHelpLoader
{
public:
    /// The page of the controls that many dialogs share.
    static const QLatin1String CommonPage;

    struct Entry
    {
        bool whatsThis = false;
        QString controlName;
        QString body;
    };

    /// Splits a help page into its entries, in page order.
    static QList<Entry> parse(const QString &page);
    /// Reads the embedded page \a name; false (and \a page empty) when there is none.
    static bool readPage(const QString &name, QString &page);
    /// Applies the entries of the embedded page \a name to the descendants of
    /// \a root; returns how many entries found their control. Only the
    /// entries of a page other than the common page are reported when their
    /// control is missing.
    static int load(QWidget *root, const QString &name);
    /// Applies \a entries to the descendants of \a root; returns how many
    /// found their control. \a reportMissing writes the debug line
    /// "loadHelpPopups failed to find control named:" for each that did not.
    static int apply(QWidget *root, const QList<Entry> &entries, bool reportMissing = true);
    /// The descendant of \a root named \a name, by object name or by the name it had
    /// in its form before it was bound to a point; null when none.
    static QWidget *findControl(QWidget *root, const QString &name);
};

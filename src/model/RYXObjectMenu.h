#pragma once

#include <QtCore/QCoreApplication>
class QAction;
class QMenu;
class QString;
class RYXObject;

// The context menu of a tree object and its actions: Copy, Paste, Delete,
// Open, Save As and, for devices, Upload and Download, each triggering the
// object's slot of that name and carrying its menu item id as data. The
// actions belong to the object, the menu to this helper. GUI thread only.
class RYXObjectMenu
{
    Q_DECLARE_TR_FUNCTIONS(RYXObjectMenu)

public:
    explicit RYXObjectMenu(RYXObject *object);
    ~RYXObjectMenu();

    /// Builds the menu anew (the previous one goes): Delete only when
    /// \a deletable, Upload and Download only with \a transfers.
    QMenu *rebuild(bool deletable, bool transfers);
    QMenu *menu() const { return m_menu; }
    /// Enables the items whose identifiers are set in \a mask.
    void applyMask(unsigned mask);
    /// The items a tree object offers in its state: connect or disconnect
    /// for a root, upload and download online, delete offline, paste with
    /// text on the clipboard, and the commands always offered.
    static unsigned itemMask(RYXObject &object);

private:
    QAction *makeAction(const QString &menuText, const QString &iconName, const QString &objectName,
                        void (RYXObject::*slot)(), unsigned id);

    RYXObject *m_object;
    QMenu *m_menu = nullptr;
    QAction *m_copy;
    QAction *m_paste;
    QAction *m_delete;
    QAction *m_open;
    QAction *m_saveAs;
    QAction *m_upload;
    QAction *m_download;
};

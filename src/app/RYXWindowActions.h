#pragma once

#include <QtCore/QCoreApplication>
#include "model/RYXClassInfo.h"

class QAction;
class QMenu;
class QWidget;
class RYXConfigWindow;

// The main window's actions, tool bar, menu bar and popups, built from their
// tables the way a Designer form's Ui class builds its widgets, and
// retranslated on a language change. Every action is a child of the window
// (so it answers its key in no menu too) and triggers the window's slot of
// its table row; the object-creating menus list the classes of the class
// registry. Texts are translated in the "RYXWindowActions" context.
class RYXWindowActions
{
    Q_DECLARE_TR_FUNCTIONS(RYXWindowActions)

public:
    // Id of the Edit menu's "Add Module" entry.
    enum { AddModuleMenuId = 2048 };

    void setup(RYXConfigWindow *window);
    void retranslate(RYXConfigWindow *window);
    /// Enables the actions by the bits of the window's enable mask.
    void applyEnableMask(unsigned mask);

    QAction *newAction = nullptr;
    QAction *openAction = nullptr;
    QAction *closeAction = nullptr;
    QAction *saveAction = nullptr;
    QAction *saveAsAction = nullptr;
    QAction *printAction = nullptr;
    QAction *printSetupAction = nullptr;
    QAction *printPreviewAction = nullptr;
    QAction *exitAction = nullptr;
    QAction *copyAction = nullptr;
    QAction *pasteAction = nullptr;
    QAction *deleteAction = nullptr;
    QAction *addModuleAction = nullptr;
    QAction *connectAction = nullptr;
    QAction *disconnectAction = nullptr;
    QAction *configureCommsAction = nullptr;
    QAction *uploadAction = nullptr;
    QAction *downloadAction = nullptr;
    QAction *synchronizeAction = nullptr;
    QAction *helpAction = nullptr;
    QAction *aboutAction = nullptr;
    QAction *treeLegendAction = nullptr;
    /// Checked: a download reads back what it wrote (a choice kept between runs).
    QAction *readBackAction = nullptr;

    QMenu *fileMenu = nullptr;
    QMenu *newMenu = nullptr;
    QMenu *newIMPopup = nullptr;
    QMenu *connectIMPopup = nullptr;
    QMenu *uploadIMPopup = nullptr;
    QMenu *treePopup = nullptr;
    QMenu *editMenu = nullptr;
    QMenu *addModulePopup = nullptr;
    QAction *addModuleMenuAction = nullptr;
    QMenu *settingsMenu = nullptr;
    QMenu *languagesPopup = nullptr;
    QMenu *commsMenu = nullptr;
    QMenu *helpMenu = nullptr;

private:
    void createActions(RYXConfigWindow *window);
    void createToolBar(RYXConfigWindow *window);
    void createInterfaceModulePopups(RYXConfigWindow *window);
    void createMenuBar(RYXConfigWindow *window);
    void createTreePopup(RYXConfigWindow *window);
    /// The interface modules that \a list offers, with their ids as action data.
    static QMenu *createInterfaceModulePopup(RYXConfigWindow *window, RYXClassInfo::Menu list);
    static QMenu *createIOModuleMenu(RYXConfigWindow *window, QWidget *parent);
    static QMenu *createChannelMenu(RYXConfigWindow *window, QWidget *parent);
    static void fillNewMenu(RYXConfigWindow *window, QMenu *menu, QMenu *interfaceModuleMenu);
};

#include "model/RYXObjectMenu.h"

#include "core/RYXImages.h"
#include "model/RYXConfigurationText.h"
#include "model/RYXConnectionBase.h"
#include "model/RYXObject.h"

#include <QtGui/QAction>
#include <QtWidgets/QMenu>

#include <algorithm>
#include <iterator>

RYXObjectMenu::RYXObjectMenu(RYXObject *object)
    : m_object(object),
      m_copy(makeAction(tr("Copy"), QStringLiteral("Copy"), QStringLiteral("copy"),
                        &RYXObject::copySlot, RYXObject::MenuCopy)),
      m_paste(makeAction(tr("Paste"), QStringLiteral("Paste"), QStringLiteral("paste"),
                         &RYXObject::pasteSlot, RYXObject::MenuPaste)),
      m_delete(makeAction(tr("Delete"), QStringLiteral("Delete"), QStringLiteral("delete"),
                          &RYXObject::deleteSlot, RYXObject::MenuDelete)),
      m_open(makeAction(tr("&Open"), QStringLiteral("Open"), QStringLiteral("open"),
                        &RYXObject::openSlot, 0)),
      m_saveAs(makeAction(tr("&Save As"), QStringLiteral("SaveAs"), QStringLiteral("save as"),
                          &RYXObject::saveAsSlot, 0)),
      m_upload(makeAction(tr("&Upload"), QStringLiteral("Upload"), QStringLiteral("upload"),
                          &RYXObject::uploadSlot, RYXObject::MenuUpload)),
      m_download(makeAction(tr("&Download"), QStringLiteral("Download"), QStringLiteral("download"),
                            &RYXObject::downloadSlot, RYXObject::MenuDownload))
{
}

// The menu has no widget parent: the object is no widget.
RYXObjectMenu::~RYXObjectMenu()
{
    delete m_menu;
}

QAction *RYXObjectMenu::makeAction(const QString &menuText, const QString &iconName, const QString &objectName,
                                   void (RYXObject::*slot)(), unsigned id)
{
    auto *action = new QAction(RYXImages::icon(iconName), menuText, m_object);
    action->setToolTip(iconName);
    action->setObjectName(objectName);
    if (id)
        action->setData(id);
    QObject::connect(action, &QAction::triggered, m_object, slot);
    return action;
}

QMenu *RYXObjectMenu::rebuild(bool deletable, bool transfers)
{
    delete m_menu;
    m_menu = new QMenu;
    m_menu->setObjectName(QStringLiteral("Main Popup"));
    m_menu->addAction(m_copy);
    m_menu->addAction(m_paste);
    if (deletable)
        m_menu->addAction(m_delete);
    m_menu->addSeparator();
    m_menu->addAction(m_open);
    m_menu->addAction(m_saveAs);
    if (transfers) {
        m_menu->addSeparator();
        m_menu->addAction(m_upload);
        m_menu->addAction(m_download);
    }
    return m_menu;
}

void RYXObjectMenu::applyMask(unsigned mask)
{
    static const unsigned ids[] = { RYXObject::MenuCopy,       RYXObject::MenuPaste,         RYXObject::MenuConnect,
                                    RYXObject::MenuDisconnect, RYXObject::MenuConfigureComms, RYXObject::MenuUpload,
                                    RYXObject::MenuDownload,   RYXObject::MenuAddModule,      RYXObject::MenuDelete };
    const QList<QAction *> actions = m_menu ? m_menu->actions() : QList<QAction *>();
    for (QAction *action : actions) {
        bool isId = false;
        const unsigned id = action->data().toUInt(&isId);
        if (isId && std::count(std::begin(ids), std::end(ids), id))
            action->setEnabled(mask & id);
    }
    m_delete->setEnabled(mask & RYXObject::MenuDelete);
}

unsigned RYXObjectMenu::itemMask(RYXObject &object)
{
    unsigned mask = 0;
    if (RYXConnectionBase *own = object.getOwnConnection()) {
        const int state = own->state();
        if (state == 0 || state == RYXConnectionBase::Offline)
            mask |= RYXObject::MenuConnect | RYXObject::MenuConfigureComms;
        else if (state == RYXConnectionBase::Online)
            mask |= RYXObject::MenuDisconnect;
    }
    if (object.isOnline()) {
        mask |= RYXObject::MenuUpload;
    } else if (object.isDeletable()) {
        RYXConnectionBase *found = nullptr;
        if (object.getConnection(&object, found) && found->state() == RYXConnectionBase::Offline)
            mask |= RYXObject::MenuDelete;
    }
    if (object.isOnline() && !(object.getStatusFlags() & RYXObject::ConfigError))
        mask |= RYXObject::MenuDownload;
    mask |= RYXObject::MenuSaveAs | RYXObject::MenuPrintPreview | RYXObject::MenuPrint | RYXObject::MenuCopy;
    if (RYXConfigurationText::clipboardHasText())
        mask |= RYXObject::MenuPaste;
    return mask;
}

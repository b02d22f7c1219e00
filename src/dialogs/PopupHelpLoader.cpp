#include "dialogs/PopupHelpLoader.h"

#include "dialogs/ConfigBaseDialog.h"

#include <QtCore/QFile>
#include <QtWidgets/QWidget>

Q_LOGGING_CATEGORY(lcDialogs, "ryx.dialogs")

// The help pages live in a resource file of the static core library; the
// linker drops it unless something refers to its initialiser.
static void initPopupHelpResources()
{
    static const bool initialised = [] {
        Q_INIT_RESOURCE(popuphelp);
        return true;
    }();
    Q_UNUSED(initialised);
}

const QLatin1String PopupHelpLoader::CommonPage("popuphelp/popuphelp_common.html");

namespace {
const QLatin1String entryStart("<!--");
const QLatin1String headerEnd("-->");
} // namespace

QList<PopupHelpLoader::Entry> PopupHelpLoader::parse(const QString &page)
{
    QList<Entry> entries;
    qsizetype start = page.indexOf(entryStart);
    while (start >= 0) {
        const qsizetype headerStart = start + entryStart.size();
        const qsizetype headerStop = page.indexOf(headerEnd, headerStart);
        if (headerStop < 0)
            break; // an unterminated header ends the page
        const qsizetype bodyStart = headerStop + headerEnd.size();
        const qsizetype next = page.indexOf(entryStart, bodyStart);
        const QString header = page.mid(headerStart, headerStop - headerStart);
        Entry entry;
        entry.whatsThis = header.startsWith(QLatin1Char('w'));
        entry.controlName = header.mid(2).trimmed();
        entry.body = page.mid(bodyStart, next < 0 ? -1 : next - bodyStart).trimmed();
        entries.append(entry);
        start = next;
    }
    return entries;
}

bool PopupHelpLoader::readPage(const QString &name, QString &page)
{
    initPopupHelpResources();
    page.clear();
    QFile file(name.startsWith(QLatin1String(":/")) ? name : QLatin1String(":/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcDialogs).noquote() << QLatin1String("loadHelpPopups failed to open help page:") + name;
        return false;
    }
    page = QString::fromUtf8(file.readAll());
    return true;
}

int PopupHelpLoader::load(QWidget *root, const QString &name)
{
    QString page;
    if (!readPage(name, page))
        return 0;
    return apply(root, parse(page), name != CommonPage);
}

int PopupHelpLoader::apply(QWidget *root, const QList<Entry> &entries, bool reportMissing)
{
    int applied = 0;
    for (const Entry &entry : entries) {
        QWidget *control = findControl(root, entry.controlName);
        if (!control) {
            if (reportMissing)
                qCDebug(lcDialogs).noquote()
                        << QLatin1String("loadHelpPopups failed to find control named:")
                                   + entry.controlName;
            continue;
        }
        if (entry.whatsThis)
            control->setWhatsThis(entry.body);
        else
            control->setToolTip(entry.body);
        ++applied;
    }
    return applied;
}

QWidget *PopupHelpLoader::findControl(QWidget *root, const QString &name)
{
    if (!root || name.isEmpty())
        return nullptr;
    if (QWidget *byName = root->findChild<QWidget *>(name))
        return byName;
    const QList<QWidget *> all = root->findChildren<QWidget *>();
    for (QWidget *widget : all) {
        if (ConfigBaseDialog::formName(widget) == name)
            return widget;
    }
    return nullptr;
}

#include "core/RYXSaveNamePrompt.h"

#include "core/RYXPrompter.h"

#include <QtCore/QFileInfo>

QString RYXSaveNamePrompt::withDefaultExtension(const QString &name)
{
    // Only the file's own name counts: a dot in a folder name is no extension.
    if (QFileInfo(name).fileName().contains(QLatin1Char('.')))
        return name;
    return name + QStringLiteral(".xml");
}

QString RYXSaveNamePrompt::askSaveName(QWidget *parent)
{
    const QString name = RYXPrompter::saveFileName(parent, QStringLiteral("*.xml"));
    return name.isEmpty() ? name : withDefaultExtension(name);
}

QString RYXSaveNamePrompt::askSaveAsName(QWidget *parent)
{
    const QString name = askSaveName(parent);
    if (name.isEmpty() || !QFileInfo::exists(name))
        return name;
    const bool overwrite = RYXPrompter::warningYesNo(
        parent, QStringLiteral("RYX Config"),
        tr("This file already exists, would you like to overwrite it?"));
    return overwrite ? name : QString();
}

#include "app/RYXDocumentTitle.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFileInfo>

QString RYXDocumentTitle::compose(const QString &caption, bool hasDocument, const QString &fileName,
                                  bool unsaved)
{
    if (!hasDocument)
        return caption;
    const QString shown = fileName.isEmpty()
                                  ? QCoreApplication::translate("RYXConfigWindow", "Untitled")
                                  : QFileInfo(fileName).fileName();
    return shown + (unsaved ? QStringLiteral("*") : QString()) + QStringLiteral(" - ") + caption;
}

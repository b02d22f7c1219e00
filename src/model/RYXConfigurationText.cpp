#include "model/RYXConfigurationText.h"

#include "core/MessageRelay.h"
#include "core/RYXPrompter.h"
#include "core/RYXSaveNamePrompt.h"
#include "model/RYXDragIdentity.h"
#include "model/RYXListViewItem.h"
#include "model/RYXObject.h"
#include "model/RYXSysManager.h"
#include "model/VELXmlWriter.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QMimeData>
#include <QtGui/QClipboard>
#include <QtGui/QDrag>
#include <QtGui/QDragEnterEvent>
#include <QtGui/QDropEvent>
#include <QtGui/QGuiApplication>
#include <QtWidgets/QTreeWidget>

namespace {


QClipboard *clipboard()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}

void relay(const QString &text)
{
    MessageRelay::instance()->relay(text);
}

// The header line of a drag or clipboard text and the XML after it.
void splitText(const QString &text, QString &header, QString &body)
{
    const int newline = text.indexOf(QLatin1Char('\n'));
    header = newline < 0 ? text : text.left(newline);
    body = newline < 0 ? QString() : text.mid(newline + 1);
}

} // namespace

QMimeData *RYXConfigurationText::mimeData(RYXObject &object)
{
    auto *data = new QMimeData;
    data->setText(QString::number(object.dragIdentity()) + QLatin1Char('\n') + VELXmlWriter::toXml(object));
    return data;
}

void RYXConfigurationText::copy(RYXObject &object)
{
    if (QClipboard *board = clipboard())
        board->setMimeData(object.makeDragObject());
}

void RYXConfigurationText::paste(RYXObject &target)
{
    if (QClipboard *board = clipboard())
        import(target, board->text(), tr("Paste into %1"), false);
}

bool RYXConfigurationText::clipboardHasText()
{
    QClipboard *board = clipboard();
    return board && !board->text().isEmpty();
}

void RYXConfigurationText::startDrag(RYXObject &object)
{
    QObject *source = &object;
    if (object.getTreeItem() && object.getTreeItem()->treeWidget())
        source = object.getTreeItem()->treeWidget();
    auto *drag = new QDrag(source);
    drag->setMimeData(object.makeDragObject());
    drag->exec(Qt::CopyAction);
}

void RYXConfigurationText::dragEnter(RYXObject &target, QDragEnterEvent *event)
{
    if (event->mimeData() && event->mimeData()->hasText() && target.acceptsDragText(event->mimeData()->text()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void RYXConfigurationText::drop(RYXObject &target, QDropEvent *event)
{
    if (!event->mimeData() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    import(target, event->mimeData()->text(), tr("Drag and Drop onto %1"), true);
}

bool RYXConfigurationText::accepts(const RYXObject &target, const QString &text)
{
    QString header, body;
    splitText(text, header, body);
    bool ok = false;
    const quint64 id = header.toULongLong(&ok);
    if (!ok || id == 0)
        return false;
    const RYXObject *source = RYXDragIdentity::find(id);
    return source && source->isSameFamilyAs(target);
}

void RYXConfigurationText::import(RYXObject &target, const QString &text, const QString &prefix, bool isDrop)
{
    QString header, body;
    splitText(text, header, body);
    if (isDrop && header.toULongLong() == target.dragIdentity()) {
        relay(tr("%1 ignored, source and destination are the same.").arg(prefix.arg(target.getName())));
        return;
    }
    RYXObject *parsed = nullptr;
    if (!target.parseXml(body.toUtf8(), parsed)) {
        delete parsed;
        const QString message = tr("%1 failed, the data was deemed incompatible.").arg(prefix.arg(target.getName()));
        relay(message);
        RYXPrompter::information(nullptr, tr("Warning"), message);
        return;
    }
    replace(target, parsed, prefix, !isDrop);
}

void RYXConfigurationText::replace(RYXObject &target, RYXObject *parsed, const QString &prefix, bool postRefresh)
{
    if (target.refuseChangeWhileTransferred(nullptr)) {
        delete parsed;
        return;
    }
    const bool accepted = RYXPrompter::warningYesNo(
        nullptr, QStringLiteral("RYXConfig"),
        tr("Are you sure you want to replace the existing configuration (this is not reversable)?"));
    if (accepted) {
        target.copyDataFrom(parsed);
        if (postRefresh)
            target.postUpdateDialog();
        reportValueProblems(target, nullptr);
    }
    if (!prefix.isEmpty())
        relay((accepted ? tr("%1 succeeded.") : tr("%1 was aborted.")).arg(prefix.arg(target.getName())));
    delete parsed;
}

void RYXConfigurationText::open(RYXObject &target)
{
    const QString fileName = RYXPrompter::openFileName(nullptr, QStringLiteral("*.xml"));
    if (fileName.isEmpty())
        return;
    QFile file(fileName);
    RYXObject *parsed = nullptr;
    if (file.open(QIODevice::ReadOnly))
        target.parseXml(file.readAll(), parsed);
    if (!parsed) {
        RYXPrompter::information(nullptr, tr("Error"), tr("Failed to parse the input file."));
        return;
    }
    if (target.isSameFamily(parsed)) {
        replace(target, parsed, QString(), true);
        return;
    }
    const bool create = RYXPrompter::questionYesNo(
        nullptr, QStringLiteral("RYXConfig"),
        tr("The information in the file is incompatible with \nthe device it was "
           "loaded into. Would you like to create \na new device to contain this "
           "information?"));
    RYXSysManager *manager = nullptr;
    if (create && target.getSysManager(&target, manager)) {
        parsed->setFileName(fileName);
        manager->addRootObject(parsed);
        parsed->setUnsavedChanges(false);
        reportValueProblems(*parsed, nullptr);
        return;
    }
    delete parsed;
}

void RYXConfigurationText::reportValueProblems(const RYXObject &root, QWidget *parent)
{
    const QStringList problems = root.valueProblemsInTree();
    if (problems.isEmpty())
        return;
    RYXPrompter::information(parent, tr("Warning"),
                             tr("These values cannot be sent to the device; the objects holding "
                                "them are marked in error until they are mended:\n\n")
                                 + problems.join(QLatin1Char('\n')));
}

void RYXConfigurationText::saveAs(RYXObject &object)
{
    const QString fileName = RYXSaveNamePrompt::askSaveAsName(nullptr);
    if (!fileName.isEmpty())
        save(object, fileName, nullptr);
}

bool RYXConfigurationText::save(RYXObject &object, const QString &fileName, QWidget *parent)
{
    QString error;
    if (VELXmlWriter::saveToFile(object, fileName, &error))
        return true;
    RYXPrompter::information(parent, tr("Error"),
                             tr("The file could not be written:\n\n%1\n\n%2")
                                 .arg(QDir::toNativeSeparators(fileName), error));
    return false;
}

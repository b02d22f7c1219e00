#include "devices/DeviceComparison.h"

#include "comm/ZempCodec.h"
#include "database/RYXDatabase.h"
#include "model/RYXConnectionBase.h"
#include "model/RYXObject.h"
#include "model/RYXObjectPlugin.h"
#include "model/VELXmlHandler.h"
#include "model/VELXmlWriter.h"

#include <memory>

namespace {

// The copy's link to the device: the station's port, and no event
// receiver, so that reading the copy shows nothing.
class ReadBackLink : public RYXConnectionBase
{
public:
    ReadBackLink(RYXObject *copy, ZEMPPort *port) : RYXConnectionBase(copy), m_port(port) {}
    ZEMPPort *getPort() const override { return m_port; }

private:
    ZEMPPort *m_port;
};

// The path of child indexes from \a root down to \a object.
QList<int> pathTo(RYXObject *root, RYXObject *object)
{
    QList<int> path;
    for (RYXObject *at = object; at && at != root; at = at->getParentObject())
        path.prepend(at->getParentObject() ? at->getParentObject()->indexOfChild(at) : -1);
    return path;
}

RYXObject *follow(RYXObject *root, const QList<int> &path)
{
    RYXObject *at = root;
    for (int index : path)
        at = at ? at->childAt(index) : nullptr;
    return at;
}

// Whether \a ours and \a theirs stand for the same value of \a point: the
// same text, or for a device point the same bytes on the wire ("0.0" and
// the "0.000000" an upload writes are one float).
bool sameValue(const DataPoint &point, const QString &ours, const QString &theirs)
{
    if (ours == theirs)
        return true;
    if (point.type == ZEMP_NONE)
        return false;
    QByteArray ourBytes, theirBytes;
    return ZempCodec::encode(point.type, point.size, ours, &ourBytes)
           && ZempCodec::encode(point.type, point.size, theirs, &theirBytes) && ourBytes == theirBytes;
}

void compareTrees(RYXObject *tree, RYXObject *copy, QList<DeviceComparison::Difference> &differences)
{
    // A plug-in shows its host's values, which its host compares.
    if (!qobject_cast<RYXObjectPlugin *>(tree)) {
        const QMap<QString, DataPoint> points = tree->getDatabase()->allPoints();
        for (auto it = points.cbegin(); it != points.cend(); ++it) {
            if (it->hasAttribute(DataPoint::NotSaved))
                continue;
            const QString ours = tree->getString(it.key());
            const QString theirs = copy->getString(it.key());
            if (!sameValue(*it, ours, theirs))
                differences.append({tree->getName(), it.key(), ours, theirs});
        }
    }
    const int common = qMin(tree->childCount(), copy->childCount());
    for (int i = 0; i < common; ++i)
        compareTrees(tree->childAt(i), copy->childAt(i), differences);
}

RYXObject *readTree(const QString &xml)
{
    VELXmlHandler reader;
    return reader.parse(xml) ? reader.takeFirstObject() : nullptr;
}

// Every value of \a source's subtree, saved or not, into the same places of
// \a target's: the copy of what was sent, whatever a file keeps of it.
void takeValues(RYXObject *target, RYXObject *source)
{
    if (!target->getDatabase() || !source->getDatabase())
        return;
    const QMap<QString, DataPoint> points = source->getDatabase()->allPoints();
    for (auto it = points.cbegin(); it != points.cend(); ++it)
        target->getDatabase()->SetValue(it.key(), it->value);
    const int common = qMin(target->childCount(), source->childCount());
    for (int i = 0; i < common; ++i)
        takeValues(target->childAt(i), source->childAt(i));
}

// What an upload shows of a device that holds exactly what \a object sends:
// its device words derived and decoded again, so that a choice the words
// cannot tell (the wiring of a thermocouple) reads as the upload reads it.
void decodeAsSent(RYXObject *object)
{
    object->prepareDownloadData();
    object->processUploadedData();
    for (RYXObject *child : object->getChildren())
        decodeAsSent(child);
}

} // namespace

int DeviceComparison::compare(RYXObject *object, QList<Difference> &differences)
{
    RYXObject *root = object;
    while (root->getParentObject() && !root->getOwnConnection())
        root = root->getParentObject();
    ZEMPPort *port = nullptr;
    unsigned tunnel = 0;
    if (!root->getPort(root, port, tunnel))
        return -1;
    const QString xml = VELXmlWriter::toXml(*root);
    const std::unique_ptr<RYXObject> copy(readTree(xml)), expected(readTree(xml));
    const QList<int> path = pathTo(root, object);
    RYXObject *counterpart = copy ? follow(copy.get(), path) : nullptr;
    RYXObject *sent = expected ? follow(expected.get(), path) : nullptr;
    if (!counterpart || !sent)
        return -1;
    ReadBackLink link(copy.get(), port);
    copy->setConnection(&link);
    const int code = counterpart->executeOperation(QStringLiteral("upload"), true);
    copy->setConnection(nullptr);
    if (code == 0) {
        takeValues(sent, object);
        decodeAsSent(sent);
        compareTrees(sent, counterpart, differences);
    }
    return code;
}

QString DeviceComparison::describe(const Difference &difference)
{
    return tr("%1: %2 is \"%3\", the device holds \"%4\"")
        .arg(difference.object, difference.key, difference.treeValue, difference.deviceValue);
}

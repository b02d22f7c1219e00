#include "devices/DeviceComparison.h"

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
            if (ours != theirs)
                differences.append({tree->getName(), it.key(), ours, theirs});
        }
    }
    const int common = qMin(tree->childCount(), copy->childCount());
    for (int i = 0; i < common; ++i)
        compareTrees(tree->childAt(i), copy->childAt(i), differences);
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
    VELXmlHandler reader;
    if (!reader.parse(VELXmlWriter::toXml(*root)))
        return -1;
    const std::unique_ptr<RYXObject> copy(reader.takeFirstObject());
    RYXObject *counterpart = copy ? follow(copy.get(), pathTo(root, object)) : nullptr;
    if (!counterpart)
        return -1;
    ReadBackLink link(copy.get(), port);
    copy->setConnection(&link);
    const int code = counterpart->executeOperation(QStringLiteral("upload"), true);
    copy->setConnection(nullptr);
    if (code == 0)
        compareTrees(object, counterpart, differences);
    return code;
}

QString DeviceComparison::describe(const Difference &difference)
{
    return tr("%1: %2 is \"%3\", the device holds \"%4\"")
        .arg(difference.object, difference.key, difference.treeValue, difference.deviceValue);
}

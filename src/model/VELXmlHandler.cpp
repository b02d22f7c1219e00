#include "model/VELXmlHandler.h"

#include "core/MessageRelay.h"
#include "model/RYXObject.h"
#include "model/RYXObjectFactory.h"

#include <QtCore/QByteArray>
#include <QtCore/QDebug>
#include <QtCore/QPointer>
#include <QtCore/QXmlStreamReader>

namespace {

const QLatin1String valueElement("VALUE");

} // namespace

VELXmlHandler::VELXmlHandler() = default;

VELXmlHandler::~VELXmlHandler()
{
    discardAll();
}

bool VELXmlHandler::parse(QIODevice *device)
{
    QXmlStreamReader reader(device);
    return run(reader);
}

bool VELXmlHandler::parse(const QByteArray &data)
{
    QXmlStreamReader reader(data);
    return run(reader);
}

bool VELXmlHandler::parse(const QString &text)
{
    QXmlStreamReader reader(text);
    return run(reader);
}

RYXObject *VELXmlHandler::takeFirstObject()
{
    RYXObject *result = m_result;
    m_result = nullptr;
    return result;
}

bool VELXmlHandler::run(QXmlStreamReader &reader)
{
    discardAll();
    m_errorString.clear();
    m_errorLine = m_errorColumn = 0;
    m_rootClosed = false;

    startDocument();
    while (!m_rootClosed && !reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (!startElement(reader.name().toString(), reader.attributes()))
                reader.raiseError(QStringLiteral("unknown element <%1>").arg(reader.name()));
            break;
        case QXmlStreamReader::EndElement:
            if (!endElement(reader.name().toString()))
                reader.raiseError(QStringLiteral("unexpected end of element <%1>").arg(reader.name()));
            break;
        default:
            break;
        }
    }
    if (reader.hasError()) {
        fail(reader.errorString(), reader.lineNumber(), reader.columnNumber());
        return false;
    }
    endDocument();
    return true;
}

bool VELXmlHandler::startDocument()
{
    return true;
}

bool VELXmlHandler::endDocument()
{
    return true;
}

bool VELXmlHandler::startElement(const QString &name, const QXmlStreamAttributes &attributes)
{
    if (name == valueElement) {
        // Key and value are taken by position, as the writer writes them.
        if (!objects.isEmpty() && attributes.size() == 2)
            objects.first().object->setValue(attributes.at(0).value().toString(),
                                             attributes.at(1).value().toString(), false);
        return true;
    }
    RYXObjectFactory::Level level;
    if (!RYXObjectFactory::levelOf(name, level))
        return false;
    int channel = 0;
    if (level == RYXObjectFactory::ChannelLevel && attributes.hasAttribute(QLatin1String("channel")))
        channel = attributes.value(QLatin1String("channel")).toInt();
    RYXObject *object = RYXObjectFactory::create(name, channel);
    if (!object)
        return false;
    objects.prepend(OpenObject{object, name, channel});
    return true;
}

bool VELXmlHandler::endElement(const QString &name)
{
    if (name == valueElement)
        return true;
    if (objects.isEmpty())
        return false;
    if (objects.size() == 1) {
        // The first top-level element is complete: it is the result.
        m_result = objects.takeFirst().object;
        m_rootClosed = true;
        return true;
    }
    const OpenObject child = objects.takeFirst();
    attachToParent(child, objects.first());
    return true;
}

void VELXmlHandler::attachToParent(const OpenObject &child, const OpenObject &parent)
{
    RYXObjectFactory::Level childLevel = RYXObjectFactory::PluginLevel;
    RYXObjectFactory::Level parentLevel = RYXObjectFactory::PluginLevel;
    RYXObjectFactory::levelOf(child.element, childLevel);
    RYXObjectFactory::levelOf(parent.element, parentLevel);

    QPointer<RYXObject> guard(child.object);
    bool attached = false;
    if (childLevel == RYXObjectFactory::ModuleLevel && parentLevel == RYXObjectFactory::StationLevel) {
        attached = parent.object->addChild(child.object);
    } else if (childLevel == RYXObjectFactory::StationLevel
               && parentLevel == RYXObjectFactory::NetworkLevel) {
        attached = parent.object->addChild(child.object);
    } else if (childLevel == RYXObjectFactory::ChannelLevel
               && parentLevel == RYXObjectFactory::ModuleLevel) {
        // Only a channel of the module, of the same kind, is replaced; any
        // other number names nothing here and the channel read is dropped.
        const int index = child.channel - 1;
        RYXObject *current = index >= 0 ? parent.object->childAt(index) : nullptr;
        if (current && current->getXmlEndTag() == child.element) {
            attached = parent.object->replaceChild(child.object, unsigned(index));
        } else {
            MessageRelay::instance()->relay(
                QStringLiteral("%1 channel %2 ignored: the %3 element has no such channel.")
                    .arg(child.element).arg(child.channel).arg(parent.element));
        }
    } else if (childLevel != RYXObjectFactory::PluginLevel) {
        qDebug("%s inside %s not attached", qUtf8Printable(child.element),
               qUtf8Printable(parent.element));
    }
    // A refused object may already have been deleted or kept by the parent.
    if (!attached && guard && !guard->parent())
        delete guard.data();
}

void VELXmlHandler::fail(const QString &message, qint64 line, qint64 column)
{
    discardAll();
    m_errorString = message;
    m_errorLine = line;
    m_errorColumn = column;
    MessageRelay::instance()->relay(
        QStringLiteral("Configuration data could not be read: %1 (line %2, column %3)")
            .arg(message)
            .arg(line)
            .arg(column));
}

void VELXmlHandler::discardAll()
{
    // The innermost object first; none of the open objects has a parent yet.
    while (!objects.isEmpty())
        delete objects.takeFirst().object;
    delete m_result;
    m_result = nullptr;
}

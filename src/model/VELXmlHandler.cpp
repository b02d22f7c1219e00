#include "model/VELXmlHandler.h"

#include "core/MessageRelay.h"
#include "model/RYXObject.h"
#include "model/RYXObjectFactory.h"

#include <QtCore/QByteArray>
#include <QtCore/QDebug>
#include <QtCore/QIODevice>
#include <QtCore/QPointer>
#include <QtCore/QStringDecoder>
#include <QtCore/QXmlStreamReader>

namespace {

const QLatin1String valueElement("VALUE");
// Deeper than a network holding a station, its modules, their channels and
// a plug-in: no device tree nests further.
constexpr int MaxDepth = 8;

// The text of a document given as bytes, decoded as the XML reader decodes
// it: by its byte order mark, else by its declared encoding, else as UTF-8.
bool decodeDocument(const QByteArray &bytes, const QString &declared, QString &text)
{
    const auto marked = QStringConverter::encodingForData(bytes, u'<');
    QStringDecoder decoder = marked ? QStringDecoder(*marked)
        : declared.isEmpty()        ? QStringDecoder(QStringConverter::Utf8)
                                    : QStringDecoder(declared.toLatin1().constData());
    if (!decoder.isValid())
        return false;
    text = decoder(bytes);
    return !decoder.hasError();
}

// Line and column of character \a offset of \a text, counted as the XML
// reader counts them.
void positionOf(const QString &text, qint64 offset, qint64 &line, qint64 &column)
{
    const QStringView before = QStringView(text).left(offset);
    line = before.count(u'\n') + 1;
    column = offset - (before.lastIndexOf(u'\n') + 1);
}

} // namespace

VELXmlHandler::VELXmlHandler() = default;

VELXmlHandler::~VELXmlHandler()
{
    discardAll();
}

bool VELXmlHandler::parse(QIODevice *device)
{
    return parse(device ? device->readAll() : QByteArray());
}

bool VELXmlHandler::parse(const QByteArray &data)
{
    QXmlStreamReader reader(data);
    return run(reader, &data, nullptr);
}

bool VELXmlHandler::parse(const QString &text)
{
    QXmlStreamReader reader(text);
    return run(reader, nullptr, &text);
}

RYXObject *VELXmlHandler::takeFirstObject()
{
    RYXObject *result = m_result;
    m_result = nullptr;
    return result;
}

bool VELXmlHandler::run(QXmlStreamReader &reader, const QByteArray *bytes, const QString *text)
{
    discardAll();
    m_errorString.clear();
    m_errorLine = m_errorColumn = 0;
    m_rootClosed = m_inValue = false;
    m_rootEnd = 0;
    m_declaredEncoding.clear();
    m_notes.clear();

    m_reader = &reader;
    startDocument();
    while (!m_rootClosed && !reader.atEnd()) {
        reader.readNext();
        handleToken(reader);
    }
    m_reader = nullptr;
    if (!m_rootClosed) {
        fail(reader.hasError() ? reader.errorString() : tr("no device element"),
             reader.lineNumber(), reader.columnNumber());
        return false;
    }
    if (!checkRest(reader, bytes, text))
        return false;
    endDocument();
    const QStringList problems = m_result->valueProblemsInTree();
    for (const QString &problem : problems)
        MessageRelay::instance()->relay(problem);
    return true;
}

bool VELXmlHandler::handleToken(QXmlStreamReader &reader)
{
    switch (reader.tokenType()) {
    case QXmlStreamReader::StartDocument:
        m_declaredEncoding = reader.documentEncoding().toString();
        return true;
    case QXmlStreamReader::StartElement:
        return startElement(reader.name().toString(), reader.attributes());
    case QXmlStreamReader::EndElement:
        if (endElement(reader.name().toString()))
            return true;
        reader.raiseError(tr("unexpected end of element <%1>").arg(reader.name()));
        return false;
    case QXmlStreamReader::Characters:
        if (reader.isWhitespace())
            return true;
        reader.raiseError(tr("text where the file holds none"));
        return false;
    case QXmlStreamReader::DTD:
        // The writer never writes one; its entities could only expand or fetch.
        reader.raiseError(tr("document type declarations are not accepted"));
        return false;
    case QXmlStreamReader::EntityReference:
        reader.raiseError(tr("unresolved entity reference &%1;").arg(reader.name()));
        return false;
    default:
        return true;
    }
}

// What may follow the first top-level element: blanks, comments and
// processing instructions, and further elements, which are checked and
// ignored. The reader reports a second element as it reports any other
// text there, so that part is read again on its own.
bool VELXmlHandler::checkRest(QXmlStreamReader &reader, const QByteArray *bytes, const QString *text)
{
    while (!reader.atEnd())
        reader.readNext();
    if (!reader.hasError())
        return true;
    QString document;
    if (reader.error() == QXmlStreamReader::NotWellFormedError) {
        if (text)
            document = *text;
        else if (!bytes || !decodeDocument(*bytes, m_declaredEncoding, document))
            document.clear();
    }
    if (document.isEmpty()) {
        fail(reader.errorString(), reader.lineNumber(), reader.columnNumber());
        return false;
    }
    return checkFurtherElements(document, m_rootEnd);
}

// The rest is read as the content of a made-up element, so that one pass
// checks any number of further elements; text of its own is refused.
bool VELXmlHandler::checkFurtherElements(const QString &document, qint64 offset)
{
    const QString open = QStringLiteral("<rest>");
    QXmlStreamReader reader(open + document.mid(offset) + QStringLiteral("</rest>"));
    auto position = [&](qint64 &line, qint64 &column) {
        positionOf(document, offset + qMax(reader.characterOffset() - open.size(), qint64(0)), line, column);
    };
    int depth = 0;
    int further = 0;
    QString first;
    qint64 firstLine = 0, column = 0;
    while (!reader.atEnd() && !reader.hasError()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++depth == 2 && ++further == 1) {
                first = reader.name().toString();
                position(firstLine, column);
            }
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::Characters:
            if (depth == 1 && !reader.isWhitespace())
                reader.raiseError(tr("text after the device element"));
            break;
        default:
            break;
        }
    }
    if (reader.hasError()) {
        qint64 line = 0;
        position(line, column);
        fail(reader.errorString(), line, column);
        return false;
    }
    if (further == 1)
        note(tr("A further top-level element <%1> on line %2 was ignored: a file holds one device.")
                 .arg(first).arg(firstLine));
    else if (further > 1)
        note(tr("%1 further top-level elements were ignored, the first <%2> on line %3: "
                "a file holds one device.").arg(further).arg(first).arg(firstLine));
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
    auto refuse = [this](const QString &why) {
        if (m_reader)
            m_reader->raiseError(why);
        return false;
    };
    if (m_inValue)
        return refuse(tr("<%1> inside a VALUE element").arg(name));
    if (name == valueElement) {
        if (objects.isEmpty())
            return refuse(tr("a VALUE element outside of any object element"));
        m_inValue = true;
        return readValue(attributes);
    }
    RYXObjectFactory::Level level;
    if (!RYXObjectFactory::levelOf(name, level))
        return refuse(tr("unknown element <%1>").arg(name));
    if (objects.size() >= MaxDepth)
        return refuse(tr("elements nested deeper than any device tree"));
    int channel = 0;
    if (level == RYXObjectFactory::ChannelLevel && attributes.hasAttribute(QLatin1String("channel")))
        channel = attributes.value(QLatin1String("channel")).toInt();
    RYXObject *plugin = level == RYXObjectFactory::PluginLevel && !objects.isEmpty()
                            ? pluginOf(objects.first().object, name)
                            : nullptr;
    RYXObject *object = plugin ? plugin : RYXObjectFactory::create(name, channel);
    if (!object)
        return refuse(tr("unknown element <%1>").arg(name));
    objects.prepend(OpenObject{object, name, channel, plugin != nullptr});
    return true;
}

// Key and value are read by name, in whichever order they stand.
bool VELXmlHandler::readValue(const QXmlStreamAttributes &attributes)
{
    const QLatin1String key("key");
    const QLatin1String value("value");
    if (!attributes.hasAttribute(key) || !attributes.hasAttribute(value)) {
        note(tr("A VALUE element without a key or a value in <%1> (line %2) was ignored.")
                 .arg(objects.first().element)
                 .arg(m_reader ? m_reader->lineNumber() : 0));
        return true;
    }
    objects.first().object->setValue(attributes.value(key).toString(), attributes.value(value).toString(),
                                     false);
    return true;
}

bool VELXmlHandler::endElement(const QString &name)
{
    if (name == valueElement) {
        m_inValue = false;
        return true;
    }
    if (objects.isEmpty())
        return false;
    if (objects.size() == 1) {
        // The first top-level element is complete: it is the result.
        m_result = objects.takeFirst().object;
        m_rootClosed = true;
        m_rootEnd = m_reader ? m_reader->characterOffset() : 0;
        return true;
    }
    const OpenObject child = objects.takeFirst();
    if (!child.borrowed)
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
            note(tr("%1 channel %2 ignored: the %3 element has no such channel.")
                     .arg(child.element).arg(child.channel).arg(parent.element));
        }
    } else if (childLevel == RYXObjectFactory::PluginLevel) {
        note(tr("%1 ignored: the %2 element has no such plug-in.").arg(child.element, parent.element));
    } else {
        qDebug("%s inside %s not attached", qUtf8Printable(child.element),
               qUtf8Printable(parent.element));
    }
    // A refused object may already have been deleted or kept by the parent.
    if (!attached && guard && !guard->parent())
        delete guard.data();
}

RYXObject *VELXmlHandler::pluginOf(RYXObject *host, const QString &element)
{
    for (RYXObject *child : host->getChildren()) {
        if (child->getXmlEndTag() == element)
            return child;
    }
    return nullptr;
}

void VELXmlHandler::note(const QString &text)
{
    m_notes.append(text);
    MessageRelay::instance()->relay(text);
}

void VELXmlHandler::fail(const QString &message, qint64 line, qint64 column)
{
    discardAll();
    m_errorString = message;
    m_errorLine = line;
    m_errorColumn = column;
    MessageRelay::instance()->relay(
        tr("Configuration data could not be read: %1 (line %2, column %3)")
            .arg(message)
            .arg(line)
            .arg(column));
}

void VELXmlHandler::discardAll()
{
    // The innermost object first; none of the open objects has a parent yet,
    // except the plug-ins their hosts created, which go with their hosts.
    while (!objects.isEmpty()) {
        const OpenObject open = objects.takeFirst();
        if (!open.borrowed)
            delete open.object;
    }
    delete m_result;
    m_result = nullptr;
}

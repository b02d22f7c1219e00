#include "model/VELXmlWriter.h"

#include "database/RYXDatabase.h"
#include "model/RYXObject.h"

#include <QtCore/QSaveFile>
#include <QtCore/QStringConverter>
#include <QtCore/QTextStream>

void VELXmlWriter::writeObject(RYXObject &object, QTextStream &stream, int indent)
{
    writeStartTag(stream, indent, object.getXmlStartTag());
    if (const RYXDatabase *database = object.getDatabase())
        writeValues(stream, indent + 1, *database);
    // Copy: a child's writeXml must not be able to disturb the iteration.
    const QList<RYXObject *> children = object.getChildren();
    for (RYXObject *child : children)
        child->writeXml(stream, indent + 1);
    writeEndTag(stream, indent, object.getXmlEndTag());
}

void VELXmlWriter::writeStartTag(QTextStream &stream, int indent, const QString &startTag)
{
    stream << QString(indent, QLatin1Char(' ')) << '<' << startTag << ">\n";
}

void VELXmlWriter::writeValues(QTextStream &stream, int indent, const RYXDatabase &database)
{
    const QString blanks(indent, QLatin1Char(' '));
    const QMap<QString, DataPoint> points = database.allPoints();
    for (auto it = points.cbegin(); it != points.cend(); ++it) {
        if (it->hasAttribute(DataPoint::NotSaved))
            continue;
        stream << blanks << "<VALUE key=\"" << escape(it.key()) << "\" value=\""
               << escape(it->value) << "\" />\n";
    }
}

void VELXmlWriter::writeEndTag(QTextStream &stream, int indent, const QString &endTag)
{
    stream << QString(indent, QLatin1Char(' ')) << "</" << endTag << ">\n";
}

QString VELXmlWriter::escape(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': out += QLatin1String("&amp;"); break;
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        // Written raw, these would be turned into blanks when read back.
        case '\t': out += QLatin1String("&#9;"); break;
        case '\n': out += QLatin1String("&#10;"); break;
        case '\r': out += QLatin1String("&#13;"); break;
        default:
            // Other control characters cannot appear in XML at all; one of
            // them would make the whole file unreadable, so it is left out.
            if (c.unicode() >= 0x20)
                out += c;
        }
    }
    return out;
}

QString VELXmlWriter::toXml(RYXObject &object)
{
    QString text;
    QTextStream stream(&text);
    object.writeXml(stream, 0);
    stream.flush();
    return text;
}

bool VELXmlWriter::saveToFile(RYXObject &object, const QString &fileName, QString *errorString)
{
    QSaveFile file(fileName);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
        QTextStream stream(&file);
        stream.setEncoding(QStringConverter::Utf8);
        object.writeXml(stream, 0);
        stream.flush();
        ok = stream.status() == QTextStream::Ok && file.commit();
    }
    if (!ok && errorString)
        *errorString = file.errorString();
    return ok;
}

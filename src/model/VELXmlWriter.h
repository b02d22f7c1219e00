#pragma once

#include <QtCore/QString>

class QTextStream;
class RYXDatabase;
class RYXObject;

// Writes tree objects in the configuration file layout: one element per
// object, one blank of indentation per level, the object's saved points as
// VALUE lines in key order, then its children, every line ended by "\n".
class VELXmlWriter
{
public:
    /// The base behaviour of RYXObject::writeXml: \a object's element with
    /// its points, each child written through its own (virtual) writeXml.
    static void writeObject(RYXObject &object, QTextStream &stream, int indent);

    static void writeStartTag(QTextStream &stream, int indent, const QString &startTag);
    /// One VALUE line per point without the not-saved attribute, in key order.
    static void writeValues(QTextStream &stream, int indent, const RYXDatabase &database);
    static void writeEndTag(QTextStream &stream, int indent, const QString &endTag);

    /// \a text made safe inside a double-quoted attribute value.
    static QString escape(const QString &text);

    /// \a object and its subtree as configuration text (UTF-8 when stored).
    static QString toXml(RYXObject &object);

    /// Writes \a object's subtree to \a fileName atomically: the previous
    /// file is replaced only once the new contents are completely written.
    /// On failure returns false, leaves any previous file untouched and
    /// puts the reason in \a errorString.
    static bool saveToFile(RYXObject &object, const QString &fileName,
                           QString *errorString = nullptr);
};

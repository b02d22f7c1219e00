#pragma once

#include <QtCore/QList>
#include <QtCore/QString>

class QByteArray;
class QIODevice;
class QXmlStreamAttributes;
class QXmlStreamReader;
class RYXObject;

// Builds a detached object tree from configuration text. Object elements
// are created through RYXObjectFactory; VALUE elements set values of the
// innermost open object (key first, value second, taken by position).
//
// A read that stops with an error (text not well-formed, an unknown
// element) is a failed parse: everything built so far is deleted, so the
// caller gets no object, and the reader's line and column go to the event
// log. Reading ends with the first top-level element; anything after it
// is not read.
class VELXmlHandler
{
public:
    VELXmlHandler();
    ~VELXmlHandler(); // deletes whatever was built and not taken
    VELXmlHandler(const VELXmlHandler &) = delete;
    VELXmlHandler &operator=(const VELXmlHandler &) = delete;

    bool parse(QIODevice *device);
    bool parse(const QByteArray &data);
    bool parse(const QString &text);

    /// The top-level object of a successful parse (the caller owns it);
    /// null after a failed parse or when nothing was read.
    RYXObject *takeFirstObject();

    QString errorString() const { return m_errorString; }
    qint64 errorLine() const { return m_errorLine; }
    qint64 errorColumn() const { return m_errorColumn; }

    // Element callbacks, in the order the reader meets the elements.
    bool startDocument();
    bool endDocument();
    bool startElement(const QString &name, const QXmlStreamAttributes &attributes);
    bool endElement(const QString &name);

private:
    struct OpenObject
    {
        RYXObject *object;
        QString element;
        int channel;
    };

    bool run(QXmlStreamReader &reader);
    void attachToParent(const OpenObject &child, const OpenObject &parent);
    void fail(const QString &message, qint64 line, qint64 column);
    void discardAll();

    QList<OpenObject> objects; // innermost open object first
    RYXObject *m_result = nullptr;
    bool m_rootClosed = false;
    QString m_errorString;
    qint64 m_errorLine = 0;
    qint64 m_errorColumn = 0;
};

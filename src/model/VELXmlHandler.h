#pragma once

#include <QtCore/QCoreApplication>
#include <QtCore/QList>
#include <QtCore/QString>
#include <QtCore/QStringList>

class QByteArray;
class QIODevice;
class QXmlStreamAttributes;
class QXmlStreamReader;
class RYXObject;

// Builds a detached object tree from configuration text. Object elements
// are created through RYXObjectFactory; VALUE elements set values of the
// innermost open object, their key and value read by name; the VALUE
// elements of a plug-in element set the plug-in of that element which its
// host created (and so the host's own points).
//
// The text must be well-formed XML to its end. A read that stops with an
// error (text not well-formed, a document type declaration, an unknown
// element, text or elements where the file holds none, nesting deeper than
// any tree) is a failed parse: everything built so far is deleted, so the
// caller gets no object, and the reader's line and column go to the event
// log. Only the first top-level element is built; a further one is checked
// and ignored. What the reader passes over, and every value the device
// could not take, is noted in the event log too.
class VELXmlHandler
{
    Q_DECLARE_TR_FUNCTIONS(VELXmlHandler)

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
    /// What the last parse passed over (ignored elements and VALUE
    /// elements), as it went to the event log; not its failure, nor the
    /// values the device cannot take (RYXObject::valueProblemsInTree).
    QStringList notes() const { return m_notes; }

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
        bool borrowed; // a plug-in its host created and owns
    };

    bool run(QXmlStreamReader &reader, const QByteArray *bytes, const QString *text);
    /// Handles one token; false after raising an error on \a reader.
    bool handleToken(QXmlStreamReader &reader);
    bool readValue(const QXmlStreamAttributes &attributes);
    /// Checks what follows the first top-level element; false when it is
    /// not well-formed (the failure is recorded).
    bool checkRest(QXmlStreamReader &reader, const QByteArray *bytes, const QString *text);
    bool checkFurtherElements(const QString &document, qint64 offset);
    void attachToParent(const OpenObject &child, const OpenObject &parent);
    /// The plug-in of \a element that \a host created; null when it has none.
    static RYXObject *pluginOf(RYXObject *host, const QString &element);
    void note(const QString &text);
    void fail(const QString &message, qint64 line, qint64 column);
    void discardAll();

    QList<OpenObject> objects; // innermost open object first
    RYXObject *m_result = nullptr;
    QXmlStreamReader *m_reader = nullptr; // the reader of the running parse
    bool m_rootClosed = false;
    bool m_inValue = false;
    qint64 m_rootEnd = 0; // character offset just after the first top-level element
    QString m_declaredEncoding; // of the XML declaration, if any
    QString m_errorString;
    qint64 m_errorLine = 0;
    qint64 m_errorColumn = 0;
    QStringList m_notes;
};

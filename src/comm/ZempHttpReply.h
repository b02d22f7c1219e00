#pragma once

#include <QtCore/QByteArray>

class QIODevice;

// The HTTP reply of a station, collected as it arrives and never more than
// MaxBytes of head and body together. It is complete as soon as the body
// holds Content-Length bytes or, without that header, a whole frame by the
// frame's own length byte, so that a station which keeps its connection
// open does not cost the full time-out.
class ZempHttpReply
{
public:
    static constexpr int MaxBytes = 64 * 1024;

    enum State {
        Incomplete, // more may come
        Complete,   // reply() holds the whole reply
        Overflow    // the station sent more than MaxBytes
    };

    void clear();
    /// Reads what \a device has, up to the limit, and says how far the reply is.
    State readFrom(QIODevice &device);
    State state() const { return m_state; }
    bool isEmpty() const { return m_bytes.isEmpty(); }
    qsizetype size() const { return m_bytes.size(); }
    /// The reply up to its end when complete, otherwise all that came.
    QByteArray reply() const;

    /// Index just past the first empty line ("\r?\n\r?\n"), or -1.
    static int bodyStart(const QByteArray &reply);

private:
    State check();
    /// Complete once \a declared body bytes are in; Overflow when they
    /// could never fit.
    State checkContentLength(int bodyAt, int declared);
    /// Complete once the hex body holds the frame its length byte announces.
    State checkFrameLength(int bodyAt);

    QByteArray m_bytes;
    int m_end = -1;
    State m_state = Incomplete;
};

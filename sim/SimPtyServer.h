#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QElapsedTimer>
#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QString>

class QSocketNotifier;
class QTimer;
class SimStation;

// Serves a station with raw frames on a pseudo-terminal. Clients open the
// slave side like a serial port; the server reads requests from the master
// side, reassembles them by their length byte and writes the responses back,
// optionally paced to the wire time of a baud rate.
class SimPtyServer : public QObject
{
    Q_OBJECT
public:
    explicit SimPtyServer(SimStation *station, QObject *parent = nullptr);
    /// Closes the pty and removes the symlink it made.
    ~SimPtyServer() override;

    /// Creates the pty; with \a linkPath, also a symlink there to the slave
    /// (an existing symlink is replaced, any other file is left alone and
    /// makes this fail).
    bool open(const QString &linkPath = QString());
    void close();
    bool isOpen() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }
    QString linkPath() const { return m_linkPath; }
    QString errorString() const { return m_error; }

    /// 0 (the default) answers at once; otherwise a response is complete no
    /// earlier than the wire time of the request and the response at this
    /// rate (10 bits per byte) after the first byte of the request arrived.
    void setBaudRate(int baud) { m_baud = baud; }
    int baudRate() const { return m_baud; }

    /// Microseconds on the wire for \a bytes at \a baud.
    static qint64 wireTimeUs(int bytes, int baud);
    /// A partly received frame is discarded after this much silence.
    static constexpr int FrameGapMs = 50;

Q_SIGNALS:
    /// A complete request came in (before it is answered).
    void frameReceived(const QByteArray &frame);
    void responseWritten(const QByteArray &frame);

private:
    void readMaster();
    void takeFrames();
    void answer(const QByteArray &request, qint64 firstByteUs);
    void waitUntil(qint64 dueUs);
    void writeMaster(const QByteArray &bytes);
    void discardPartial();
    bool makeLink(const QString &linkPath);
    void fail(const QString &what);

    QPointer<SimStation> m_station;
    int m_master = -1;
    int m_slaveHold = -1; // keeps the slave open so a client's close does not hang up the master
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_gapTimer = nullptr;
    QString m_slavePath;
    QString m_linkPath;
    QString m_error;
    QByteArray m_buffer;
    qint64 m_firstByteUs = 0;
    QElapsedTimer m_clock;
    int m_baud = 0;
};

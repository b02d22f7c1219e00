#pragma once

#include "SimFaults.h"
#include "SimInputRegisters.h"
#include "SimModule.h"
#include "SimPointMap.h"
#include "SimReply.h"
#include "SimStationClass.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QMap>
#include <QtCore/QMutex>
#include <QtCore/QObject>
#include <QtCore/QVector>

// The simulated station: takes one request frame, answers with one response
// frame. The head answers its own points; tunnel addresses reach the modules
// and their channels; value registers and commit addresses cover the module
// positions. All public calls are thread-safe.
class SimOptions;

class SimStation : public QObject
{
    Q_OBJECT
public:
    // Device error codes the station answers with.
    enum DeviceError {
        ErrUnknownAddress = 0x02, // no point at that address
        ErrBadLength = 0x03,      // data does not fit the point
        ErrReadOnly = 0x04,       // the point cannot be written
        ErrBadTunnelFrame = 0x05, // the tunnelled frame is malformed or a read
        ErrMissing = 0x42         // no module at that position
    };

    // Address ranges of the module side of the station.
    static constexpr quint16 TunnelBase = 0x1000;
    static constexpr quint16 RegisterBase = 0x300;
    static constexpr quint16 CommitBase = 0x400;
    static constexpr int RegisterWidth = 4;

    SimStation(const SimStationClass &stationClass, const QVector<quint8> &moduleCodes,
               QObject *parent = nullptr);
    /// Builds a station of the kind named by --type; nullptr and \a error
    /// when the kind is unknown.
    static SimStation *create(const QString &type, const QVector<quint8> &moduleCodes,
                              QString *error, QObject *parent = nullptr);

    /// Handles one request frame, applying the configured faults.
    SimReply handleRequest(const QByteArray &frame);

    void setFaults(const SimFaults &faults);
    /// Applies what the command line sets on a running station: the faults
    /// and the status words.
    void configure(const SimOptions &options);
    SimFaults faults() const;

    quint16 deviceType() const;
    QVector<quint8> moduleTypes() const;

    /// Point access for tests and for the station's own behaviour; \a tunnel
    /// 0 is the head, otherwise a module or channel tunnel address.
    bool readPoint(quint16 tunnel, quint16 address, QByteArray &value) const;
    bool setPoint(quint16 tunnel, quint16 address, const QByteArray &value);
    QByteArray registerValue(int module, int index, int j) const;
    /// The status word that channel \a index (0-based) of the input module
    /// at \a module (1-based) reports; channel 0 of a discrete input or
    /// relay module stands for the module's status word.
    void setChannelStatus(int module, int index, quint16 word);
    /// How long an input channel takes to answer a capture;
    /// SimInputRegisters::NeverAnswers for never.
    void setCaptureDelayMs(int ms);

    /// The station restarts: what it was not told to store is lost, its
    /// points are again what the last save stored (its defaults before any).
    void restart();

    quint64 requestCount() const;
    /// Point reads carried out, at the head or through a tunnel.
    quint64 pointReads() const;
    /// Bytes of the requests answered and of their answers: what a serial
    /// line would have carried.
    quint64 frameBytes() const;
    /// Number of times the head was told to store downloaded data: a read of
    /// the save point followed at once by a write of it (a plain write of the
    /// float order, which shares the point, is no save).
    int saveCount() const;
    /// Number of commits to module \a module (1-based) at target \a index.
    int commitCount(int module, int index) const;

    static quint16 tunnelAddress(int module, int index);
    static quint16 registerAddress(int module, int index, int j);
    static quint16 commitAddress(int module, int index);

Q_SIGNALS:
    /// Emitted after every request the engine carried out, whether or not
    /// its answer is then dropped; not for invalid frames or while silent.
    void requestHandled(quint16 address, bool write);
    void saved();

private:
    struct Answer
    {
        int error = 0; // device error code, 0 for success
        QByteArray data;
    };
    Answer dispatch(bool write, quint16 address, const QByteArray &data, bool saveArmed);
    Answer tunnel(quint16 tunnelAddr, bool write, const QByteArray &inner);
    Answer targetAccess(SimPointMap &map, bool write, quint16 address, const QByteArray &data);
    Answer registerAccess(bool write, quint16 address, const QByteArray &data);
    Answer commit(bool write, quint16 address);
    QByteArray liveRegister(quint16 address) const;
    bool moduleStatusRegister(quint16 address, Answer &answer) const;
    bool inputRegister(bool write, quint16 address, const QByteArray &data, Answer &answer);
    SimPointMap *targetFor(quint16 tunnelAddr);
    const SimPointMap *targetFor(quint16 tunnelAddr) const;
    bool modulePresent(int position) const;
    void countFrameBytes(int bytes);
    static QByteArray encode(quint16 address, const Answer &answer);
    static int errorCode(SimPointMap::Result result);

    mutable QMutex m_mutex;
    SimStationClass m_class;
    SimPointMap m_head;
    QVector<SimModule> m_modules;
    // What the last save stored, for a restart.
    SimPointMap m_storedHead;
    QVector<SimModule> m_storedModules;
    QMap<quint16, QByteArray> m_registers;
    QMap<quint16, int> m_commits;
    SimInputRegisters m_inputs;
    SimFaults m_faults;
    quint64 m_requests = 0;
    quint64 m_pointReads = 0;
    quint64 m_frameBytes = 0;
    int m_saves = 0;
    bool m_saveArmed = false;
    QElapsedTimer m_started; // the clock of the live values
};

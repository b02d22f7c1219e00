#include "SimStation.h"

#include "SimCatalog.h"
#include "SimDiscreteModule.h"
#include "SimFrame.h"
#include "SimLiveValues.h"
#include "SimOptions.h"

#include <QtCore/QDateTime>
#include <QtCore/QMutexLocker>

#include <utility>

namespace {

constexpr int TunnelSpan = 4 * SimCatalog::MaxModules;   // 4 targets per module
constexpr int RegisterSpan = 16 * SimCatalog::MaxModules; // 16 registers per module
constexpr int CommitSpan = 4 * SimCatalog::MaxModules;

bool inRange(quint16 address, quint16 base, int span)
{
    return address >= base && address < base + span;
}

} // namespace

SimStation::SimStation(const SimStationClass &stationClass, const QVector<quint8> &moduleCodes,
                       QObject *parent)
    : QObject(parent), m_class(stationClass)
{
    m_started.start();
    m_head.define(m_class.points);
    const QVector<quint8> codes = moduleCodes.mid(0, SimCatalog::MaxModules);
    for (int i = 0; i < codes.size(); ++i)
        m_modules.append(SimModule(SimCatalog::moduleClass(codes.at(i)), i + 1));
    m_head.set(SimCatalog::ModuleCountPoint, SimPointMap::integerBytes(codes.size(), 1));
    m_head.set(SimCatalog::ModuleTypesPoint,
               QByteArray(reinterpret_cast<const char *>(codes.constData()), codes.size()));
    m_storedHead = m_head;
    m_storedModules = m_modules;
}

void SimStation::restart()
{
    QMutexLocker locker(&m_mutex);
    m_head = m_storedHead;
    m_modules = m_storedModules;
    m_saveArmed = false;
}

SimStation *SimStation::create(const QString &type, const QVector<quint8> &moduleCodes,
                               QString *error, QObject *parent)
{
    const SimStationClass *stationClass = SimCatalog::stationClass(type);
    if (!stationClass) {
        if (error)
            *error = QStringLiteral("unknown station type \"%1\"").arg(type);
        return nullptr;
    }
    return new SimStation(*stationClass, moduleCodes, parent);
}

SimReply SimStation::handleRequest(const QByteArray &frame)
{
    SimReply reply;
    QMutexLocker locker(&m_mutex);
    const quint64 number = ++m_requests;
    const SimFaults::Action action = m_faults.actionFor(number);
    reply.delayMs = m_faults.delayMs();
    if (action == SimFaults::Action::Silent) {
        reply.outcome = SimReply::NoAnswer;
        return reply;
    }
    const SimFrame request = SimFrame::parse(frame);
    if (!request.isValid()) {
        reply.outcome = SimReply::Invalid;
        return reply;
    }
    const bool write = request.isWrite();
    const quint16 address = request.address();
    const int savesBefore = m_saves;
    // A save is the handshake: a read of the save point, then at once a write
    // of it; any other request in between disarms it.
    const bool saveArmed = std::exchange(m_saveArmed, false);
    Answer answer;
    if (m_faults.deviceErrorFor(0, address, answer.error) || (write && m_faults.forgetsWrite(0, address)))
        ; // the fault's answer: a device error, or a write answered and not kept
    else
        answer = dispatch(write, address, request.data(), saveArmed);
    reply.frame = encode(address, answer);
    const bool saved = m_saves != savesBefore;
    locker.unlock();

    if (action == SimFaults::Action::Corrupt)
        reply.frame[reply.frame.size() - 1] = char(quint8(reply.frame.back()) ^ 0xFF);
    reply.outcome = action == SimFaults::Action::Drop ? SimReply::NoAnswer : SimReply::Answered;
    if (action == SimFaults::Action::Drop)
        reply.frame.clear();
    else
        countFrameBytes(frame.size() + reply.frame.size());
    emit requestHandled(address, write);
    if (saved)
        emit this->saved();
    return reply;
}

SimStation::Answer SimStation::dispatch(bool write, quint16 address, const QByteArray &data, bool saveArmed)
{
    if (inRange(address, TunnelBase, TunnelSpan))
        return tunnel(address, write, data);
    if (inRange(address, RegisterBase, RegisterSpan))
        return registerAccess(write, address, data);
    if (inRange(address, CommitBase, CommitSpan))
        return commit(write, address);
    const SimPointDef *def = m_head.definition(address);
    if (!def || !(def->flags & SimPointDef::SavesStation))
        return targetAccess(m_head, write, address, data);
    const Answer answer = targetAccess(m_head, write, address, data);
    if (answer.error == 0 && !write)
        m_saveArmed = true;
    else if (answer.error == 0 && saveArmed) {
        ++m_saves;
        m_storedHead = m_head;
        m_storedModules = m_modules;
    }
    return answer;
}

SimStation::Answer SimStation::tunnel(quint16 tunnelAddr, bool write, const QByteArray &inner)
{
    SimPointMap *target = targetFor(tunnelAddr);
    if (!target)
        return Answer{ErrMissing, {}};
    // Only a write carries a frame to pass on.
    const SimFrame request = SimFrame::parse(inner);
    if (!write || !request.isValid())
        return Answer{ErrBadTunnelFrame, {}};
    Answer innerAnswer;
    if (m_faults.deviceErrorFor(tunnelAddr, request.address(), innerAnswer.error)
        || (request.isWrite() && m_faults.forgetsWrite(tunnelAddr, request.address())))
        ; // the fault's answer
    else
        innerAnswer = targetAccess(*target, request.isWrite(), request.address(), request.data());
    return Answer{0, encode(request.address(), innerAnswer)};
}

SimStation::Answer SimStation::targetAccess(SimPointMap &map, bool write, quint16 address,
                                            const QByteArray &data)
{
    const SimPointDef *def = map.definition(address);
    if (!def)
        return Answer{ErrUnknownAddress, {}};
    Answer answer;
    if (write) {
        answer.error = errorCode(map.write(address, data));
        return answer;
    }
    ++m_pointReads;
    if (def->flags & SimPointDef::Clock)
        map.set(address, SimPointMap::integerBytes(quint64(QDateTime::currentSecsSinceEpoch()),
                                                   def->width));
    answer.error = errorCode(map.read(address, answer.data));
    return answer;
}

SimStation::Answer SimStation::registerAccess(bool write, quint16 address, const QByteArray &data)
{
    if (!modulePresent((address - RegisterBase) / 16 + 1))
        return Answer{ErrMissing, {}};
    Answer special;
    if (inputRegister(write, address, data, special) || (!write && moduleStatusRegister(address, special)))
        return special;
    if (!write) {
        const auto written = m_registers.constFind(address);
        if (written != m_registers.constEnd())
            return Answer{0, *written};
        return Answer{0, liveRegister(address)};
    }
    if (data.size() != RegisterWidth)
        return Answer{ErrBadLength, {}};
    m_registers.insert(address, data);
    return Answer{};
}

// The status and capture registers of an input channel.
bool SimStation::inputRegister(bool write, quint16 address, const QByteArray &data, Answer &answer)
{
    const int offset = address - RegisterBase;
    const int position = offset / 16 + 1, channel = (offset % 16) / 4, j = offset % 4;
    if (!SimLiveValues::isInputModule(m_modules.at(position - 1).code()))
        return false;
    if (write && data.size() != RegisterWidth) {
        answer = Answer{ErrBadLength, {}};
        return true;
    }
    const qint64 now = m_started.elapsed();
    const SimInputRegisters::Access access =
        m_inputs.access(write, position, channel, j, now, SimLiveValues::pv(position, channel, now));
    answer = Answer{access.error, access.data};
    return access.handled;
}

// The status word of a discrete module, which the command line sets as
// the status of its channel 1.
bool SimStation::moduleStatusRegister(quint16 address, Answer &answer) const
{
    const int offset = address - RegisterBase;
    const int position = offset / 16 + 1;
    if (!SimDiscreteModule::isDiscrete(m_modules.at(position - 1).code())
        || offset % 16 != SimDiscreteModule::StatusRegister)
        return false;
    answer = Answer{0, SimPointMap::integerBytes(m_inputs.status(position, 0), 2) + QByteArray(2, '\0')};
    return true;
}

// An input channel's register nobody wrote reports a live value, and so
// does the I/O word of a discrete input module.
QByteArray SimStation::liveRegister(quint16 address) const
{
    const int offset = address - RegisterBase;
    const int position = offset / 16 + 1;
    const quint8 code = m_modules.at(position - 1).code();
    QByteArray live = SimLiveValues::registerBytes(code, position, (offset % 16) / 4, offset % 4,
                                                   m_started.elapsed());
    if (offset % 16 == SimDiscreteModule::IoRegister)
        live += SimDiscreteModule::inputWord(code, position, m_started.elapsed());
    return live.isEmpty() ? QByteArray(RegisterWidth, '\0') : live;
}

SimStation::Answer SimStation::commit(bool write, quint16 address)
{
    if (!modulePresent((address - CommitBase) / 4 + 1))
        return Answer{ErrMissing, {}};
    if (!write)
        return Answer{ErrUnknownAddress, {}};
    ++m_commits[address];
    return Answer{};
}

SimPointMap *SimStation::targetFor(quint16 tunnelAddr)
{
    return const_cast<SimPointMap *>(std::as_const(*this).targetFor(tunnelAddr));
}

const SimPointMap *SimStation::targetFor(quint16 tunnelAddr) const
{
    if (!inRange(tunnelAddr, TunnelBase, TunnelSpan))
        return nullptr;
    const int offset = tunnelAddr - TunnelBase;
    const int position = offset / 4 + 1;
    return modulePresent(position) ? m_modules.at(position - 1).target(offset % 4) : nullptr;
}

bool SimStation::modulePresent(int position) const
{
    return position >= 1 && position <= m_modules.size();
}

QByteArray SimStation::encode(quint16 address, const Answer &answer)
{
    const SimFrame frame = answer.error ? SimFrame::error(address, quint8(answer.error))
                                        : SimFrame::answer(address, answer.data);
    return frame.bytes();
}

int SimStation::errorCode(SimPointMap::Result result)
{
    switch (result) {
    case SimPointMap::Ok:
        return 0;
    case SimPointMap::UnknownAddress:
        return ErrUnknownAddress;
    case SimPointMap::BadLength:
        return ErrBadLength;
    case SimPointMap::ReadOnly:
        return ErrReadOnly;
    }
    return ErrUnknownAddress;
}

void SimStation::setFaults(const SimFaults &faults)
{
    QMutexLocker locker(&m_mutex);
    m_faults = faults;
}

SimFaults SimStation::faults() const
{
    QMutexLocker locker(&m_mutex);
    return m_faults;
}

quint16 SimStation::deviceType() const
{
    return m_class.deviceType;
}

QVector<quint8> SimStation::moduleTypes() const
{
    QMutexLocker locker(&m_mutex);
    QVector<quint8> codes;
    for (const SimModule &m : m_modules)
        codes.append(m.code());
    return codes;
}

bool SimStation::readPoint(quint16 tunnel, quint16 address, QByteArray &value) const
{
    QMutexLocker locker(&m_mutex);
    const SimPointMap *map = tunnel ? targetFor(tunnel) : &m_head;
    return map && map->read(address, value) == SimPointMap::Ok;
}

void SimStation::setChannelStatus(int module, int index, quint16 word)
{
    QMutexLocker locker(&m_mutex);
    m_inputs.setStatus(module, index, word);
}

void SimStation::setCaptureDelayMs(int ms)
{
    QMutexLocker locker(&m_mutex);
    m_inputs.setCaptureDelayMs(ms);
}

void SimStation::configure(const SimOptions &options)
{
    setFaults(options.faults);
    setCaptureDelayMs(options.captureDelayMs);
    for (const SimOptions::ChannelStatus &row : options.channelStatus)
        setChannelStatus(row.module, row.channel - 1, row.word);
    setPoint(0, SimCatalog::StatusPoint, SimPointMap::integerBytes(options.statusWord, 2));
    setPoint(0, SimCatalog::P2pStatusPoint, SimPointMap::integerBytes(options.p2pStatus, 2));
}

bool SimStation::setPoint(quint16 tunnel, quint16 address, const QByteArray &value)
{
    QMutexLocker locker(&m_mutex);
    SimPointMap *map = tunnel ? targetFor(tunnel) : &m_head;
    return map && map->set(address, value);
}

QByteArray SimStation::registerValue(int module, int index, int j) const
{
    QMutexLocker locker(&m_mutex);
    return m_registers.value(registerAddress(module, index, j), QByteArray(RegisterWidth, '\0'));
}

quint64 SimStation::pointReads() const
{
    QMutexLocker locker(&m_mutex);
    return m_pointReads;
}

quint64 SimStation::frameBytes() const
{
    QMutexLocker locker(&m_mutex);
    return m_frameBytes;
}

void SimStation::countFrameBytes(int bytes)
{
    QMutexLocker locker(&m_mutex);
    m_frameBytes += quint64(bytes);
}

quint64 SimStation::requestCount() const
{
    QMutexLocker locker(&m_mutex);
    return m_requests;
}

int SimStation::saveCount() const
{
    QMutexLocker locker(&m_mutex);
    return m_saves;
}

int SimStation::commitCount(int module, int index) const
{
    QMutexLocker locker(&m_mutex);
    return m_commits.value(commitAddress(module, index));
}

quint16 SimStation::tunnelAddress(int module, int index)
{
    return quint16(TunnelBase + 4 * (qMax(module, 1) - 1) + index);
}

quint16 SimStation::registerAddress(int module, int index, int j)
{
    return quint16(RegisterBase | (16 * (qMax(module, 1) - 1) + 4 * index + j));
}

quint16 SimStation::commitAddress(int module, int index)
{
    return quint16(CommitBase | (4 * (qMax(module, 1) - 1) + index));
}

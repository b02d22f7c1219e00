#include "RYXCliRunner.h"

#include "comm/RYXConnection.h"
#include "comm/RYXTransferSettings.h"
#include "comm/TransferContext.h"
#include "comm/ZEMPRSPort.h"
#include "comm/ZEMPTCPPort.h"
#include "devices/RYXClassRegistry.h"
#include "devices/RYXInterfaceModule.h"
#include "model/RYXHeadlessReceiver.h"
#include "model/RYXObjectFactory.h"
#include "model/RYXSysManager.h"
#include "model/VELXmlHandler.h"
#include "model/VELXmlWriter.h"

#include <QtCore/QEventLoop>
#include <QtCore/QFile>
#include <QtCore/QSaveFile>
#include <QtCore/QTextStream>

namespace {

// The progress dialog mode the connection thread posts when an operation
// it ran has ended.
constexpr int OperationFinished = 3;
// The last line of a connect sequence that succeeded, synchronization included.
const char ConnectedLine[] = "Connection was succesful.";

// Result lines of a connect that failed, with the code they stand for.
struct ConnectFailure
{
    const char *line;
    int code;
};

const ConnectFailure ConnectFailures[] = {
    {"Failure: Timeout", TransferContext::CommunicationLost},
    {"Failure: Found different device", TransferContext::DifferentDevice},
    {"Failure: Found different child module count", TransferContext::ModuleCountDiffers},
    {"Failure: Found different child module type(s)", TransferContext::ModuleTypesDiffer},
};

constexpr int FirstCode = TransferContext::CommunicationLost;
constexpr int LastCode = TransferContext::NotAsDownloaded;

int codeOfLine(const QString &line)
{
    for (const ConnectFailure &failure : ConnectFailures) {
        if (line == QLatin1String(failure.line))
            return failure.code;
    }
    for (int code = FirstCode; code <= LastCode; ++code) {
        if (line.endsWith(TransferContext::failureMessage(code)))
            return code;
    }
    return 0;
}

} // namespace

RYXCliRunner::RYXCliRunner(const RYXCliOptions &options, QTextStream *output, QObject *parent)
    : QObject(parent), m_options(options), m_output(output),
      m_receiver(std::make_unique<RYXHeadlessReceiver>())
{
    m_receiver->setOutput(output);
    m_receiver->setRetryAnswer(0); // a station that does not answer is given up
    connect(m_receiver.get(), &RYXHeadlessReceiver::progressResultAdded, this,
            [this](const QString &icon, const QString &text) {
                if (icon.contains(QLatin1String("Red")))
                    m_redLines << text;
                else if (text == QLatin1String(ConnectedLine))
                    m_connected = true;
            });
    connect(m_receiver.get(), &RYXHeadlessReceiver::progressShown, this, [this](int mode) {
        if (mode == OperationFinished)
            m_finished = true;
    });
}

RYXCliRunner::~RYXCliRunner()
{
    // Connections (and their threads) end before the station they serve.
    m_manager.reset();
}

QStringList RYXCliRunner::stationTypes()
{
    QStringList types;
    for (const RYXClassInfo *row : RYXClassRegistry::classes()) {
        if (RYXClassRegistry::isInterfaceModule(*row) && row->create && (row->menus & RYXClassInfo::UploadMenu))
            types << QString::fromLatin1(row->element).toLower();
    }
    return types;
}

int RYXCliRunner::run()
{
    RYXTransferSettings::overrideVerifyDownloads(m_options.readBack);
    QString error;
    m_station = createStation(error);
    if (!m_station) {
        *m_output << "ryxcli: " << error << '\n';
        return Failure;
    }
    if (m_options.command == RYXCliOptions::Command::Download && !refuseValueProblems())
        return Failure;
    m_manager = std::make_unique<RYXSysManager>(m_receiver.get(), nullptr);
    m_manager->addDevice(m_station);
    // A station is always reached through a connection to a real device.
    m_connection = qobject_cast<RYXConnection *>(m_manager->getConnections().constLast());
    if (!attachPort(error)) {
        *m_output << "ryxcli: " << error << '\n' << RYXCliOptions::usage();
        return Usage;
    }
    if (m_options.command == RYXCliOptions::Command::Upload && !canWriteOutput(error)) {
        *m_output << "ryxcli: cannot write " << m_options.out << ": " << error << '\n';
        return Failure;
    }

    const bool upload = m_options.command == RYXCliOptions::Command::Upload;
    int code = connectStation(upload);
    if (code == 0 && m_options.command == RYXCliOptions::Command::Download)
        code = runOperation(QStringLiteral("download"));
    if (code == 0 && upload) {
        waitUntil([this] { return m_finished || m_connection->isOffline(); });
        code = codeFromResults(0);
        if (code == 0 && m_connection->isOffline())
            code = TransferContext::CommunicationLost;
    }
    disconnectStation();
    if (code == 0 && upload && !VELXmlWriter::saveToFile(*m_station, m_options.out, &error)) {
        *m_output << "ryxcli: cannot save " << m_options.out << ": " << error << '\n';
        return Failure;
    }
    return finish(code);
}

// Saving writes a temporary file beside the output and renames it over the
// output; opening one the same way finds every place that cannot take the
// file, before the station is asked anything. Nothing is left behind.
bool RYXCliRunner::canWriteOutput(QString &error) const
{
    QSaveFile probe(m_options.out);
    if (probe.open(QIODevice::WriteOnly))
        return true;
    error = probe.errorString();
    return false;
}

RYXInterfaceModule *RYXCliRunner::createStation(QString &error)
{
    RYXObject *object = nullptr;
    if (m_options.command == RYXCliOptions::Command::Upload) {
        const QString element = m_options.type.toUpper();
        if (RYXObjectFactory::isRegistered(element))
            object = RYXObjectFactory::create(element, 0);
        error = QStringLiteral("\"%1\" is not a station type").arg(m_options.type);
    } else {
        QFile file(m_options.file);
        VELXmlHandler handler;
        if (!file.open(QIODevice::ReadOnly))
            error = QStringLiteral("cannot open %1: %2").arg(m_options.file, file.errorString());
        else if (!handler.parse(&file))
            error = QStringLiteral("%1: Failed to parse the input file. (%2, line %3, column %4)")
                        .arg(m_options.file, handler.errorString())
                        .arg(handler.errorLine())
                        .arg(handler.errorColumn());
        else
            object = handler.takeFirstObject();
        for (const QString &note : handler.notes())
            *m_output << "ryxcli: " << m_options.file << ": " << note << '\n';
        if (object || error.isEmpty())
            error = QStringLiteral("%1 does not hold a station").arg(m_options.file);
    }
    auto *station = qobject_cast<RYXInterfaceModule *>(object);
    if (!station)
        delete object;
    return station;
}

// A value the device cannot take is never downloaded: the station is
// refused before any connection, with the values named.
bool RYXCliRunner::refuseValueProblems()
{
    const QStringList problems = m_station->valueProblemsInTree();
    if (problems.isEmpty())
        return true;
    for (const QString &problem : problems)
        *m_output << "ryxcli: " << problem << '\n';
    *m_output << "ryxcli: " << m_options.file << " is not downloaded: the device cannot take these values\n";
    m_output->flush();
    delete m_station;
    m_station = nullptr;
    return false;
}

bool RYXCliRunner::attachPort(QString &error)
{
    const bool tcp = m_options.transport == RYXCliOptions::Transport::Tcp;
    const unsigned needed = tcp ? RYXInterfaceModule::TransportTCPIP : RYXInterfaceModule::TransportRS232;
    if (!(m_station->getTransportMask() & needed)) {
        error = QStringLiteral("%1 cannot be reached over %2")
                    .arg(m_station->getName(), tcp ? QStringLiteral("TCP/IP") : QStringLiteral("a serial line"));
        return false;
    }
    ZEMPPort *port = nullptr;
    if (tcp) {
        m_connection->setIpAddress(m_options.address);
        port = new ZEMPTCPPort(m_options.address);
    } else {
        auto *serial = new ZEMPRSPort;
        serial->setDevicePath(m_options.address);
        port = serial;
    }
    if (m_options.timeoutMs > 0)
        port->setTimeout(m_options.timeoutMs);
    m_connection->setPort(port);
    return true;
}

int RYXCliRunner::connectStation(bool uploadAfterConnect)
{
    m_connection->connectSlot(uploadAfterConnect);
    // A port that cannot be opened leaves no request behind.
    if (!m_connection->isConnectRequested() && m_connection->isOffline())
        return TransferContext::CommunicationLost;
    // Online comes before the synchronization, which may still fail.
    waitUntil([this] {
        return m_connected || (m_connection->isOffline() && !m_connection->isConnectRequested());
    });
    // A failure reported on the way counts even when the connect succeeded.
    if (m_connected && m_connection->state() == RYXConnection::Online)
        return codeFromResults(0);
    return connectFailureCode();
}

int RYXCliRunner::connectFailureCode() const
{
    const int code = codeFromResults(0);
    if (code > Failure)
        return code;
    // A line without a code of its own ("failed during Synhronization"):
    // the station's last transaction tells a time-out or a missing device
    // from any other failure.
    const int status = m_connection->getPort()->lastFailure().status;
    const int fromStatus = RYXInterfaceModule::resultOfStatus(status);
    if (fromStatus > Failure)
        return fromStatus;
    return code == Failure ? Failure : int(TransferContext::CommunicationLost);
}

int RYXCliRunner::runOperation(const QString &operation)
{
    const int first = m_redLines.size();
    m_finished = false;
    m_connection->setPendingOperation(m_station, operation);
    waitUntil([this] { return m_finished || m_connection->isOffline(); });
    const int code = codeFromResults(first);
    if (code == 0 && !m_finished)
        return TransferContext::CommunicationLost;
    return code;
}

void RYXCliRunner::disconnectStation()
{
    m_connection->disconnectSlot();
    waitUntil([this] { return m_connection->isOffline(); });
}

void RYXCliRunner::waitUntil(const std::function<bool()> &done)
{
    QEventLoop loop;
    auto check = [&] {
        if (done())
            loop.quit();
    };
    const QMetaObject::Connection connections[] = {
        connect(m_connection, &RYXConnection::stateChanged, &loop, check, Qt::QueuedConnection),
        connect(m_receiver.get(), &RYXHeadlessReceiver::progressResultAdded, &loop, check),
        connect(m_receiver.get(), &RYXHeadlessReceiver::progressShown, &loop, check),
    };
    if (!done())
        loop.exec();
    for (const QMetaObject::Connection &connection : connections)
        disconnect(connection);
}

int RYXCliRunner::codeFromResults(int first) const
{
    for (int i = first; i < m_redLines.size(); ++i) {
        if (const int code = codeOfLine(m_redLines.at(i)))
            return code;
    }
    return m_redLines.size() > first ? Failure : Success;
}

int RYXCliRunner::finish(int code)
{
    if (code == Success)
        *m_output << "ryxcli: success\n";
    else if (code == Failure)
        *m_output << "ryxcli: " << TransferContext::failureMessage(-1) << '\n';
    else
        *m_output << "ryxcli: " << TransferContext::failureMessage(code) << '\n';
    m_output->flush();
    return code;
}

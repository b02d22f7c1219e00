#pragma once

#include "comm/ZEMPPort.h"

#include <QtCore/QByteArray>
#include <QtCore/QList>

#include <functional>

// A transport whose device answers each request with scripted chunks, fed
// back from inside writeFrame as a serial reader would feed them.
class ScriptedPort : public ZEMPPort
{
public:
    bool writeFrame(BYTE *frame, int length) override
    {
        frames << QByteArray(reinterpret_cast<const char *>(frame), length);
        if (answer) {
            for (QByteArray chunk : answer(frames.last()))
                processBytesSlot(reinterpret_cast<BYTE *>(chunk.data()), int(chunk.size()));
        }
        return true;
    }

    /// Appends the checksum to a frame given without it.
    static QByteArray withChecksum(const QByteArray &frame)
    {
        return frame + char(frameChecksum(reinterpret_cast<const BYTE *>(frame.constData()),
                                          int(frame.size())));
    }

    /// A frame as built for a request. A response carrying data has the
    /// layout of a read request with that data; a device error that of a
    /// one-byte write of its code.
    static QByteArray frame(ZEMPOpEnum op, quint16 address, const QByteArray &data)
    {
        BYTE out[ZEMP_MAX_FRAME];
        const int length = buildFrame(op, address, int(data.size()),
                                      reinterpret_cast<const BYTE *>(data.constData()), out);
        return QByteArray(reinterpret_cast<const char *>(out), length);
    }

    std::function<QList<QByteArray>(const QByteArray &)> answer;
    QList<QByteArray> frames;
};

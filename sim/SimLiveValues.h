#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QtGlobal>

// The process values an input module's channels report while nobody has
// written their value registers: a PV that drifts slowly around a level of
// its own per module and channel, so that a monitoring client sees it move.
// Register 0 of a channel is its PV, register 1 the ambient temperature
// at its terminals, both floats sent most significant byte first.
class SimLiveValues
{
public:
    static constexpr int PvRegister = 0;
    static constexpr int AmbientRegister = 1;
    /// One full swing of the PV takes this long.
    static constexpr qint64 PeriodMs = 60000;

    /// Whether modules of type \a moduleCode measure inputs.
    static bool isInputModule(quint8 moduleCode);
    /// The PV of channel \a channel (0-based) of the module at \a position
    /// (1-based), \a elapsedMs after the station started.
    static float pv(int position, int channel, qint64 elapsedMs);
    /// The ambient temperature at the terminals of that channel: about
    /// 21 degrees, drifting by a few tenths.
    static float ambient(int position, int channel, qint64 elapsedMs);
    /// The 4 bytes of register \a j of that channel; empty when the
    /// register carries no live value.
    static QByteArray registerBytes(quint8 moduleCode, int position, int channel, int j,
                                    qint64 elapsedMs);
};

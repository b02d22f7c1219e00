#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QtGlobal>

// How the simulated station stores and checks one device point.
enum class SimPointKind {
    Integer, // fixed width, most significant byte first; a write must fill it exactly
    Text,    // zero-padded field; a write may be shorter than the field
    Binary   // as Text, for raw byte blocks
};

// One row of a point table: the address a ZEMP frame names, its width on the
// wire, its initial contents and how the station treats it.
struct SimPointDef
{
    enum Flag {
        None = 0,
        ReadOnly = 0x1,     // writes answer with a device error
        SavesStation = 0x2, // a successful write makes the station store its data
        Clock = 0x4         // reads give the station's clock in seconds
    };

    quint16 address = 0;
    int width = 0;
    SimPointKind kind = SimPointKind::Integer;
    QByteArray initial; // shorter values are padded (integers on the left, fields on the right)
    int flags = None;
};

#pragma once

#include <QtCore/QtGlobal>

class RYXObject;

// The identities that name tree objects in drag and clipboard texts: a
// random half drawn once per process and a running counter, so that a text
// copied from another program never names an object here, and a registry
// that finds the object an identity names without trusting an address.
class RYXDragIdentity
{
public:
    /// A new identity for \a object, registered until remove().
    static quint64 add(RYXObject *object);
    static void remove(quint64 id);
    /// The live object named by \a id; null when none.
    static RYXObject *find(quint64 id);
};

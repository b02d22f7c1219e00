#pragma once

#include "io/ROModuleObject.h"

// The eight-relay output module: the four-relay module with relays 5 to 8.
class ROModule8Object : public ROModuleObject
{
    Q_OBJECT
public:
    static const RYXClassInfo Info;

    explicit ROModule8Object(QObject *parent = nullptr);
};

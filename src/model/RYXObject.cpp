#include "model/RYXObject.h"

RYXObject::RYXObject(QObject *parent)
    : QObject(parent)
{
}

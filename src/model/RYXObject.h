#pragma once

#include <QtCore/QObject>

// Placeholder until the tree object base lands.
class RYXObject : public QObject
{
    Q_OBJECT
public:
    explicit RYXObject(QObject *parent = nullptr);
};

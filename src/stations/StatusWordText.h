#pragma once

#include <QtCore/QCoreApplication>
#include <QtCore/QList>
#include <QtCore/QPair>
#include <QtCore/QString>

// The texts of one status word of a station: a heading and one text per
// bit. Two bits that mean something else when both are set (a battery
// backup module that is both failed and in use is one that is not there)
// give one text of their own, in place of the first of them.
struct StatusWordText
{
    /// One line of a status report: the image name and the text.
    using Line = QPair<QString, QString>;

    const char *heading;
    const char *const *bitTexts;
    int bitCount;
    unsigned pairMask = 0;        // the two bits with a text of their own when both are set
    const char *pairText = nullptr;
    bool okWhenZero = true;       // a clear word shows one green "OK" line

    /// The lines \a value stands for: one red line per set bit that has a
    /// text; for a clear word one green "OK" line, or none.
    QList<Line> lines(unsigned value) const;

    /// The Ethernet interface module's status word.
    static const StatusWordText InterfaceModuleStatus;
    /// The MODBUS peer-to-peer status word shared by the MODBUS stations.
    static const StatusWordText PeerToPeerStatus;

    Q_DECLARE_TR_FUNCTIONS(StatusWordText)
};

// A channel holding the points that the input and output channels keep for
// their trim and custom curve plug-ins, under the names those channels use,
// with both plug-ins as its children; it records what the plug-ins ask of
// it. Its element, TESTCHANNEL, and the plug-ins' elements are known to
// the configuration file reader once registerPluginHost() ran.
#pragma once

#include "devices/PointSpec.h"
#include "devices/RYXChannel.h"
#include "devices/RYXClassRegistry.h"
#include "model/RYXClassInfo.h"
#include "plugins/RYXCustomCurveObjectPlugin.h"
#include "plugins/RYXTrimObjectPlugin.h"

#include <QtCore/QList>
#include <QtCore/QStringList>

class PluginHostChannel : public RYXChannel
{
public:
    static RYXObject *make(int channel)
    {
        auto *made = new PluginHostChannel(RYXTrimObjectPlugin::TemperatureInput);
        made->setChannelNumber(channel);
        return made;
    }
    static const RYXClassInfo &info()
    {
        static const RYXClassInfo row = {RYXObjectFactory::ChannelLevel, "TESTCHANNEL", "TI", 7, -1,
                                         "Test Channel", "Test Channel", nullptr, 0, 0, &make};
        return row;
    }

    explicit PluginHostChannel(int kind)
    {
        applyClassInfo(info());
        static const PointSpec points[] = {
            {"trimenable", "false", 0, 0, ZEMP_NONE},
            {"numtrimpts", "0", 0, 0xF0E0, ZEMP_UINT8},
            {"trimpointz", "0.0", 0, 0xFF23, ZEMP_FLOAT},
            {"trimpointf", "0.0", 0, 0xFF24, ZEMP_FLOAT},
            {"trimcapturez", "0.0", 0, 0xFF25, ZEMP_FLOAT},
            {"trimcapturef", "0.0", 0, 0xFF26, ZEMP_FLOAT},
            {"trimrangez", "0.0", 3, 0, ZEMP_NONE},
            {"trimrangef", "0.0", 3, 0, ZEMP_NONE},
            {"tzisvalid", "true", 3, 0, ZEMP_NONE},
            {"tfisvalid", "true", 3, 0, ZEMP_NONE},
            {"tcapzisvalid", "true", 3, 0, ZEMP_NONE},
            {"tcapfisvalid", "true", 3, 0, ZEMP_NONE},
            {"trimisvalid", "true", 3, 0, ZEMP_NONE},
            {"customcurveenable", "false", 0, 0, ZEMP_NONE},
            {"customcurvenumpts", "0", 0, 0xFF37, ZEMP_UINT8},
            {"tablelow", "0.0", 1, 0xFF38, ZEMP_FLOAT},
            {"tablehigh", "0.0", 1, 0xFF39, ZEMP_FLOAT},
            {"customcurverangelow", "0.0", 2, 0xFF38, ZEMP_FLOAT},
            {"customcurverangehigh", "0.0", 2, 0xFF39, ZEMP_FLOAT},
            {"ccurveisvalid", "true", 3, 0, ZEMP_NONE},
            {"ccurvenumpointsisvalid", "true", 3, 0, ZEMP_NONE},
            {"ccurveerrormessage", "", 3, 0, ZEMP_NONE},
        };
        PointSpec::insertAll(this, points);
        for (int i = 1; i <= RYXCustomCurveObjectPlugin::MaxPoints; ++i) {
            InsertPoint(QStringLiteral("customcurve_x_value%1").arg(i), QStringLiteral("0.000000"),
                        DataPoint::Attributes(), quint16(0xFE00 + i), ZEMP_FLOAT);
            InsertPoint(QStringLiteral("customcurve_y_value%1").arg(i), QStringLiteral("0.000000"),
                        DataPoint::Attributes(), quint16(0xF900 + i), ZEMP_FLOAT);
        }
        trim = new RYXTrimObjectPlugin(this, kind);
        curve = new RYXCustomCurveObjectPlugin(this, kind);
        addChild(trim);
        addChild(curve);
    }

    void trimButtonClicked(bool upper) override { trimClicks.append(upper); }
    int executeOperation(const QString &op, bool topLevel = true) override
    {
        operations.append(op);
        return op.endsWith(QLatin1String("trim")) || op.endsWith(QLatin1String("curve"))
                   ? operationResult
                   : RYXChannel::executeOperation(op, topLevel);
    }

    RYXTrimObjectPlugin *trim;
    RYXCustomCurveObjectPlugin *curve;
    QList<bool> trimClicks;
    QStringList operations;
    int operationResult = 0;
};

/// Makes the test channel's element and the plug-ins' elements known to the
/// configuration file reader.
inline void registerPluginHost()
{
    RYXClassRegistry::install({&PluginHostChannel::info(), &RYXTrimObjectPlugin::Info,
                               &RYXCustomCurveObjectPlugin::Info});
}

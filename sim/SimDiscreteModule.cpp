#include "SimDiscreteModule.h"

#include "SimCatalog.h"
#include "SimPointMap.h"

namespace {

enum Code : quint8 { CC8 = 23, RO4 = 25, LV8 = 100, HV8 = 101, RO8 = 102 };

SimPointDef integer(quint16 address, int width, quint64 initial)
{
    return SimPointDef{address, width, SimPointKind::Integer, SimPointMap::integerBytes(initial, width),
                       SimPointDef::None};
}

SimPointDef command(quint16 address)
{
    return SimPointDef{address, 1, SimPointKind::Binary, {}, SimPointDef::None};
}

SimPointDef tag(quint16 address)
{
    return SimPointDef{address, 24, SimPointKind::Text, {}, SimPointDef::None};
}

// Not used flag, the module type (rewritable by the type correction), the
// non-volatile write enable and the commands: checksum, reset, clear errors.
QVector<SimPointDef> commonPoints()
{
    return {integer(0x12, 1, 0), integer(SimCatalog::ModuleTypePoint, 1, 0), integer(0x73, 1, 0),
            command(0x5710), command(0x6F), integer(0x5700, 2, 0), tag(SimDiscreteModule::TagPoint)};
}

// Failure masks; the debounce words (CC8) or the filter words (LV8, HV8).
QVector<SimPointDef> inputPoints(quint8 code)
{
    QVector<SimPointDef> points{integer(0xF018, 1, 0), integer(0xF019, 1, 0)};
    for (int n = 1; n <= 8; ++n) {
        if (code == CC8) {
            const quint16 debounce = quint16(0xE034 + 0x18 * (n - 1));
            points << integer(debounce, 4, 5) << integer(quint16(debounce + 8), 4, 5);
        } else {
            const quint16 up = quint16(0xF03F + 0x18 * (n - 1));
            points << integer(up, 1, 20) << integer(quint16(up + 2), 1, 1);
        }
    }
    if (code != CC8)
        points << integer(0xF013, 1, 41);
    return points;
}

// Power-up masks, failure response word, LED word, output mask and states.
QVector<SimPointDef> relayPoints()
{
    return {integer(0xF006, 1, 0), integer(0xF007, 1, 0), integer(0xE010, 4, 0),
            integer(0xF004, 1, 15), integer(0xF005, 1, 0), integer(0x5500, 1, 0)};
}

} // namespace

bool SimDiscreteModule::isDiscrete(quint8 code)
{
    return isInputModule(code) || code == RO4 || code == RO8;
}

bool SimDiscreteModule::isInputModule(quint8 code)
{
    return code == CC8 || code == LV8 || code == HV8;
}

int SimDiscreteModule::channelCount(quint8 code)
{
    return code == RO4 ? 4 : 8;
}

QVector<SimPointDef> SimDiscreteModule::modulePoints(quint8 code)
{
    QVector<SimPointDef> points = commonPoints();
    points << (isInputModule(code) ? inputPoints(code) : relayPoints());
    for (int n = Targets + 1; n <= channelCount(code); ++n)
        points << tag(quint16(UpperTagPoint + n - Targets - 1));
    return points;
}

QVector<SimPointDef> SimDiscreteModule::targetPoints()
{
    return {tag(TagPoint)};
}

// Each module's inputs step through their own pattern once a second.
QByteArray SimDiscreteModule::inputWord(quint8 code, int position, qint64 elapsedMs)
{
    if (!isInputModule(code))
        return {};
    const int step = int((elapsedMs / InputStepMs + position) % 8);
    const quint8 inputs = quint8((0x11u << step) | (0x11u >> (8 - step)));
    QByteArray word(4, '\0');
    word[0] = char(inputs);
    return word;
}

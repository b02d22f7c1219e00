#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

#include <functional>

class RYXObject;

// Registry from configuration file element name to the class it stands
// for. Each object class registers a creator for its element; an element
// without a registered creator is unknown to the reader.
class RYXObjectFactory
{
public:
    // Where an element's object may be placed when it is read inside
    // another element; anything placed elsewhere is discarded.
    enum Level {
        StationLevel, // a station root; attached only inside a network
        NetworkLevel, // a station root that holds stations
        ModuleLevel,  // appended to the children of a station
        ChannelLevel, // replaces the default channel of its number in a module
        PluginLevel   // never attached: hosts create their own plug-ins
    };

    /// Builds a detached object; \a channel is the channel number of a
    /// channel element (0 when absent) and unused by the other levels.
    using Creator = std::function<RYXObject *(int channel)>;

    /// Registers (or replaces) the creator of \a element.
    static void registerClass(const QString &element, Level level, const Creator &creator);
    static void unregisterClass(const QString &element);
    static bool isRegistered(const QString &element);
    /// The level of a registered element; false when \a element is unknown.
    static bool levelOf(const QString &element, Level &level);
    /// A new object for \a element, or null when the element is unknown.
    static RYXObject *create(const QString &element, int channel);
    static QStringList registeredElements();
};

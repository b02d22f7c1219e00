#pragma once

#include <QtCore/QSize>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtGui/QIcon>
#include <QtGui/QPixmap>

// The program's embedded image collection: LEDs, tool bar icons, the
// window icon and the per-type tree icons, looked up by their names
// ("SmallGreenLED", "Save", "VEL", "TI_OK", ...). Pictures are drawn from
// SVG once, at their natural size, and cached. Use from the GUI thread.
class RYXImages
{
public:
    /// The picture called \a name; a null pixmap (and one warning) when unknown.
    static QPixmap pixmap(const QString &name);
    /// The picture as an icon, with a double-resolution rendition for dense screens.
    static QIcon icon(const QString &name);
    static bool contains(const QString &name);
    /// Every name in the collection, sorted.
    static QStringList names();
    /// The natural size of \a name; invalid when unknown.
    static QSize naturalSize(const QString &name);

private:
    static QPixmap render(const QString &name, qreal scale);
};

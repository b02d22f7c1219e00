#include "core/RYXImages.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QHash>
#include <QtCore/QLoggingCategory>
#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>
#include <QtCore/QSet>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtSvg/QSvgRenderer>

Q_LOGGING_CATEGORY(lcImages, "ryx.app.images")

// The resources live in the static core library; without an explicit
// initialisation the linker drops them from the executables.
static void initImageResources()
{
    Q_INIT_RESOURCE(images);
}

namespace {

const char *const ResourceRoot = ":/images/";

struct ImageCache
{
    ImageCache() { initImageResources(); }

    QMutex mutex;
    QHash<QString, QPixmap> pixmaps;
    QHash<QString, QIcon> icons;
    QSet<QString> warned;
};

ImageCache &cache()
{
    static ImageCache instance;
    return instance;
}

QString resourcePath(const QString &name)
{
    return QLatin1String(ResourceRoot) + name;
}

// Loads the SVG behind \a name into \a renderer; false when there is none.
bool loadRenderer(const QString &name, QSvgRenderer &renderer)
{
    if (name.isEmpty())
        return false;
    QFile file(resourcePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return renderer.load(file.readAll());
}

} // namespace

QPixmap RYXImages::render(const QString &name, qreal scale)
{
    QSvgRenderer renderer;
    if (!loadRenderer(name, renderer))
        return QPixmap();
    const QSize size = renderer.defaultSize() * scale;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    image.setDevicePixelRatio(scale);
    return QPixmap::fromImage(image);
}

QPixmap RYXImages::pixmap(const QString &name)
{
    ImageCache &c = cache();
    QMutexLocker locker(&c.mutex);
    const auto found = c.pixmaps.constFind(name);
    if (found != c.pixmaps.constEnd())
        return *found;
    const QPixmap picture = render(name, 1.0);
    if (picture.isNull()) {
        if (!c.warned.contains(name)) {
            c.warned.insert(name);
            qCWarning(lcImages, "No image named \"%s\"", qPrintable(name));
        }
        return picture;
    }
    c.pixmaps.insert(name, picture);
    return picture;
}

QIcon RYXImages::icon(const QString &name)
{
    {
        ImageCache &c = cache();
        QMutexLocker locker(&c.mutex);
        const auto found = c.icons.constFind(name);
        if (found != c.icons.constEnd())
            return *found;
    }
    const QPixmap normal = pixmap(name);
    if (normal.isNull())
        return QIcon();
    QIcon result(normal);
    result.addPixmap(render(name, 2.0));
    ImageCache &c = cache();
    QMutexLocker locker(&c.mutex);
    c.icons.insert(name, result);
    return result;
}

bool RYXImages::contains(const QString &name)
{
    cache();
    return !name.isEmpty() && QFile::exists(resourcePath(name));
}

QStringList RYXImages::names()
{
    cache();
    QStringList list = QDir(QLatin1String(ResourceRoot)).entryList(QDir::Files, QDir::Name);
    return list;
}

QSize RYXImages::naturalSize(const QString &name)
{
    cache();
    QSvgRenderer renderer;
    return loadRenderer(name, renderer) ? renderer.defaultSize() : QSize();
}

#include "plugins/CustomCurveCsv.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtCore/QSaveFile>

#include <cmath>

namespace {

// A number as C reads it, whatever the locale; a value that is not finite
// or does not fit a float is no curve value.
bool toValue(const QByteArray &field, double &value)
{
    bool ok = false;
    const float number = QString::fromLatin1(field.trimmed()).toFloat(&ok);
    value = number;
    return ok && std::isfinite(number);
}

} // namespace

QString CustomCurveCsv::openFailureText()
{
    return QCoreApplication::translate("CustomCurveCsv", "Failed to open the requested file.\n");
}

QString CustomCurveCsv::parseLine(const QByteArray &line, int lineNumber, QPointF &point)
{
    QList<QByteArray> fields = line.split(',');
    fields.removeIf([](const QByteArray &field) { return field.trimmed().isEmpty(); });
    if (fields.size() != 2)
        return QCoreApplication::translate("CustomCurveCsv", "Line %1 did not contain two values with a comman in between, aborting.\n").arg(lineNumber);
    double x = 0;
    double y = 0;
    if (!toValue(fields.at(0), x))
        return QCoreApplication::translate("CustomCurveCsv", "Could not convert the X value from line %1 to a float, aborting.").arg(lineNumber);
    if (!toValue(fields.at(1), y))
        return QCoreApplication::translate("CustomCurveCsv", "Could not convert the Y value from line %1 to a float, aborting.").arg(lineNumber);
    point = QPointF(x, y);
    return QString();
}

// A bad first line reports itself; a curve that ends, by a bad line or the
// end of the file, before its second point reports the missing points.
CustomCurveCsv::Result CustomCurveCsv::parse(const QByteArray &content)
{
    Result result;
    QByteArray text = content;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    const QList<QByteArray> lines = text.split('\n');
    for (int i = 0; i < lines.size() && result.error.isEmpty(); ++i) {
        const QByteArray line = lines.at(i).trimmed(); // also drops the CR of CRLF
        if (line.isEmpty())
            continue;
        if (result.points.size() == MaxPoints) {
            result.truncated = true;
            break;
        }
        QPointF point;
        result.error = parseLine(line, i + 1, point);
        if (result.error.isEmpty())
            result.points.append(point);
    }
    const bool lineErrorFirst = !result.error.isEmpty() && result.points.isEmpty();
    if (result.points.size() < 2 && !lineErrorFirst)
        result.error = QCoreApplication::translate("CustomCurveCsv", "A custom curve must contain at least two points");
    return result;
}

CustomCurveCsv::Result CustomCurveCsv::readFile(const QString &fileName)
{
    Result refused;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        refused.error = openFailureText();
        return refused;
    }
    // Read one byte beyond the limit, so that a file that grows while it is
    // read is refused as well.
    const QByteArray content = file.read(MaxFileSize + 1);
    if (content.size() > MaxFileSize) {
        refused.error = QCoreApplication::translate("CustomCurveCsv", "The file is larger than 1 MiB, far larger than a custom curve of %1 points; "
                                   "it was not read.")
                                .arg(MaxPoints);
        return refused;
    }
    if (file.error() != QFileDevice::NoError) {
        refused.error = openFailureText();
        return refused;
    }
    return parse(content);
}

QByteArray CustomCurveCsv::format(const QList<QPointF> &points)
{
    QByteArray text;
    for (const QPointF &point : points)
        text += QString::asprintf("%.3f,%.3f\n", point.x(), point.y()).toLatin1();
    return text;
}

bool CustomCurveCsv::writeFile(const QString &fileName, const QList<QPointF> &points)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(format(points));
    return file.commit();
}

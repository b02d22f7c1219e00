#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtCore/QPointF>
#include <QtCore/QString>

// The comma-separated form of a custom curve: one "X,Y" pair per line,
// written "%.3f,%.3f" with a decimal point whatever the locale. Reading
// accepts a UTF-8 byte order mark, CRLF line ends, blanks around the
// numbers, empty fields ("1.0,,2.0") and blank lines; it stops at the first
// line that is not a pair of numbers, and keeps at most MaxPoints pairs.
class CustomCurveCsv
{
public:
    static constexpr int MaxPoints = 128;
    // A curve file of 128 pairs is a few kilobytes; anything near this is
    // not one, and is not read into memory.
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    struct Result
    {
        QList<QPointF> points; // the curve read; use it only when error is empty
        QString error;         // why the file is refused, in the user's words
        bool truncated = false; // the file held more than MaxPoints pairs
    };

    /// Reads the curve from \a content.
    static Result parse(const QByteArray &content);
    /// Reads the curve from the file \a fileName: refused when it cannot be
    /// opened or is larger than MaxFileSize.
    static Result readFile(const QString &fileName);
    static QByteArray format(const QList<QPointF> &points);
    /// Writes \a points to \a fileName, replacing it only once complete;
    /// false when it cannot be written.
    static bool writeFile(const QString &fileName, const QList<QPointF> &points);

    /// "Failed to open the requested file.\n", translated.
    static QString openFailureText();

private:
    /// Reads one line into \a point; an empty result, or the error text.
    static QString parseLine(const QByteArray &line, int lineNumber, QPointF &point);
};

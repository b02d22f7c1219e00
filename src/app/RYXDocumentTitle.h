#pragma once

#include <QtCore/QString>

// The main window's title: the program's caption, preceded by the name of
// the file shown and a "*" while the tree has changes no file holds.
class RYXDocumentTitle
{
public:
    /// \a caption alone when the tree is empty (\a hasDocument false);
    /// otherwise "<file name>[*] - <caption>", with "Untitled" for a device
    /// that has no file yet.
    static QString compose(const QString &caption, bool hasDocument, const QString &fileName,
                           bool unsaved);
};

#pragma once

#include "core/VerboseLevel.h"

#include <QtCore/QDateTime>
#include <QtCore/QMutex>
#include <QtCore/QStringList>
#include <QtWidgets/QListWidget>

#include <deque>
#include <functional>
#include <initializer_list>
#include <map>

class QActionGroup;
class QMenu;
class RYXEventReceiver;

// The event log under the tree: one line per message. Plain lines arrive
// from any thread through a posted event; structured records (type, text,
// verbosity, arrival time) are kept in a store and listed, in type order,
// through the filters of the right-click menu. The view follows new lines
// only while the user looks at the bottom.
class RYXEventsBox : public QListWidget
{
    Q_OBJECT
public:
    enum TimeRange { TimeShowAll = 0, TimeLast2Hours = 1, TimeLast1Hours = 2, TimeSelectRange = 3 };
    static constexpr int MaxRecords = 65535;
    /// Plain lines kept at most, like the records: the oldest goes first.
    static constexpr int MaxLines = 65535;

    struct Record
    {
        QString type;
        QString text;
        VerboseLevel level = VerboseLow;
        QDateTime time;
        quint64 sequence = 0;
    };

    /// \a receiver gets the posted lines and calls appendLine() back (not owned).
    explicit RYXEventsBox(RYXEventReceiver *receiver, QWidget *parent = nullptr);

    /// Appends \a text on the GUI thread, following it when the last line is in view.
    void appendLine(const QString &text);

    int recordCount() const { return int(m_records.size()); }
    /// The plain lines in the box (the rows that are no listed record).
    int lineCount() const { return count() - m_blockCount; }
    /// The stored records in listing order (by type, then arrival).
    QList<Record> records() const;
    QMenu *popupMenu() const { return m_popup; }
    QMenu *filtersMenu() const { return m_filters; }
    VerboseLevel verbosityFilter() const { return m_verbosity; }
    QString typeFilter() const { return m_typeFilter; }
    TimeRange timeFilter() const { return m_timeRange; }
    /// The message types offered by the type filter, after "Show All".
    QStringList messageTypes() const { return m_types; }
    /// The range used by "Select Range".
    void setSelectedRange(const QDateTime &from, const QDateTime &to);
    /// Replaces the clock that stamps records and anchors "Last n hours".
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

public Q_SLOTS:
    void AddEventItem(const QString &text);
    void AddEventItemx(const QString &type, const QString &text, VerboseLevel level);
    void RightClick(QListWidgetItem *item, const QPoint &point);
    void clearLog();
    void notImplemented();
    void updateList();
    void verbositySelChng(int id);
    void typeSelChng(int id);
    void timeSelChng(int id);

Q_SIGNALS:
    void DebugMessage(const QString &text);

protected:
    void changeEvent(QEvent *event) override;

private:
    using RecordMap = std::multimap<QString, Record>;

    void buildMenus();
    QMenu *addFilterMenu(const char *title, QActionGroup **group,
                         std::initializer_list<const char *> entries,
                         std::function<void(int)> handler);
    void addTypeEntry(const QString &type);
    static void checkEntry(QActionGroup *group, int id);
    void chooseTimeRange();

    bool passesFilters(const Record &record) const;
    bool isLastLineVisible() const;
    void follow(bool wasAtBottom);
    void showLastLine();
    QString lineFor(const Record &record) const;
    QListWidgetItem *makeRow(const Record &record) const;
    int blockRowFor(const QString &type, quint64 sequence, bool *found) const;
    void dropOldestRecord();
    void dropOldestLine();
    void listNewRecord(const Record &record);

    RYXEventReceiver *m_receiver;
    QMutex m_mutex;
    QMenu *m_popup = nullptr;
    QMenu *m_filters = nullptr;
    QMenu *m_typeMenu = nullptr;
    QActionGroup *m_verbosityGroup = nullptr;
    QActionGroup *m_typeGroup = nullptr;
    QActionGroup *m_timeGroup = nullptr;

    RecordMap m_records;
    std::deque<RecordMap::iterator> m_arrival; // oldest first
    quint64 m_nextSequence = 0;
    QStringList m_types;
    std::function<QDateTime()> m_clock;

    VerboseLevel m_verbosity = VerboseLow;
    QString m_typeFilter; // empty: "Show All"
    TimeRange m_timeRange = TimeShowAll;
    QDateTime m_rangeFrom;
    QDateTime m_rangeTo;

    // The listed records occupy rows [m_blockStart, m_blockStart + m_blockCount)
    // in listing order; plain lines sit around them. m_listed is false until the
    // store has been listed after the last clear, so the next record re-lists all.
    int m_blockStart = 0;
    int m_blockCount = 0;
    bool m_listed = false;
    bool m_followPending = false;
};

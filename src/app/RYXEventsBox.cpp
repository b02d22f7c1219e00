#include "app/RYXEventsBox.h"

#include "core/RYXPrompter.h"
#include "model/events/addToEventBoxEvent.h"
#include "model/RYXEventReceiver.h"

#include <QtCore/QMutexLocker>
#include <QtGui/QAction>
#include <QtGui/QActionGroup>
#include <QtWidgets/QDateTimeEdit>
#include <QtWidgets/QDialog>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QMenu>
#include <QtWidgets/QScrollBar>

namespace {

constexpr int TypeRole = Qt::UserRole;
constexpr int SequenceRole = Qt::UserRole + 1;

// Asks for the range of arrival times that "Select Range" lists.
bool askTimeRange(QWidget *parent, QDateTime *from, QDateTime *to)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(RYXEventsBox::tr("Select Range"));
    auto *layout = new QFormLayout(&dialog);
    auto *fromEdit = new QDateTimeEdit(*from, &dialog);
    auto *toEdit = new QDateTimeEdit(*to, &dialog);
    fromEdit->setCalendarPopup(true);
    toEdit->setCalendarPopup(true);
    layout->addRow(RYXEventsBox::tr("From:"), fromEdit);
    layout->addRow(RYXEventsBox::tr("To:"), toEdit);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *from = fromEdit->dateTime();
    *to = toEdit->dateTime();
    return true;
}

} // namespace

RYXEventsBox::RYXEventsBox(RYXEventReceiver *receiver, QWidget *parent)
    : QListWidget(parent), m_receiver(receiver)
{
    // Every row is one line of text: uniform sizes keep long logs cheap to lay out.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        RightClick(itemAt(pos), viewport()->mapToGlobal(pos));
    });
    buildMenus();
}

namespace {

constexpr char SourceTextProperty[] = "ryxSourceText";

// Gives \a action its translated text and remembers the source, so a later
// language change can translate it again.
QAction *withSourceText(QAction *action, const char *source)
{
    action->setProperty(SourceTextProperty, QByteArray(source));
    action->setText(RYXEventsBox::tr(source));
    return action;
}

void retranslateActions(QMenu *menu)
{
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        const QByteArray source = action->property(SourceTextProperty).toByteArray();
        if (!source.isEmpty())
            action->setText(RYXEventsBox::tr(source.constData()));
        if (action->menu())
            retranslateActions(action->menu());
    }
}

} // namespace

void RYXEventsBox::buildMenus()
{
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("Menu"));
    withSourceText(m_popup->addAction(QString(), this, &RYXEventsBox::clearLog),
                   QT_TR_NOOP("Clear Log"));

    m_filters = new QMenu(m_popup);
    withSourceText(m_popup->addMenu(m_filters), QT_TR_NOOP("Filters"));
    addFilterMenu(QT_TR_NOOP("Verbosity Level"), &m_verbosityGroup,
                  {QT_TR_NOOP("Low"), QT_TR_NOOP("Medium"), QT_TR_NOOP("High"),
                   QT_TR_NOOP("Developer")},
                  [this](int id) { verbositySelChng(id); });
    m_typeMenu = addFilterMenu(QT_TR_NOOP("Message Type"), &m_typeGroup, {QT_TR_NOOP("Show All")},
                               [this](int id) { typeSelChng(id); });
    addFilterMenu(QT_TR_NOOP("Timestamp"), &m_timeGroup,
                  {QT_TR_NOOP("Show All"), QT_TR_NOOP("Last 2 hours"), QT_TR_NOOP("Last 1 hours"),
                   QT_TR_NOOP("Select Range")},
                  [this](int id) {
                      if (id == TimeSelectRange)
                          chooseTimeRange();
                      else
                          timeSelChng(id);
                  });
}

QMenu *RYXEventsBox::addFilterMenu(const char *title, QActionGroup **group,
                                   std::initializer_list<const char *> entries,
                                   std::function<void(int)> handler)
{
    auto *menu = new QMenu(m_filters);
    withSourceText(m_filters->addMenu(menu), title);
    *group = new QActionGroup(menu);
    (*group)->setExclusive(true);
    for (const char *entry : entries) {
        QAction *action = withSourceText(menu->addAction(QString()), entry);
        action->setCheckable(true);
        action->setData(int((*group)->actions().size()));
        (*group)->addAction(action);
    }
    (*group)->actions().constFirst()->setChecked(true);
    connect(*group, &QActionGroup::triggered, this,
            [handler](QAction *action) { handler(action->data().toInt()); });
    return menu;
}

void RYXEventsBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateActions(m_popup);
    QListWidget::changeEvent(event);
}

void RYXEventsBox::addTypeEntry(const QString &type)
{
    m_types << type;
    QAction *action = m_typeMenu->addAction(type);
    action->setCheckable(true);
    action->setData(int(m_types.size()));
    m_typeGroup->addAction(action);
}

void RYXEventsBox::checkEntry(QActionGroup *group, int id)
{
    const QList<QAction *> actions = group->actions();
    for (QAction *action : actions)
        action->setChecked(action->data().toInt() == id);
}

void RYXEventsBox::chooseTimeRange()
{
    const QDateTime now = m_clock ? m_clock() : QDateTime::currentDateTime();
    QDateTime from = m_rangeFrom.isValid() ? m_rangeFrom : now.addSecs(-3600);
    QDateTime to = m_rangeTo.isValid() ? m_rangeTo : now;
    if (askTimeRange(this, &from, &to)) {
        setSelectedRange(from, to);
        timeSelChng(TimeSelectRange);
    } else {
        checkEntry(m_timeGroup, m_timeRange);
    }
}

void RYXEventsBox::setSelectedRange(const QDateTime &from, const QDateTime &to)
{
    m_rangeFrom = from;
    m_rangeTo = to;
}

// --------------------------------------------------------------- lines

void RYXEventsBox::AddEventItem(const QString &text)
{
    if (m_receiver) {
        QAsyncCustomEvent::post(m_receiver->eventTarget(), new addToEventBoxEvent(text));
        return;
    }
    QMetaObject::invokeMethod(this, [this, text] { appendLine(text); }, Qt::QueuedConnection);
}

// The scroll bar tells whether the user looks at the bottom without laying
// out the whole list again, which would make every new line cost as much
// as the log is long.
bool RYXEventsBox::isLastLineVisible() const
{
    if (count() == 0)
        return false;
    const QScrollBar *bar = verticalScrollBar();
    return bar->value() >= bar->maximum();
}

void RYXEventsBox::follow(bool wasAtBottom)
{
    if (!wasAtBottom || m_followPending)
        return;
    // Lines arriving in a burst are followed once, after the view has laid
    // them out.
    m_followPending = true;
    QMetaObject::invokeMethod(this, &RYXEventsBox::showLastLine, Qt::QueuedConnection);
}

void RYXEventsBox::showLastLine()
{
    m_followPending = false;
    if (count() == 0)
        return;
    setCurrentRow(count() - 1);
    scrollToItem(item(count() - 1));
}

void RYXEventsBox::appendLine(const QString &text)
{
    const bool wasAtBottom = isLastLineVisible();
    if (lineCount() >= MaxLines)
        dropOldestLine();
    addItem(text);
    follow(wasAtBottom);
}

// Plain lines keep their order of arrival around the block of listed
// records: the oldest is the first row, or the first after the block when
// the block starts the list.
void RYXEventsBox::dropOldestLine()
{
    if (m_blockStart > 0) {
        delete takeItem(0);
        --m_blockStart;
        return;
    }
    delete takeItem(m_blockCount);
}

void RYXEventsBox::RightClick(QListWidgetItem *, const QPoint &point)
{
    m_popup->exec(point);
}

void RYXEventsBox::clearLog()
{
    clear();
    m_blockStart = 0;
    m_blockCount = 0;
    m_listed = false;
}

void RYXEventsBox::notImplemented()
{
    QMutexLocker locker(&m_mutex);
    RYXPrompter::information(this, tr("Warning"), tr("Not Implemeted."));
}

// ------------------------------------------------------------- records

void RYXEventsBox::AddEventItemx(const QString &type, const QString &text, VerboseLevel level)
{
    if (int(m_records.size()) >= MaxRecords)
        dropOldestRecord();
    Record record;
    record.type = type;
    record.text = text;
    record.level = level;
    record.time = m_clock ? m_clock() : QDateTime::currentDateTime();
    record.sequence = m_nextSequence++;
    // A multimap keeps records of one type in arrival order after each other.
    m_arrival.push_back(m_records.emplace(type, record));
    if (!m_types.contains(type))
        addTypeEntry(type);
    listNewRecord(record);
}

QList<RYXEventsBox::Record> RYXEventsBox::records() const
{
    QList<Record> list;
    list.reserve(int(m_records.size()));
    for (const auto &entry : m_records)
        list << entry.second;
    return list;
}

bool RYXEventsBox::passesFilters(const Record &record) const
{
    if (record.level > m_verbosity)
        return false;
    if (!m_typeFilter.isEmpty() && record.type != m_typeFilter)
        return false;
    const QDateTime now = m_clock ? m_clock() : QDateTime::currentDateTime();
    switch (m_timeRange) {
    case TimeLast2Hours:
        return record.time >= now.addSecs(-2 * 3600);
    case TimeLast1Hours:
        return record.time >= now.addSecs(-3600);
    case TimeSelectRange:
        return (!m_rangeFrom.isValid() || record.time >= m_rangeFrom)
               && (!m_rangeTo.isValid() || record.time <= m_rangeTo);
    case TimeShowAll:
        break;
    }
    return true;
}

QString RYXEventsBox::lineFor(const Record &record) const
{
    return record.time.toString() + QLatin1String(" - ") + record.type + QLatin1String(" - ")
           + record.text;
}

QListWidgetItem *RYXEventsBox::makeRow(const Record &record) const
{
    auto *row = new QListWidgetItem(lineFor(record));
    row->setData(TypeRole, record.type);
    row->setData(SequenceRole, record.sequence);
    return row;
}

// The first listed row not before (type, sequence) in listing order; *found
// tells whether that row is the record itself.
int RYXEventsBox::blockRowFor(const QString &type, quint64 sequence, bool *found) const
{
    int low = m_blockStart;
    int high = m_blockStart + m_blockCount;
    auto before = [&](int row) {
        const QListWidgetItem *it = item(row);
        const QString rowType = it->data(TypeRole).toString();
        return rowType < type || (rowType == type && it->data(SequenceRole).toULongLong() < sequence);
    };
    while (low < high) {
        const int mid = (low + high) / 2;
        if (before(mid))
            low = mid + 1;
        else
            high = mid;
    }
    *found = low < m_blockStart + m_blockCount && item(low)->data(TypeRole).toString() == type
             && item(low)->data(SequenceRole).toULongLong() == sequence;
    return low;
}

void RYXEventsBox::dropOldestRecord()
{
    const RecordMap::iterator oldest = m_arrival.front();
    m_arrival.pop_front();
    if (m_listed) {
        bool found = false;
        const int row = blockRowFor(oldest->second.type, oldest->second.sequence, &found);
        if (found) {
            delete takeItem(row);
            --m_blockCount;
        }
    }
    m_records.erase(oldest);
}

void RYXEventsBox::listNewRecord(const Record &record)
{
    // A relative time range moves with the clock: list afresh so aged
    // records leave the view.
    if (!m_listed || m_timeRange == TimeLast2Hours || m_timeRange == TimeLast1Hours) {
        updateList();
        return;
    }
    if (!passesFilters(record))
        return;
    const bool wasAtBottom = isLastLineVisible();
    bool found = false;
    insertItem(blockRowFor(record.type, record.sequence, &found), makeRow(record));
    ++m_blockCount;
    follow(wasAtBottom);
}

void RYXEventsBox::updateList()
{
    const bool wasAtBottom = isLastLineVisible();
    if (m_blockCount > 0)
        model()->removeRows(m_blockStart, m_blockCount);
    m_blockStart = count();
    m_blockCount = 0;
    for (const auto &entry : m_records) {
        if (!passesFilters(entry.second))
            continue;
        addItem(makeRow(entry.second));
        ++m_blockCount;
    }
    m_listed = true;
    follow(wasAtBottom);
}

void RYXEventsBox::verbositySelChng(int id)
{
    if (id < VerboseLow || id > VerboseDeveloper)
        return;
    m_verbosity = VerboseLevel(id);
    checkEntry(m_verbosityGroup, id);
    updateList();
}

void RYXEventsBox::typeSelChng(int id)
{
    if (id < 0 || id > m_types.size())
        return;
    m_typeFilter = id == 0 ? QString() : m_types.at(id - 1);
    checkEntry(m_typeGroup, id);
    updateList();
}

void RYXEventsBox::timeSelChng(int id)
{
    if (id < TimeShowAll || id > TimeSelectRange)
        return;
    m_timeRange = TimeRange(id);
    checkEntry(m_timeGroup, id);
    updateList();
}

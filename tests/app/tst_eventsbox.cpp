#include "app/RYXEventsBox.h"
#include "model/RYXHeadlessReceiver.h"

#include <QtGui/QAction>
#include <QtTest/QtTest>
#include <QtWidgets/QMenu>
#include <QtWidgets/QScrollBar>

namespace {

// Hands posted log lines back to the box, as the main window does.
class BoxReceiver : public RYXHeadlessReceiver
{
public:
    RYXEventsBox *box = nullptr;
    void addEventLogLine(const QString &text) override
    {
        RYXHeadlessReceiver::addEventLogLine(text);
        box->appendLine(text);
    }
};

QStringList rowTexts(const QListWidget &list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

// The text part of each listed record ("<time> - <type> - <text>").
QStringList listedTexts(const QListWidget &list)
{
    QStringList texts;
    for (const QString &row : rowTexts(list))
        texts << row.section(QStringLiteral(" - "), -1);
    return texts;
}

bool lastRowVisible(const QListWidget &list)
{
    const QRect rect = list.visualItemRect(list.item(list.count() - 1));
    return list.viewport()->rect().intersects(rect);
}

QAction *findAction(QMenu *menu, const QString &text)
{
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        if (action->text() == text)
            return action;
        if (action->menu())
            if (QAction *inner = findAction(action->menu(), text))
                return inner;
    }
    return nullptr;
}

} // namespace

class tst_EventsBox : public QObject
{
    Q_OBJECT

    void addLines(int from, int to)
    {
        for (int i = from; i < to; ++i)
            m_box->AddEventItem(QStringLiteral("line %1").arg(i));
        QTRY_COMPARE(m_box->count(), to);
    }

    void addFilterRecords()
    {
        const QDateTime now = m_now;
        auto add = [&](int minutesAgo, const char *type, const char *text, VerboseLevel level) {
            m_now = now.addSecs(-60 * minutesAgo);
            m_box->AddEventItemx(type, text, level);
        };
        add(180, "Comm", "c-low-3h", VerboseLow);
        add(90, "Comm", "c-high-90m", VerboseHigh);
        add(30, "File", "f-med-30m", VerboseMedium);
        add(0, "File", "f-dev-now", VerboseDeveloper);
        add(0, "Alarm", "a-low-now", VerboseLow);
        m_now = now;
    }

    BoxReceiver *m_receiver = nullptr;
    RYXEventsBox *m_box = nullptr;
    QDateTime m_now;

private Q_SLOTS:
    void init()
    {
        m_receiver = new BoxReceiver;
        m_box = new RYXEventsBox(m_receiver);
        m_receiver->box = m_box;
        m_box->resize(300, 120);
        m_box->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_box));
        m_now = QDateTime(QDate(2026, 5, 4), QTime(12, 0));
        m_box->setClock([this] { return m_now; });
    }

    void cleanup()
    {
        delete m_box;
        delete m_receiver;
    }

    void followsOnlyAtTheBottom()
    {
        addLines(0, 40);
        QTRY_COMPARE(m_box->currentRow(), 39);
        QVERIFY(lastRowVisible(*m_box));

        // Scrolled up: new lines arrive without moving the view.
        m_box->scrollToTop();
        const int top = m_box->verticalScrollBar()->value();
        addLines(40, 45);
        QCoreApplication::sendPostedEvents(m_box);
        QCOMPARE(m_box->verticalScrollBar()->value(), top);
        QCOMPARE(m_box->currentRow(), 39);

        // Back at the bottom, the view follows again.
        m_box->scrollToBottom();
        addLines(45, 46);
        QTRY_COMPARE(m_box->currentRow(), 45);
        QVERIFY(lastRowVisible(*m_box));

        // Any thread may add a line; it reaches the box through its own thread.
        QScopedPointer<QThread> worker(QThread::create([this] { m_box->AddEventItem("from worker"); }));
        worker->start();
        QVERIFY(worker->wait(5000));
        QTRY_COMPARE(m_box->count(), 47);
        QCOMPARE(m_box->item(46)->text(), QString("from worker"));
    }

    void recordsListedByTypeAndClearLog()
    {
        addLines(0, 2);
        m_box->AddEventItemx("File", "two", VerboseLow);
        m_box->AddEventItemx("Comm", "one", VerboseLow);
        m_box->AddEventItemx("File", "three", VerboseLow);
        // Listed by type, records of one type in arrival order; plain lines stay.
        QCOMPARE(rowTexts(*m_box).mid(0, 2), QStringList({"line 0", "line 1"}));
        QCOMPARE(listedTexts(*m_box).mid(2), QStringList({"one", "two", "three"}));
        QCOMPARE(m_box->messageTypes(), QStringList({"File", "Comm"})); // in order of arrival

        findAction(m_box->popupMenu(), "Clear Log")->trigger();
        QCOMPARE(m_box->count(), 0);
        QCOMPARE(m_box->recordCount(), 3);

        // Later lines appear normally; the next record lists the store again.
        m_box->AddEventItem("after");
        QTRY_COMPARE(m_box->count(), 1);
        m_box->AddEventItemx("Comm", "new", VerboseLow);
        QCOMPARE(rowTexts(*m_box).first(), QString("after"));
        QCOMPARE(listedTexts(*m_box).mid(1), QStringList({"one", "new", "two", "three"}));
    }

    void oldestRecordDroppedPastLimit()
    {
        // Two listed records first, then hidden ones up to the limit: the oldest
        // goes, even though other types come before it in listing order.
        m_box->AddEventItemx("zzz", "first", VerboseLow);
        m_box->AddEventItemx("mmm", "second", VerboseLow);
        for (int i = 2; i < RYXEventsBox::MaxRecords; ++i)
            m_box->AddEventItemx("aaa", QString::number(i), VerboseDeveloper);
        QCOMPARE(m_box->recordCount(), RYXEventsBox::MaxRecords);
        QCOMPARE(listedTexts(*m_box), QStringList({"second", "first"}));

        m_box->AddEventItemx("aaa", "65536th", VerboseDeveloper);
        QCOMPARE(m_box->recordCount(), RYXEventsBox::MaxRecords);
        QCOMPARE(listedTexts(*m_box), QStringList({"second"}));
        QCOMPARE(m_box->records().first().text, QString("2"));

        m_box->AddEventItemx("aaa", "65537th", VerboseDeveloper);
        QCOMPARE(m_box->recordCount(), RYXEventsBox::MaxRecords);
        QCOMPARE(m_box->count(), 0);
    }

    void oldestLineDroppedPastLimit()
    {
        // Plain lines before and after a listed record: past the limit the
        // oldest line goes first, then the next; the record stays.
        m_box->appendLine("first");
        m_box->appendLine("second");
        m_box->AddEventItemx("Comm", "record", VerboseLow);
        for (int i = 2; i < RYXEventsBox::MaxLines; ++i)
            m_box->appendLine(QString::number(i));
        QCOMPARE(m_box->lineCount(), RYXEventsBox::MaxLines);
        QCOMPARE(m_box->count(), RYXEventsBox::MaxLines + 1);

        m_box->appendLine("newest");
        QCOMPARE(m_box->lineCount(), RYXEventsBox::MaxLines);
        QCOMPARE(m_box->item(0)->text(), QString("second"));
        QCOMPARE(listedTexts(*m_box).at(1), QString("record"));

        m_box->appendLine("newer still");
        QCOMPARE(m_box->lineCount(), RYXEventsBox::MaxLines);
        // The record now starts the box; the oldest line is the one after it.
        QCOMPARE(listedTexts(*m_box).first(), QString("record"));
        QCOMPARE(m_box->item(1)->text(), QString("2"));
        QCOMPARE(m_box->item(m_box->count() - 1)->text(), QString("newer still"));

        // A new record joins the block; the lines are not counted with it.
        m_box->AddEventItemx("Comm", "another", VerboseLow);
        QCOMPARE(m_box->lineCount(), RYXEventsBox::MaxLines);
        QCOMPARE(listedTexts(*m_box).mid(0, 2), QStringList({"record", "another"}));
    }

    void filters_data()
    {
        QTest::addColumn<int>("verbosity");
        QTest::addColumn<int>("type"); // 0 Show All, 1 Comm, 2 File, 3 Alarm
        QTest::addColumn<int>("time");
        QTest::addColumn<QStringList>("listed");

        QTest::newRow("defaults") << 0 << 0 << 0 << QStringList{"a-low-now", "c-low-3h"};
        QTest::newRow("medium") << 1 << 0 << 0 << QStringList{"a-low-now", "c-low-3h", "f-med-30m"};
        QTest::newRow("developer")
            << 3 << 0 << 0
            << QStringList{"a-low-now", "c-low-3h", "c-high-90m", "f-med-30m", "f-dev-now"};
        QTest::newRow("one type") << 3 << 2 << 0 << QStringList{"f-med-30m", "f-dev-now"};
        QTest::newRow("last hour") << 3 << 0 << 2 << QStringList{"a-low-now", "f-med-30m", "f-dev-now"};
        QTest::newRow("last two hours")
            << 3 << 0 << 1 << QStringList{"a-low-now", "c-high-90m", "f-med-30m", "f-dev-now"};
        QTest::newRow("range") << 3 << 0 << 3 << QStringList{"c-high-90m", "f-med-30m"};
        QTest::newRow("all three") << 2 << 1 << 1 << QStringList{"c-high-90m"};
        QTest::newRow("nothing passes") << 0 << 2 << 0 << QStringList{};
    }

    void filters()
    {
        QFETCH(int, verbosity);
        QFETCH(int, type);
        QFETCH(int, time);
        QFETCH(QStringList, listed);

        addFilterRecords();
        m_box->setSelectedRange(m_now.addSecs(-100 * 60), m_now.addSecs(-20 * 60));
        m_box->verbositySelChng(verbosity);
        m_box->typeSelChng(type);
        m_box->timeSelChng(time);
        QCOMPARE(listedTexts(*m_box), listed);

        // Time ranges are relative to now: an hour later the half-hour-old record
        // has left the last hour once a new record refreshes the list.
        if (time == RYXEventsBox::TimeLast1Hours) {
            m_now = m_now.addSecs(3600);
            m_box->AddEventItemx("Alarm", "later", VerboseLow);
            QCOMPARE(listedTexts(*m_box), QStringList({"a-low-now", "later", "f-dev-now"}));
        }
    }

    void filterMenuEntries()
    {
        addFilterRecords();
        QMenu *filters = m_box->filtersMenu();
        QCOMPARE(findAction(m_box->popupMenu(), "Filters")->menu(), filters);
        // The seen types are offered after "Show All".
        findAction(filters, "File")->trigger();
        findAction(filters, "Developer")->trigger();
        QVERIFY(findAction(filters, "File")->isChecked());
        QVERIFY(!findAction(filters, "Low")->isChecked());
        const QStringList fileRecords{"f-med-30m", "f-dev-now"};
        QCOMPARE(listedTexts(*m_box), fileRecords);
        findAction(filters, "Last 1 hours")->trigger();
        QCOMPARE(m_box->timeFilter(), RYXEventsBox::TimeLast1Hours);

        // Out-of-range ids change nothing.
        m_box->typeSelChng(99);
        m_box->verbositySelChng(-1);
        QCOMPARE(listedTexts(*m_box), fileRecords);
    }
};

QTEST_MAIN(tst_EventsBox)
#include "tst_eventsbox.moc"

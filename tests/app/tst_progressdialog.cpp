#include "app/RYXProgressDialog.h"

#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QPushButton>

// One step of a scripted run: a mode and an owner id, or Fill (a title line
// "Title" and one result line).
constexpr int Fill = -1;

class tst_ProgressDialog : public QObject
{
    Q_OBJECT

    static QListWidget *results(RYXProgressDialog &dialog)
    {
        return dialog.findChild<QListWidget *>("resultList");
    }
    static QPushButton *button(RYXProgressDialog &dialog, const char *name)
    {
        return dialog.findChild<QPushButton *>(name);
    }

private Q_SLOTS:
    void modeTable_data()
    {
        QTest::addColumn<QList<QPoint>>("steps"); // x: mode (or Fill), y: owner id
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("owner");
        QTest::addColumn<int>("resultCount");
        QTest::addColumn<QString>("caption");

        using L = QList<QPoint>;
        QTest::newRow("open") << L{{0, 1}} << true << true << 1 << 0 << "";
        QTest::newRow("open while visible keeps everything")
            << L{{0, 1}, {Fill, 0}, {0, 2}} << true << true << 1 << 1 << "Title";
        QTest::newRow("close by the owner") << L{{0, 1}, {1, 1}} << false << true << 1 << 0 << "";
        QTest::newRow("close by another owner") << L{{0, 1}, {1, 2}} << true << true << 1 << 0 << "";
        QTest::newRow("finish by the owner") << L{{0, 1}, {2, 1}} << true << false << 1 << 0 << "";
        QTest::newRow("owner finish by another") << L{{0, 1}, {2, 2}} << true << true << 1 << 0 << "";
        QTest::newRow("finish by anyone") << L{{0, 1}, {Fill, 0}, {3, 2}} << true << false << 1 << 1
                                          << "Title";
        QTest::newRow("resume") << L{{0, 1}, {3, 1}, {4, 5}} << true << true << 1 << 0 << "";
        QTest::newRow("finish while hidden") << L{{3, 1}} << false << true << -1 << 0 << "";
        QTest::newRow("unknown mode") << L{{0, 1}, {9, 1}, {-5, 1}} << true << true << 1 << 0 << "";
        QTest::newRow("reopen starts afresh")
            << L{{0, 1}, {Fill, 0}, {3, 1}, {1, 1}, {0, 2}} << true << true << 2 << 0 << "";
        QTest::newRow("open raises a finished dialog without resuming")
            << L{{0, 1}, {3, 1}, {0, 2}} << true << false << 1 << 0 << "";
    }

    void modeTable()
    {
        QFETCH(QList<QPoint>, steps);
        QFETCH(bool, visible);
        QFETCH(bool, running);
        QFETCH(int, owner);
        QFETCH(int, resultCount);
        QFETCH(QString, caption);

        RYXProgressDialog dialog;
        for (const QPoint &step : steps) {
            if (step.x() == Fill) {
                dialog.setProgressTitle("Title");
                dialog.addProgressResult("SmallGreenLED", "line");
            } else {
                dialog.showProgress(step.x(), step.y());
            }
        }
        QCOMPARE(dialog.isVisible(), visible);
        if (visible) {
            QCOMPARE(button(dialog, "buttonCancel")->isEnabled(), running);
            QCOMPARE(button(dialog, "buttonOK")->isEnabled(), !running);
        }
        QCOMPARE(dialog.ownerId(), owner);
        QCOMPARE(results(dialog)->count(), resultCount);
        QCOMPARE(dialog.windowTitle(), caption);
    }

    void closing_data()
    {
        QTest::addColumn<bool>("finished");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("cancels");
        QTest::addColumn<int>("result");
        QTest::newRow("Cancel while running") << false << "cancel" << 1 << int(QDialog::Rejected);
        QTest::newRow("Escape while running") << false << "escape" << 1 << int(QDialog::Rejected);
        // Nothing is left to cancel once the operation has finished.
        QTest::newRow("Escape when finished") << true << "escape" << 0 << int(QDialog::Rejected);
        QTest::newRow("OK when finished") << true << "ok" << 0 << int(QDialog::Accepted);
    }

    void closing()
    {
        QFETCH(bool, finished);
        QFETCH(QString, how);
        QFETCH(int, cancels);
        QFETCH(int, result);

        RYXProgressDialog dialog;
        QSignalSpy cancelled(&dialog, &RYXProgressDialog::cancelled);
        dialog.showProgress(RYXProgressDialog::Open, 3);
        if (finished)
            dialog.showProgress(RYXProgressDialog::FinishOwner, 3);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        if (how == "escape")
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            QTest::mouseClick(button(dialog, how == "ok" ? "buttonOK" : "buttonCancel"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(cancelled.count(), cancels);
        QCOMPARE(dialog.result(), result);
    }

    void titleStepsAndResults()
    {
        RYXProgressDialog dialog;
        dialog.resize(420, 160);
        auto *bar = dialog.findChild<QProgressBar *>("subopProgress");
        auto *label = dialog.findChild<QLabel *>("subopLabel");
        dialog.setProgressStep(7); // hidden: ignored
        QCOMPARE(bar->value(), 0);

        dialog.showProgress(RYXProgressDialog::Open, 1);
        dialog.setProgressTitle("Connecting");
        dialog.setProgressStep(12);
        QCOMPARE(bar->value(), 12);
        dialog.setProgressTitle("Downloading");
        QCOMPARE(label->text(), QString("Downloading"));
        QCOMPARE(bar->value(), 0);
        // The first title of an operation names the dialog.
        QCOMPARE(dialog.windowTitle(), QString("Connecting"));
        dialog.setProgressStep(250);
        QCOMPARE(bar->value(), bar->maximum());

        for (int i = 0; i < 30; ++i)
            dialog.addProgressResult(i % 2 ? "SmallGreenLED" : "SmallRedLED",
                                     QString("TIM %1 download success!").arg(i));
        QListWidget *list = results(dialog);
        QCOMPARE(list->currentRow(), 29);
        QVERIFY(!list->item(29)->icon().isNull());
        QVERIFY(list->viewport()->rect().intersects(list->visualItemRect(list->item(29))));
        dialog.showProgress(RYXProgressDialog::Finish, 1);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.grab().save(QStringLiteral(RYX_SCREENSHOT_DIR "/progressdialog.png")));
    }

    // An operation that gave its step count fills the bar once: the titles of
    // its parts leave the bar where it is, and the next operation starts over.
    void countedOperation()
    {
        RYXProgressDialog dialog;
        auto *bar = dialog.findChild<QProgressBar *>("subopProgress");
        dialog.showProgress(RYXProgressDialog::Open, 1);
        dialog.setProgressStepCount(18);
        QCOMPARE(bar->maximum(), 18);
        dialog.setProgressTitle("Uploading EIM");
        dialog.setProgressStep(3);
        dialog.setProgressTitle("Uploading TIM Temperature Input (TI4) Module 1");
        QCOMPARE(bar->value(), 3);
        dialog.setProgressStep(18);
        QCOMPARE(bar->value(), bar->maximum());
        dialog.setProgressStepCount(0); // no count: ignored
        QCOMPARE(bar->maximum(), 18);

        dialog.showProgress(RYXProgressDialog::Close, 1);
        dialog.showProgress(RYXProgressDialog::Open, 2);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(bar->maximum(), 100);
        dialog.setProgressStep(5);
        dialog.setProgressTitle("Synchronizing with connected device...");
        QCOMPARE(bar->value(), 0);
    }
};

QTEST_MAIN(tst_ProgressDialog)
#include "tst_progressdialog.moc"

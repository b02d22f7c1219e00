#include "app/AboutDialog.h"
#include "app/HelpSelectorImpl.h"
#include "app/RYXConfigWindow.h"
#include "app/TreeLegendDialog.h"
#include "core/RYXImages.h"
#include "core/RYXScriptedPrompter.h"
#include "core/StartupFlags.h"

#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>

static void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4\n");
}

class tst_HelpDialogs : public QObject
{
    Q_OBJECT

    void save(QWidget *widget, const QString &name)
    {
        widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(widget));
        QVERIFY(widget->grab().save(RYX_SCREENSHOT_DIR "/" + name));
    }

    RYXScriptedPrompter m_prompter;
    QList<QUrl> m_opened;
    bool m_openSucceeds = true;
    QTemporaryDir m_dir;
    QString m_oldCurrent = QDir::currentPath();

private Q_SLOTS:
    void init()
    {
        m_opened.clear();
        m_openSucceeds = true;
        m_prompter.clear();
        RYXPrompter::setInstance(&m_prompter);
        HelpSelectorImpl::setOpener([this](const QUrl &url) {
            m_opened << url;
            return m_openSucceeds;
        });
        QVERIFY(QDir::setCurrent(m_dir.path()));
    }

    static QString guideBesideProgram()
    {
        return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(HelpSelectorImpl::GuideFileName);
    }

    void cleanup()
    {
        QFile::remove(guideBesideProgram());
        HelpSelectorImpl::setOpener({});
        RYXPrompter::setInstance(nullptr);
        QDir::setCurrent(m_oldCurrent);
        for (const QString &file : QDir(m_dir.path()).entryList(QDir::Files))
            QFile::remove(m_dir.filePath(file));
    }

    void manualButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("manual");
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("viewerWorks");
        QTest::addColumn<QString>("message"); // part of the one message; empty: none
        QTest::newRow("EMM") << "EMMButton" << "ryxemm_man.pdf" << true << true << "";
        QTest::newRow("EIM") << "EIMButton" << "ryxeim_man.pdf" << true << true << "";
        QTest::newRow("MIM") << "MIMButton" << "ryxmim_man.pdf" << true << true << "";
        QTest::newRow("Ombra") << "OmbraButton" << "ombra_man.pdf" << true << true << "";
        QTest::newRow("DORV") << "DORVButton" << "dorv_man.pdf" << true << true << "";
        QTest::newRow("missing manual") << "DORVButton" << "dorv_man.pdf" << false << true << "\"dorv_man.pdf\" was not found";
        QTest::newRow("no viewer") << "DORVButton" << "dorv_man.pdf" << true << false << "dorv_man.pdf\" could not be opened";
    }

    void manualButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, manual);
        QFETCH(bool, present);
        QFETCH(QString, message);
        QFETCH(bool, viewerWorks);
        m_openSucceeds = viewerWorks;
        // Every other manual present, so the button must pick its own.
        for (const char *name : { "ryxemm_man.pdf", "ryxeim_man.pdf", "ryxmim_man.pdf", "ombra_man.pdf", "dorv_man.pdf" })
            if (present || manual != name)
                touch(m_dir.filePath(name));

        HelpSelectorImpl chooser;
        chooser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chooser));
        QTest::mouseClick(chooser.findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(m_opened, present ? QList<QUrl>{ QUrl::fromLocalFile(m_dir.filePath(manual)) } : QList<QUrl>{});
        QCOMPARE(m_prompter.prompts().size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(m_prompter.prompts().first().icon, QMessageBox::Information);
            QVERIFY2(m_prompter.prompts().first().text.contains(message), qPrintable(m_prompter.prompts().first().text));
        }
        QVERIFY(!chooser.isVisible());
    }

    void helpActionWithoutManual_data()
    {
        QTest::addColumn<bool>("manual");
        QTest::addColumn<bool>("guide");
        QTest::addColumn<QString>("opened"); // the manual, the guide or nothing
        QTest::newRow("manual absent: the guide") << false << true << "guide";
        QTest::newRow("manual present: the manual") << true << true << "manual";
        QTest::newRow("neither: reported") << false << false << "";
    }

    // The Help action of the real window, its chooser's EIM button pressed:
    // the manual is looked for first, the built user guide stands in for it.
    void helpActionWithoutManual()
    {
        QFETCH(bool, manual);
        QFETCH(bool, guide);
        QFETCH(QString, opened);
        if (guide)
            QVERIFY(QFile::copy(RYX_BIN_DIR "/" + QLatin1String(HelpSelectorImpl::GuideFileName), guideBesideProgram()));
        if (manual)
            touch(m_dir.filePath("ryxeim_man.pdf"));
        applyStartupSwitches({"ryxconfig"});
        RYXConfigWindow window(nullptr, {"ryxconfig"});
        window.show();
        QTimer::singleShot(0, &window, [&window] {
            if (auto *chooser = window.findChild<HelpSelectorImpl *>())
                QTest::mouseClick(chooser->findChild<QPushButton *>("EIMButton"), Qt::LeftButton);
        });
        window.findChild<QAction *>("help")->trigger();

        QList<QUrl> expected;
        if (opened == QLatin1String("guide"))
            expected << QUrl::fromLocalFile(guideBesideProgram());
        else if (opened == QLatin1String("manual"))
            expected << QUrl::fromLocalFile(m_dir.filePath("ryxeim_man.pdf"));
        QCOMPARE(m_opened, expected);
        QCOMPARE(m_prompter.prompts().size(), opened.isEmpty() ? 1 : 0);
    }

    void manualBesideExecutable()
    {
        const QString beside = QCoreApplication::applicationDirPath() + "/ombra_man.pdf";
        touch(beside);
        HelpSelectorImpl chooser;
        chooser.OmbraSlot();
        QCOMPARE(m_opened, QList<QUrl>{ QUrl::fromLocalFile(beside) });

        // The current directory wins over the program's directory.
        touch(m_dir.filePath("ombra_man.pdf"));
        m_opened.clear();
        chooser.OmbraSlot();
        QFile::remove(beside);
        QCOMPARE(m_opened, QList<QUrl>{ QUrl::fromLocalFile(m_dir.filePath("ombra_man.pdf")) });
    }

    void chooserCancel()
    {
        HelpSelectorImpl chooser;
        save(&chooser, "helpselector.png");
        chooser.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&chooser));
        // The accelerator presses the button with a short animation.
        QTest::keyClick(&chooser, Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!chooser.isVisible());
        QCOMPARE(chooser.result(), int(QDialog::Rejected));
        QVERIFY(m_opened.isEmpty());
    }

    void aboutBox()
    {
        AboutDialog about;
        QCOMPARE(about.findChild<QLabel *>("iconLabel")->pixmap().toImage(), RYXImages::pixmap("VEL").toImage());
        // A language change rebuilds the texts without losing the numbers.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&about, &change);
        QCOMPARE(about.findChild<QLabel *>("partNumberLabel")->text(), QString("Part Number 417-30862-05"));
        save(&about, "about.png");
    }

    void treeLegend()
    {
        TreeLegendDialog legend;
        const QStringList leds = TreeLegendDialog::ledNames();
        QCOMPARE(leds.size(), 6);
        for (int row = 0; row < 6; ++row) {
            auto *led = legend.findChild<QLabel *>(QString("ledLabel%1").arg(row + 1));
            QVERIFY(!legend.findChild<QLabel *>(QString("textLabel%1").arg(row + 1))->text().isEmpty());
            QCOMPARE(led->pixmap().toImage(), RYXImages::pixmap(leds.at(row)).toImage());
        }
        save(&legend, "treelegend.png");
        QTest::mouseClick(legend.findChild<QPushButton *>("buttonOK"), Qt::LeftButton);
        QCOMPARE(legend.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(tst_HelpDialogs)
#include "tst_helpdialogs.moc"

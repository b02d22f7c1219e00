#include "app/AboutDialog.h"
#include "app/HelpSelectorImpl.h"
#include "app/RYXImages.h"
#include "app/RYXScriptedPrompter.h"
#include "app/TreeLegendDialog.h"

#include <QtCore/QTemporaryDir>
#include <QtCore/QUrl>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtTest/QtTest>

class tst_HelpDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void manualButtons_data();
    void manualButtons();
    void manualBesideExecutable();
    void failuresReported_data();
    void failuresReported();
    void chooserCancel();
    void aboutBox();
    void treeLegend();

private:
    void save(QWidget *widget, const QString &name);

    RYXScriptedPrompter m_prompter;
    QList<QUrl> m_opened;
    bool m_openSucceeds = true;
    QTemporaryDir m_dir;
    QString m_oldCurrent;
};

void tst_HelpDialogs::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_oldCurrent = QDir::currentPath();
}

void tst_HelpDialogs::init()
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

void tst_HelpDialogs::cleanup()
{
    HelpSelectorImpl::setOpener({});
    RYXPrompter::setInstance(nullptr);
    QDir::setCurrent(m_oldCurrent);
    const QStringList files = QDir(m_dir.path()).entryList(QDir::Files);
    for (const QString &file : files)
        QFile::remove(m_dir.filePath(file));
}

void tst_HelpDialogs::save(QWidget *widget, const QString &name)
{
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget));
    QVERIFY(widget->grab().save(QStringLiteral(RYX_SCREENSHOT_DIR "/") + name));
}

static void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4\n");
}

void tst_HelpDialogs::manualButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("manual");
    QTest::newRow("EMM") << "EMMButton" << "RYX EMM - Ethernet Modbus Module" << "ryxemm_man.pdf";
    QTest::newRow("EIM") << "EIMButton" << "RYX EIM - Ethernet Interface Module" << "ryxeim_man.pdf";
    QTest::newRow("MIM") << "MIMButton" << "RYX MIM - Modbus Interface Module" << "ryxmim_man.pdf";
    QTest::newRow("Ombra") << "OmbraButton" << "Ombra - micro RYX system" << "ombra_man.pdf";
    QTest::newRow("DORV") << "DORVButton" << "DORV - Cathodic Protection Monitoring System"
                          << "dorv_man.pdf";
}

void tst_HelpDialogs::manualButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, label);
    QFETCH(QString, manual);

    // Every manual present, so the button must pick its own.
    for (const char *name : {"ryxemm_man.pdf", "ryxeim_man.pdf", "ryxmim_man.pdf", "ombra_man.pdf",
                             "dorv_man.pdf"})
        touch(m_dir.filePath(name));

    HelpSelectorImpl chooser;
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    auto *pushButton = chooser.findChild<QPushButton *>(button);
    QVERIFY(pushButton);
    QCOMPARE(pushButton->text(), label);
    QTest::mouseClick(pushButton, Qt::LeftButton);

    QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(m_dir.filePath(manual))});
    QVERIFY(m_prompter.prompts().isEmpty());
    QVERIFY(!chooser.isVisible());
}

void tst_HelpDialogs::manualBesideExecutable()
{
    const QString beside = QCoreApplication::applicationDirPath() + "/ombra_man.pdf";
    touch(beside);
    HelpSelectorImpl chooser;
    chooser.OmbraSlot();
    QFile::remove(beside);
    QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(beside)});

    // The current directory wins over the program's directory.
    touch(beside);
    touch(m_dir.filePath("ombra_man.pdf"));
    m_opened.clear();
    chooser.OmbraSlot();
    QFile::remove(beside);
    QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(m_dir.filePath("ombra_man.pdf"))});
}

void tst_HelpDialogs::failuresReported_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<bool>("viewerWorks");
    QTest::addColumn<int>("opened");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing manual") << false << true << 0 << "\"dorv_man.pdf\" was not found";
    QTest::newRow("no viewer") << true << false << 1 << "dorv_man.pdf\" could not be opened";
}

void tst_HelpDialogs::failuresReported()
{
    QFETCH(bool, present);
    QFETCH(bool, viewerWorks);
    QFETCH(int, opened);
    QFETCH(QString, message);
    if (present)
        touch(m_dir.filePath("dorv_man.pdf"));
    m_openSucceeds = viewerWorks;

    HelpSelectorImpl chooser;
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    chooser.DORVSlot();
    QCOMPARE(m_opened.size(), opened);
    QCOMPARE(m_prompter.prompts().size(), 1);
    QCOMPARE(m_prompter.prompts().first().icon, QMessageBox::Information);
    QVERIFY2(m_prompter.prompts().first().text.contains(message),
             qPrintable(m_prompter.prompts().first().text));
    QVERIFY(!chooser.isVisible());
}

void tst_HelpDialogs::chooserCancel()
{
    HelpSelectorImpl chooser;
    QCOMPARE(chooser.windowTitle(), QString("Select Inteface Module"));
    save(&chooser, "helpselector.png");
    chooser.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&chooser));
    // The accelerator presses the button with a short animation.
    QTest::keyClick(&chooser, Qt::Key_C, Qt::AltModifier);
    QTRY_VERIFY(!chooser.isVisible());
    QCOMPARE(chooser.result(), int(QDialog::Rejected));
    QVERIFY(m_opened.isEmpty());
    QVERIFY(m_prompter.prompts().isEmpty());
}

void tst_HelpDialogs::aboutBox()
{
    AboutDialog about;
    auto *version = about.findChild<QLabel *>("versionLabel");
    auto *part = about.findChild<QLabel *>("partNumberLabel");
    auto *icon = about.findChild<QLabel *>("iconLabel");
    QVERIFY(version && part && icon);
    QCOMPARE(version->text(), QString("Version 4.4.00"));
    QCOMPARE(part->text(), QString("Part Number 417-30862-05"));
    QCOMPARE(icon->pixmap().toImage(), RYXImages::pixmap("VEL").toImage());

    // A language change rebuilds the texts without losing the numbers.
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&about, &change);
    QCOMPARE(version->text(), QString("Version 4.4.00"));
    QCOMPARE(part->text(), QString("Part Number 417-30862-05"));
    save(&about, "about.png");
}

void tst_HelpDialogs::treeLegend()
{
    TreeLegendDialog legend;
    QCOMPARE(legend.windowTitle(), QString("Device Tree Status Indicators"));
    const QStringList texts = {
        "Large Dark Green - Inteface module is currently offline",
        "Large Bright Green - Inteface module is currently online",
        "Small Dark Green - Device is offline and has no errors.",
        "Small Bright Green - Device is online and configuration is current with the attached device",
        "Small Yellow - Device is online and configuration is not current with the attached device",
        "Small Red - Error in device configuration."};
    const QStringList leds = {"OliveLED", "GreenLED", "SmallOliveLED", "SmallGreenLED",
                              "SmallYellowLED", "SmallRedLED"};
    QCOMPARE(TreeLegendDialog::ledNames(), leds);
    for (int row = 0; row < 6; ++row) {
        auto *led = legend.findChild<QLabel *>(QString("ledLabel%1").arg(row + 1));
        auto *text = legend.findChild<QLabel *>(QString("textLabel%1").arg(row + 1));
        QVERIFY(led && text);
        QCOMPARE(text->text(), texts.at(row));
        QCOMPARE(led->pixmap().toImage(), RYXImages::pixmap(leds.at(row)).toImage());
    }
    save(&legend, "treelegend.png");
    QTest::mouseClick(legend.findChild<QPushButton *>("buttonOK"), Qt::LeftButton);
    QCOMPARE(legend.result(), int(QDialog::Accepted));
}

QTEST_MAIN(tst_HelpDialogs)
#include "tst_helpdialogs.moc"

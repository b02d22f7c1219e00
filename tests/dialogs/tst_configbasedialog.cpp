#include "database/DataPoint.h"
#include "dialogs/ComboBoxCtl.h"
#include "dialogs/ConfigBaseDialog.h"
#include "dialogs/PopupHelpLoader.h"
#include "dialogs/RYXLineEdit.h"
#include "model/RYXListViewItem.h"
#include "model/RYXObject.h"

#include <QtTest/QtTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QVBoxLayout>

using Store = QPair<QString, QString>;
using Stores = QList<Store>;

// A small tree object with one point of each kind the dialogs bind; it
// records every text store and every page request.
class TestObject : public RYXObject
{
public:
    explicit TestObject(QObject *parent = nullptr) : RYXObject(parent)
    {
        InsertPoint("tag1", QStringLiteral("PV"), 0, 0, 0);
        InsertPoint("tag1isvalid", QStringLiteral("true"), DataPoint::Attributes(3), 0, 0);
        InsertPoint("inputzero", QStringLiteral("0.0"), 0xFF1B, 9, 0);
        InsertPoint("scalingenabled", QStringLiteral("false"), 0, 0, 0);
        InsertPoint("inputtype", 1, 0, 0);
        InsertPoint("failmode", QStringLiteral("hold"), 0, 0, 0);
    }
    using RYXObject::setValue;
    bool setValue(const QString &key, const QString &value, bool updateUi) override
    {
        stores << Store(key, value);
        return RYXObject::setValue(key, value, updateUi);
    }
    void showPage(int page) override { pages << page; }
    void preset(const QString &key, const QString &value) { RYXObject::setValue(key, value, false); }

    Stores stores;
    QList<int> pages;
};

// A property dialog built in code as the generated forms are: the controls
// carry their form names and the constructor binds them.
class TestDialog : public ConfigBaseDialog
{
public:
    explicit TestDialog(RYXObject *object)
    {
        setObject(object);
        auto *layout = new QVBoxLayout(this);
        for (QWidget *child : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            layout->addWidget(child);
        bindText(tagEdit, "tag1");
        bindFloat(InputZeroEdit, "inputzero");
        bindCheckBox(ScalingCheckBox, "scalingenabled");
        typeCtl->attach(cbInputType);
        bindCombo(typeCtl, "inputtype");
        bindRadioButton(radioButtonHold, "failmode", "hold");
        bindRadioButton(radioButtonPreset, "failmode", "preset");
        bindPageButton(Channel3Button, "3");
        connect(nextButton, &QPushButton::clicked, this, &ConfigBaseDialog::NextButtonClickedSlot);
        connect(previousButton, &QPushButton::clicked, this, &ConfigBaseDialog::PreviousButtonClickedSlot);
        requestUpdate();
    }
    void updateControls() override
    {
        static const ComboChoice types[] = { { "RTD", 1 }, { "Thermocouple", 2 }, { "Millivolt", 5 }, { nullptr, 0 } };
        ++refreshes;
        tagEdit->setText(readText("tag1"));
        showValidity(tagEdit, "tag1isvalid");
        showFloat(InputZeroEdit, "inputzero");
        showCheckBox(ScalingCheckBox, "scalingenabled");
        showCombo("inputtype", hideCombo ? nullptr : types, typeCtl);
        showRadio(radioButtonHold, "hold", "failmode");
        showRadio(radioButtonPreset, "preset", "failmode");
        requestUpdate(); // nested: must not refresh again
    }
    template<typename W> W *add(const char *formName)
    {
        auto *widget = new W(this);
        widget->setObjectName(formName);
        return widget;
    }

    RYXLineEdit *tagEdit = add<RYXLineEdit>("tagEdit");
    RYXLineEdit *InputZeroEdit = add<RYXLineEdit>("InputZeroEdit");
    QCheckBox *ScalingCheckBox = add<QCheckBox>("ScalingCheckBox");
    QComboBox *cbInputType = add<QComboBox>("cbInputType");
    QRadioButton *radioButtonHold = add<QRadioButton>("radioButtonHold");
    QRadioButton *radioButtonPreset = add<QRadioButton>("radioButtonPreset");
    QPushButton *Channel3Button = add<QPushButton>("Channel3Button");
    QPushButton *nextButton = add<QPushButton>("nextButton");
    QPushButton *previousButton = add<QPushButton>("previousButton");
    ComboBoxCtl *typeCtl = new ComboBoxCtl(this);
    bool hideCombo = false;
    int refreshes = 0;
};

// Drives the dialog the way a user does: typing, Enter, leaving fields,
// clicking, choosing; and loads help pages into it.
class tst_ConfigBaseDialog : public QObject
{
    Q_OBJECT

    void focus(QWidget *widget)
    {
        widget->setFocus();
        QTRY_VERIFY(widget->hasFocus());
    }

    void type(QLineEdit *edit, const QString &text)
    {
        focus(edit);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    TestObject *m_object = nullptr;
    TestDialog *m_dialog = nullptr;

private Q_SLOTS:
    void init()
    {
        m_object = new TestObject;
        m_dialog = new TestDialog(m_object);
        m_dialog->show();
        QApplication::setActiveWindow(m_dialog);
        QVERIFY(QTest::qWaitForWindowActive(m_dialog));
        m_object->stores.clear();
    }

    void cleanup()
    {
        delete m_dialog;
        delete m_object;
    }

    void lineEdit_data()
    {
        QTest::addColumn<QString>("typed"); // null: only focused
        QTest::addColumn<bool>("enter");
        QTest::addColumn<bool>("leave");
        QTest::addColumn<QStringList>("stored");

        QTest::newRow("Enter stores an unchanged text") << QString() << true << false << QStringList{ "PV" };
        QTest::newRow("leaving stores a changed text") << "TT_101" << false << true << QStringList{ "TT_101" };
        QTest::newRow("leaving unchanged stores nothing") << QString() << false << true << QStringList{};
        QTest::newRow("the old text typed back stores nothing") << "PV" << false << true << QStringList{};
        QTest::newRow("Enter then leaving stores once") << "TT_101" << true << true << QStringList{ "TT_101" };
    }

    void lineEdit()
    {
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(bool, leave);
        QFETCH(QStringList, stored);

        typed.isNull() ? focus(m_dialog->tagEdit) : type(m_dialog->tagEdit, typed);
        const int refreshes = m_dialog->refreshes;
        if (enter)
            QTest::keyClick(m_dialog->tagEdit, Qt::Key_Return);
        if (leave)
            focus(m_dialog->Channel3Button);
        Stores expected;
        for (const QString &value : stored)
            expected << Store("tag1", value);
        QCOMPARE(m_object->stores, expected);
        QCOMPARE(m_dialog->refreshes - refreshes, int(stored.size())); // one reload per store
    }

    void floatField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");

        QTest::newRow("exponent") << "1e3" << "1000.000000";
        QTest::newRow("rounded to six decimals") << "-12.3456789" << "-12.345679";
        QTest::newRow("number then units") << " .5mA" << "0.500000";
        QTest::newRow("not a number") << "abc" << "0.000000";
        QTest::newRow("overflow") << "1e999" << "0.000000";
        QTest::newRow("negative zero") << "-0" << "0.000000";
    }

    void floatField()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);

        type(m_dialog->InputZeroEdit, typed);
        QTest::keyClick(m_dialog->InputZeroEdit, Qt::Key_Return);
        QCOMPARE(m_object->stores, Stores{ Store("inputzero", stored) });
        QCOMPARE(m_dialog->InputZeroEdit->text(), QString::asprintf("%.4f", stored.toDouble()));
    }

    void choices_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("shown");  // the radio button the refresh switched on, or the combo text
        QTest::addColumn<QString>("choice"); // the radio button clicked, or the combo index chosen
        QTest::addColumn<Stores>("stored");

        QTest::newRow("switching on stores only its value") << "failmode" << "hold" << "hold" << "preset" << Stores{ Store("failmode", "preset") };
        QTest::newRow("back to hold") << "failmode" << "preset" << "preset" << "hold" << Stores{ Store("failmode", "hold") };
        QTest::newRow("clicking the button already on") << "failmode" << "hold" << "hold" << "hold" << Stores{};
        QTest::newRow("value of no button shows none") << "failmode" << "bogus" << "" << "preset" << Stores{ Store("failmode", "preset") };
        QTest::newRow("value in the table") << "inputtype" << "2" << "Thermocouple" << "" << Stores{};
        QTest::newRow("value not in the table shows the first") << "inputtype" << "3" << "RTD" << "" << Stores{};
        QTest::newRow("choosing the entry shown stores it") << "inputtype" << "5" << "Millivolt" << "2" << Stores{ Store("inputtype", "5") };
        QTest::newRow("choice over a value not in the table") << "inputtype" << "3" << "RTD" << "0" << Stores{ Store("inputtype", "1") };
    }

    void choices()
    {
        QFETCH(QString, key);
        QFETCH(QString, initial);
        QFETCH(QString, shown);
        QFETCH(QString, choice);

        m_object->preset(key, initial);
        m_dialog->requestUpdate();
        QCOMPARE(m_object->stores, Stores{}); // showing is no choice
        if (key == "failmode") {
            QCOMPARE(m_dialog->radioButtonHold->isChecked(), shown == "hold");
            QCOMPARE(m_dialog->radioButtonPreset->isChecked(), shown == "preset");
            (choice == "preset" ? m_dialog->radioButtonPreset : m_dialog->radioButtonHold)->click();
            QCOMPARE(m_dialog->radioButtonPreset->isChecked(), choice == "preset");
            QCOMPARE(m_dialog->radioButtonHold->isChecked(), choice != "preset");
        } else {
            if (!choice.isEmpty()) {
                m_dialog->cbInputType->setCurrentIndex(choice.toInt());
                emit m_dialog->cbInputType->activated(choice.toInt());
            }
            QCOMPARE(m_dialog->cbInputType->count(), 3); // refilled, never appended
            QCOMPARE(m_dialog->cbInputType->currentText(), shown);
        }
        QTEST(m_object->stores, "stored");
    }

    void comboWithoutTableIsHidden()
    {
        m_dialog->hideCombo = true;
        m_dialog->requestUpdate();
        QVERIFY(m_dialog->cbInputType->isHidden());
        // A choice without a table reports nothing.
        ComboBoxCtl bare;
        bare.attach(m_dialog->cbInputType);
        QSignalSpy changes(&bare, &ComboBoxCtl::ValueChanged);
        emit m_dialog->cbInputType->activated(0);
        QCOMPARE(changes.count(), 0);
    }

    void checkBoxValidityAndPage()
    {
        m_dialog->ScalingCheckBox->click();
        m_dialog->ScalingCheckBox->click();
        m_dialog->Channel3Button->click();
        QCOMPARE(m_object->stores, (Stores{ Store("scalingenabled", "true"), Store("scalingenabled", "false") }));
        QCOMPARE(m_object->pages, QList<int>{ 3 });

        for (const auto &flag : QList<QPair<QString, QColor>>{ { "false", Qt::red }, { "true", Qt::black }, { "True", Qt::red } }) {
            m_object->preset("tag1isvalid", flag.first);
            m_dialog->requestUpdate();
            QCOMPARE(m_dialog->tagEdit->palette().color(QPalette::Active, QPalette::Text), flag.second);
        }
    }

    void pendingEditSurvivesDestroy()
    {
        focus(m_dialog->tagEdit);
        QTest::keyClicks(m_dialog->tagEdit, "_7");
        delete m_dialog;
        m_dialog = nullptr;
        QCOMPARE(m_object->stores, Stores{ Store("tag1", "PV_7") });
    }

    void navigation_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("next");
        QTest::addColumn<bool>("open"); // station S open at the start
        QTest::addColumn<QString>("expected");

        // Station S with modules A and B, then station T.
        QTest::newRow("next opens the current item") << "S" << true << false << "A";
        QTest::newRow("next past the last child") << "B" << true << true << "T";
        QTest::newRow("next at the bottom") << "T" << true << true << "T";
        QTest::newRow("previous to the parent") << "A" << false << true << "S";
        QTest::newRow("previous at the top") << "S" << false << false << "S";
        QTest::newRow("previous opens the item above") << "T" << false << false << "B";
    }

    void navigation()
    {
        QFETCH(QString, start);
        QFETCH(bool, next);
        QFETCH(bool, open);
        QFETCH(QString, expected);

        QTreeWidget view;
        TestObject s, a(&s), b(&s), t;
        const QHash<QString, TestObject *> objects{ { "S", &s }, { "A", &a }, { "B", &b }, { "T", &t } };
        auto *sItem = new RYXListViewItem(&s, &view, "S");
        s.setTreeItem(sItem);
        a.setTreeItem(new RYXListViewItem(&a, sItem, "A"));
        b.setTreeItem(new RYXListViewItem(&b, sItem, "B"));
        t.setTreeItem(new RYXListViewItem(&t, &view, "T"));
        sItem->setExpanded(open);
        view.setCurrentItem(objects.value(start)->getTreeItem());

        TestDialog dialog(objects.value(start));
        (next ? dialog.nextButton : dialog.previousButton)->click();
        QCOMPARE(view.currentItem()->text(0), expected);
    }

    void helpParse_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("entries"); // kind|name|body

        QTest::newRow("w is What's This, other letters tool tips")
                << "<p>Intro</p><!--w settingsGroupBox -->Group<!--t tagEdit -->Tag<!--W x -->X"
                << QStringList{ "w|settingsGroupBox|Group", "t|tagEdit|Tag", "t|x|X" };
        QTest::newRow("trimmed, markup kept") << "<!--t \tspaced  -->\n <b>bold</b> \n" << QStringList{ "t|spaced|<b>bold</b>" };
        QTest::newRow("the name starts at the third character") << "<!--wname-->x" << QStringList{ "w|ame|x" };
        QTest::newRow("empty body") << "<!--t a --><!--t b -->c" << QStringList{ "t|a|", "t|b|c" };
        QTest::newRow("an unterminated header ends the page") << "<!--t a -->one<!--t b never" << QStringList{ "t|a|one" };
    }

    void helpParse()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, entries);
        QStringList parsed;
        for (const PopupHelpLoader::Entry &e : PopupHelpLoader::parse(page))
            parsed << QStringList{ e.whatsThis ? "w" : "t", e.controlName, e.body }.join('|');
        QCOMPARE(parsed, entries);
    }

    void helpApply()
    {
        const QString page = "<!--t tagEdit -->Tag tip<!--w tagEdit -->Tag help" // bound: found by its form name
                             "<!--t inputzero -->Zero tip"                      // or by its point key
                             "<!--w radioButtonPreset -->Preset"                // shares its key with Hold
                             "<!--t noSuchControl -->lost";
        QTest::ignoreMessage(QtDebugMsg, "loadHelpPopups failed to find control named:noSuchControl");
        QCOMPARE(PopupHelpLoader::apply(m_dialog, PopupHelpLoader::parse(page)), 4);
        QCOMPARE(m_dialog->tagEdit->whatsThis(), QStringLiteral("Tag help"));
        QCOMPARE(m_dialog->InputZeroEdit->toolTip(), QStringLiteral("Zero tip"));
        QCOMPARE(m_dialog->radioButtonPreset->whatsThis(), QStringLiteral("Preset"));
        QVERIFY(m_dialog->radioButtonHold->whatsThis().isEmpty());

        // The common page is embedded in the core library and, loaded last, wins.
        QLoggingCategory::setFilterRules("ryx.dialogs.debug=false"); // other dialogs' controls
        QVERIFY(m_dialog->loadHelpPopups("popuphelp/popuphelp_common.html") >= 5);
        QLoggingCategory::setFilterRules(QString());
        QVERIFY(m_dialog->tagEdit->toolTip().contains("24"));
        for (QWidget *control : QList<QWidget *>{ m_dialog->InputZeroEdit, m_dialog->ScalingCheckBox, m_dialog->Channel3Button })
            QVERIFY2(!control->toolTip().isEmpty() && control->toolTip() != "Zero tip", qPrintable(control->objectName()));
        QTest::ignoreMessage(QtDebugMsg, "loadHelpPopups failed to open help page:popuphelp/nosuch.html");
        QCOMPARE(m_dialog->loadHelpPopups("popuphelp/nosuch.html"), 0);
    }
};

QTEST_MAIN(tst_ConfigBaseDialog)
#include "tst_configbasedialog.moc"

// Checks every class of the program's class table from its row, so that a
// class gets them by being registered: its configuration text reads back
// exactly, the defaults of its device points can be sent, its dialog finds
// every control its binding table and help pages name, what a station
// downloads to the simulator uploads unchanged, and the simulator knows the
// device each row stands for.
#include "app/RYXClassTable.h"
#include "comm/ZempCodec.h"
#include "database/RYXDatabase.h"
#include "devices/RYXClassRegistry.h"
#include "dialogs/ConfigBaseDialog.h"
#include "dialogs/PopupHelpLoader.h"
#include "model/VELXmlHandler.h"
#include "model/VELXmlWriter.h"

#include "stations/StationTestRig.h"

#include "SimCatalog.h"

#include <QtTest/QtTest>

#include <algorithm>
#include <memory>
#include <vector>

// Fails with the faults a check found, when it found any.
#define VERIFY_NONE(faults) QVERIFY2((faults).isEmpty(), qPrintable((faults).join(QLatin1String("; "))))

namespace {

using Tree = std::unique_ptr<RYXObject>;
using RowTest = bool (*)(const RYXClassInfo &);

bool buildable(const RYXClassInfo &row) { return row.create != nullptr; }
bool isStation(const RYXClassInfo &row) { return RYXClassRegistry::isInterfaceModule(row); }
bool isModule(const RYXClassInfo &row) { return row.level == RYXObjectFactory::ModuleLevel; }
bool buildableStation(const RYXClassInfo &row) { return isStation(row) && buildable(row); }
bool buildableModule(const RYXClassInfo &row) { return isModule(row) && buildable(row); }
// The undetermined module (type code 0) stands in for modules whose class is
// not known and refuses every transfer, so no station holding one downloads
// or uploads cleanly; it takes no part in the simulator round trip.
bool transferableModule(const RYXClassInfo &row)
{
    return buildableModule(row) && row.typeCode != RYXInterfaceModule::UndeterminedType;
}

// The simulator carries a module class when it holds the points of its
// channels beyond the tag and the text that every analog channel has; a
// module without channels carries nothing more than its identity.
bool simCarries(const RYXClassInfo &row)
{
    const QVector<SimModuleClass> &modules = SimCatalog::moduleClasses();
    const auto found = std::find_if(modules.begin(), modules.end(), [&](const SimModuleClass &module) {
        return module.element.compare(QLatin1String(row.element), Qt::CaseInsensitive) == 0;
    });
    if (found == modules.end())
        return false;
    if (found->channelKinds.isEmpty() || found->inputChannels)
        return true;
    return std::any_of(found->channelPoints.begin(), found->channelPoints.end(), [](const SimPointDef &point) {
        return point.address != RYXIOModule::TagPoint && point.address != RYXIOModule::TextPoint;
    });
}

bool simulatedModule(const RYXClassInfo &row)
{
    return transferableModule(row) && simCarries(row);
}

QList<const RYXClassInfo *> rowsWhere(RowTest wanted)
{
    QList<const RYXClassInfo *> rows;
    for (const RYXClassInfo *row : RYXClassRegistry::classes()) {
        if (wanted(*row))
            rows.append(row);
    }
    return rows;
}

const RYXClassInfo &rowOf(const QString &element)
{
    return *RYXClassRegistry::findElement(element);
}

// The simulator's --type of a station class.
QString simType(const RYXClassInfo &station)
{
    return QString::fromLatin1(station.element).toLower();
}

// A station of class \a station holding one module of each of \a modules.
Tree buildTree(const RYXClassInfo &station, const QList<const RYXClassInfo *> &modules = {})
{
    Tree tree(station.create(0));
    for (const RYXClassInfo *module : modules)
        tree->addChild(module->create(0));
    return tree;
}

QList<RYXObject *> subtree(RYXObject *root)
{
    QList<RYXObject *> objects{root};
    for (RYXObject *child : root->getChildren())
        objects += subtree(child);
    return objects;
}

// A tree holding an object of a class, and that object. A station stands
// alone and a module stands under the first station class that can be
// built; any other object (a plug-in) is one that a station creates itself.
struct Subject
{
    Tree tree;
    RYXObject *object = nullptr;
};

Subject subjectOf(const RYXClassInfo &row)
{
    const QList<const RYXClassInfo *> stations = rowsWhere(buildableStation);
    std::vector<Tree> trees;
    if (isStation(row))
        trees.push_back(buildTree(row));
    else if (isModule(row) && !stations.isEmpty())
        trees.push_back(buildTree(*stations.first(), {&row}));
    else
        for (const RYXClassInfo *station : stations)
            trees.push_back(buildTree(*station, rowsWhere(buildableModule)));
    for (Tree &tree : trees) {
        for (RYXObject *object : subtree(tree.get())) {
            if (object->getXmlTag() == QLatin1String(row.element))
                return {std::move(tree), object};
        }
    }
    return {};
}

// Calls \a visit with every point of every object of \a root's subtree;
// each object's points are copied first, so that \a visit may set them.
template<typename Visit>
void forEachPoint(RYXObject *root, Visit visit)
{
    for (RYXObject *object : subtree(root)) {
        const QMap<QString, DataPoint> points = object->getDatabase()->allPoints();
        for (auto it = points.cbegin(); it != points.cend(); ++it)
            visit(object, it.key(), it.value());
    }
}

bool isSaved(const DataPoint &point) { return !point.hasAttribute(DataPoint::NotSaved); }

// A value other than \a point's, from its type and size alone, meant to pass
// the classes' validation: booleans flip, integers step by one within their
// type's range, floats by 1.5, texts and program-only points become a short
// name (its digits differ between keys, so swapped points show) that fits
// the field with its terminating zero, binary points a pattern of their size.
QString otherValue(const QString &key, const DataPoint &point)
{
    const QString &current = point.value;
    // Choices a device word stands for take another choice it can hold:
    // a thermocouple J in degC for the RTD of a temperature channel, a
    // curve of four points (see curvePointBeyondCount), a voltage output
    // damped for one second (a damping reads back to 0.01 s), a discrete
    // channel that reports on when failed, green relay LEDs and a debounce
    // of 10 ms. A digit in a key stands for any channel number ("#").
    static const QHash<QString, QString> choices = {
        {"inputtype=1", "9"},           {"inputsubtype=2", "49"},     {"inputconnection=3", "0"},
        {"inputresistance=2", "49"},    {"inputunits=33", "32"},      {"inputtype=Current", "Volts"},
        {"inputtype=Volts", "Current"}, {"failmode=hold", "preset"},  {"ambtempfailmode=hold", "preset"},
        {"filterfreq=60", "50"},        {"customcurvenumpts=0", "4"},
        {"outputtype=ma", "v"},         {"failuremode=hold", "preset"}, {"outputdamping=0.0", "1.00"},
        {"ch#_failresponse=hold", "on"}, {"ledmode=red", "green"},    {"debounceconst#=00000005", "50"},
    };
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    auto choice = choices.constFind(key + QLatin1Char('=') + current);
    if (choice == choices.constEnd())
        choice = choices.constFind(QString(key).replace(digits, QStringLiteral("#")) + QLatin1Char('=') + current);
    if (choice != choices.constEnd())
        return choice.value();
    if (current == QLatin1String("true") || current == QLatin1String("false"))
        return current == QLatin1String("true") ? QStringLiteral("false") : QStringLiteral("true");
    const QString name = QStringLiteral("T%1").arg(qChecksum(key.toLatin1()) % 90 + 10);
    switch (point.type) {
    case ZEMP_NONE:
        return name;
    case ZEMP_TEXT:
        return name.left(point.size - 1);
    case ZEMP_FLOAT:
        return QString::asprintf("%f", ZempCodec::leadingDouble(current) + 1.5);
    case ZEMP_BINARY: {
        const QString pattern = QString::fromLatin1(QByteArray(point.size, '\x5A').toHex().toUpper());
        return pattern == current ? QString::fromLatin1(QByteArray(point.size, '\xA5').toHex().toUpper()) : pattern;
    }
    default: {
        const int bits = 8 * ZempCodec::fixedWidth(point.type);
        const qint64 max = point.type >= ZEMP_INT8 ? (qint64(1) << (bits - 1)) - 1 : (qint64(1) << bits) - 1;
        const qint64 value = current.toLongLong();
        return QString::number(value < max ? value + 1 : value - 1);
    }
    }
}

// A curve point past the four a curve holds in these tests: the device
// holds only the points of its count, so those stay at their defaults.
bool curvePointBeyondCount(const QString &key)
{
    static const QRegularExpression curvePoint(QStringLiteral("^customcurve_[xy]_value(\\d+)$"));
    const QRegularExpressionMatch match = curvePoint.match(key);
    return match.hasMatch() && match.captured(1).toInt() > 4;
}

// Channel Not Used of a discrete input or relay module stays in the
// configuration: a download always sends the module as in use.
bool notSentToDevice(RYXObject *object, const QString &key)
{
    DataPoint word;
    return key == QLatin1String("channelnotused")
           && object->getDataPoint(QStringLiteral("channelnotusedzemppoint"), word);
}

// Gives every saved point of \a root's subtree another value; returns the
// points that refused theirs.
QStringList setOtherValues(RYXObject *root)
{
    QStringList refused;
    forEachPoint(root, [&](RYXObject *object, const QString &key, const DataPoint &point) {
        if (!isSaved(point) || curvePointBeyondCount(key) || notSentToDevice(object, key))
            return;
        const QString value = otherValue(key, point);
        object->setValue(key, value);
        if (value == point.value || object->getString(key) != value)
            refused << QStringLiteral("%1: %2 set to \"%3\" reads \"%4\"")
                           .arg(object->getName(), key, value, object->getString(key));
    });
    return refused;
}

// "object: key=value" for every saved point of \a root's subtree.
QStringList savedValues(RYXObject *root)
{
    QStringList lines;
    forEachPoint(root, [&](RYXObject *object, const QString &key, const DataPoint &point) {
        if (isSaved(point))
            lines << QStringLiteral("%1: %2=%3").arg(object->getName(), key, object->getString(key));
    });
    return lines;
}

void addRows(RowTest wanted)
{
    QTest::addColumn<QString>("element");
    for (const RYXClassInfo *row : rowsWhere(wanted))
        QTest::newRow(row->element) << QString::fromLatin1(row->element);
}

} // namespace

class tst_ClassRegistry : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // Every miss of a help entry is logged, so that the test below sees it.
        QLoggingCategory::setFilterRules(QStringLiteral("ryx.dialogs.debug=true"));
        RYXClassTable::registerAll();
        QVERIFY(!rowsWhere(buildableStation).isEmpty());
    }

    void xmlRoundTrip_data() { addRows(buildable); }

    // Every saved point holds a value other than its default, so a point the
    // writer, the reader or a copy loses, or a default that hides a lost
    // value, shows.
    void xmlRoundTrip()
    {
        QFETCH(QString, element);
        const Subject subject = subjectOf(rowOf(element));
        QVERIFY2(subject.object, qPrintable(element + " is in no tree of a registered station"));
        const QStringList refused = setOtherValues(subject.tree.get());
        VERIFY_NONE(refused);
        const QString written = VELXmlWriter::toXml(*subject.tree);
        VELXmlHandler handler;
        QVERIFY2(handler.parse(written), qPrintable(handler.errorString()));
        const Tree read(handler.takeFirstObject());
        QVERIFY(read);
        // Paste and an object's Open copy what was read into a tree in place
        // (before anything is written from it, as they do).
        const Subject target = subjectOf(rowOf(element));
        QVERIFY(target.tree->copyDataFrom(read.get()));
        QCOMPARE(savedValues(read.get()), savedValues(subject.tree.get()));
        QCOMPARE(VELXmlWriter::toXml(*read), written);
        QCOMPARE(VELXmlWriter::toXml(*target.tree), written);
    }

    void defaultsEncode_data() { addRows(buildable); }

    // The identity shadows (NotCopied) are only ever read from the device.
    void defaultsEncode()
    {
        QFETCH(QString, element);
        const Subject subject = subjectOf(rowOf(element));
        QVERIFY2(subject.object, qPrintable(element + " is in no tree of a registered station"));
        QStringList unencodable;
        forEachPoint(subject.object, [&](RYXObject *object, const QString &key, const DataPoint &point) {
            QByteArray bytes;
            if (point.pointNumber != 0 && !point.hasAttribute(DataPoint::NotCopied)
                && !ZempCodec::encode(point.type, point.size, point.value, &bytes))
                unencodable << QStringLiteral("%1: %2=\"%3\"").arg(object->getName(), key, point.value);
        });
        VERIFY_NONE(unencodable);
    }

    void dialogFindsControls_data() { addRows(buildable); }

    // The common help page addresses controls of many dialogs; only its
    // presence is checked here.
    void dialogFindsControls()
    {
        QFETCH(QString, element);
        const Subject subject = subjectOf(rowOf(element));
        QVERIFY2(subject.object, qPrintable(element + " is in no tree of a registered station"));
        bool reused = true;
        const std::unique_ptr<QWidget> dialog(subject.object->createDialog(nullptr, nullptr, &reused));
        QVERIFY(dialog);
        auto *bound = qobject_cast<ConfigBaseDialog *>(dialog.get());
        if (!bound)
            return;
        VERIFY_NONE(bound->missingControls());
        QStringList lost;
        for (const QString &name : bound->helpPages()) {
            QString page;
            if (!PopupHelpLoader::readPage(name, page))
                lost << name;
            if (name == QLatin1String("popuphelp/popuphelp_common.html"))
                continue;
            for (const PopupHelpLoader::Entry &entry : PopupHelpLoader::parse(page)) {
                if (!PopupHelpLoader::findControl(bound, entry.controlName))
                    lost << name + QLatin1Char(' ') + entry.controlName;
            }
        }
        VERIFY_NONE(lost);
    }

    void helpPopupsFindTheirControls_data() { addRows(buildable); }

    // Building a dialog logs no help entry without its control: its own
    // pages name only controls it has, and of the common page it takes
    // the entries of its controls alone.
    void helpPopupsFindTheirControls()
    {
        QFETCH(QString, element);
        const Subject subject = subjectOf(rowOf(element));
        QVERIFY2(subject.object, qPrintable(element + " is in no tree of a registered station"));
        static QStringList misses;
        misses.clear();
        const QtMessageHandler previous = qInstallMessageHandler(
                [](QtMsgType, const QMessageLogContext &, const QString &text) {
                    if (text.contains(QLatin1String("loadHelpPopups failed to find control")))
                        misses << text;
                });
        bool reused = true;
        const std::unique_ptr<QWidget> dialog(subject.object->createDialog(nullptr, nullptr, &reused));
        qInstallMessageHandler(previous);
        QVERIFY(dialog);
        VERIFY_NONE(misses);
    }

    void downloadThenUpload_data() { addRows(buildableStation); }

    // A station with one module of every class that transfers; a fresh
    // station of the same class, filled from the device by its connect check,
    // uploads what the first one downloaded.
    void downloadThenUpload()
    {
        QFETCH(QString, element);
        const RYXClassInfo &row = rowOf(element);
        SimOptions options;
        options.type = simType(row);
        QVERIFY2(SimCatalog::stationClass(options.type),
                 qPrintable(QStringLiteral("ryxsim has no station type \"%1\" for %2").arg(options.type, element)));
        const QList<const RYXClassInfo *> modules = rowsWhere(simulatedModule);
        QStringList names;
        for (const RYXClassInfo *module : modules)
            names << QString::fromLatin1(module->element);
        QVERIFY(SimCatalog::parseModuleList(names.join(QLatin1Char(',')), options.modules, nullptr));

        const Tree station = buildTree(row, modules);
        const QStringList refused = setOtherValues(station.get());
        VERIFY_NONE(refused);
        rig::SimLink link(*station, options);
        QVERIFY(link.ok);
        QCOMPARE(link.operation("connect"), 0);
        QVERIFY2(link.operation("download") == 0, qPrintable(link.results().filter(QStringLiteral("fail")).join('\n')));
        QCOMPARE(link.results().value(link.results().size() - 1),
                 station->getName() + QStringLiteral(" overall download success!"));

        const Tree fresh(row.create(0));
        rig::SimLink freshLink(*fresh, link);
        QVERIFY(freshLink.ok);
        QCOMPARE(freshLink.operation("connect"), 0);
        QCOMPARE(freshLink.operation("upload"), 0);
        QCOMPARE(savedValues(fresh.get()), savedValues(station.get()));
    }

    void simulatorCarriesModule_data() { addRows(transferableModule); }

    // Each channel reports the device type its class expects. The round
    // trip above takes only the modules whose channel points the simulator
    // holds; this names each one it leaves out.
    void simulatorCarriesModule()
    {
        QFETCH(QString, element);
        const Tree module(rowOf(element).create(0));
        const SimModuleClass simulated = SimCatalog::moduleClass(quint8(rowOf(element).typeCode));
        QList<int> expected;
        for (RYXObject *child : module->getChildren())
            expected << child->getTypeCode();
        QCOMPARE(QList<int>(simulated.channelKinds.begin(), simulated.channelKinds.end()), expected);
        if (!simCarries(rowOf(element)))
            QSKIP(qPrintable(QStringLiteral("ryxsim does not carry the channel points of %1 yet; it takes no part "
                                            "in the download and upload round trip")
                                 .arg(element)));
    }

    void simulatorKnowsClass_data()
    {
        addRows([](const RYXClassInfo &row) { return isModule(row) || buildableStation(row); });
    }

    void simulatorKnowsClass()
    {
        QFETCH(QString, element);
        const RYXClassInfo &row = rowOf(element);
        if (isStation(row)) {
            const SimStationClass *station = SimCatalog::stationClass(simType(row));
            QVERIFY2(station, qPrintable(QStringLiteral("ryxsim has no station type \"%1\"").arg(simType(row))));
            QCOMPARE(int(station->deviceType), row.typeCode);
            return;
        }
        const QVector<SimModuleClass> &modules = SimCatalog::moduleClasses();
        const auto byElement = std::find_if(modules.begin(), modules.end(), [&](const SimModuleClass &module) {
            return module.element.compare(element, Qt::CaseInsensitive) == 0;
        });
        const bool simHasCode = std::any_of(modules.begin(), modules.end(), [&](const SimModuleClass &module) {
            return module.code == row.typeCode;
        });
        if (row.typeCode == RYXInterfaceModule::UndeterminedType && !simHasCode)
            QSKIP("the simulator has no module of type code 0");
        QVERIFY2(byElement != modules.end(), qPrintable(QStringLiteral("ryxsim has no module %1").arg(element)));
        QCOMPARE(int(byElement->code), row.typeCode);
    }
};

QTEST_MAIN(tst_ClassRegistry)
#include "tst_classregistry.moc"

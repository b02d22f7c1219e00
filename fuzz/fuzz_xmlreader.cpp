// Reads arbitrary bytes as a configuration file with the program's own
// classes, then writes the tree read and reads that text again: whatever
// the reader accepts, the writer must write as a text that reads back and
// writes out unchanged.
#include "app/RYXClassTable.h"
#include "core/RYXScriptedPrompter.h"
#include "model/RYXObject.h"
#include "model/VELXmlHandler.h"
#include "model/VELXmlWriter.h"

#include <QtCore/QByteArray>
#include <QtCore/QCoreApplication>
#include <QtCore/QEvent>
#include <QtCore/QLoggingCategory>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

RYXScriptedPrompter &setUp()
{
    static int argc = 1;
    static char name[] = "fuzz_xmlreader";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    // A debug line for every point a file names that the class lacks.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static RYXScriptedPrompter prompter; // a station refusing a 17th module says so
    RYXPrompter::setInstance(&prompter);
    RYXClassTable::registerAll();
    return prompter;
}

std::unique_ptr<RYXObject> read(const QByteArray &bytes)
{
    VELXmlHandler handler;
    handler.parse(bytes);
    return std::unique_ptr<RYXObject>(handler.takeFirstObject());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static RYXScriptedPrompter &prompter = setUp();
    prompter.clear();
    const std::unique_ptr<RYXObject> tree = read(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    if (tree) {
        const QByteArray written = VELXmlWriter::toXml(*tree).toUtf8();
        const std::unique_ptr<RYXObject> again = read(written);
        if (!again || VELXmlWriter::toXml(*again).toUtf8() != written)
            __builtin_trap();
    }
    // Refused modules are deleted later, as in the program's event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}

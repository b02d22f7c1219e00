#include "core/RYXDiagnostics.h"

#include <QtCore/QLoggingCategory>
#include <QtCore/QtGlobal>

#include <atomic>

namespace {

std::atomic<bool> diagnosticsShown { true };
QtMessageHandler nextHandler = nullptr;

void filterMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtDebugMsg && !diagnosticsShown.load())
        return;
    if (nextHandler)
        nextHandler(type, context, text);
}

} // namespace

void RYXDiagnostics::show(bool shown)
{
    static const bool installed = [] {
        nextHandler = qInstallMessageHandler(filterMessage);
        return true;
    }();
    Q_UNUSED(installed);
    diagnosticsShown = shown;
    // Hidden categories do not even format their messages.
    QLoggingCategory::setFilterRules(shown ? QString() : QStringLiteral("ryx.*.debug=false"));
}

bool RYXDiagnostics::isShown()
{
    return diagnosticsShown.load();
}

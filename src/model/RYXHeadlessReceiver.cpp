#include "model/RYXHeadlessReceiver.h"

#include <QtCore/QTextStream>

RYXHeadlessReceiver::RYXHeadlessReceiver(QObject *parent)
    : QObject(parent)
{
}

void RYXHeadlessReceiver::customEvent(QEvent *event)
{
    if (!dispatchEvent(event))
        QObject::customEvent(event);
}

void RYXHeadlessReceiver::write(const QString &line)
{
    if (m_output) {
        *m_output << line << '\n';
        m_output->flush();
    }
}

// There is no tree without a window: items are neither made nor shown.
void RYXHeadlessReceiver::createTreeItem(RYXObject *, RYXObject *, const QString &, bool) {}
void RYXHeadlessReceiver::destroyTreeItem(RYXObject *) {}
void RYXHeadlessReceiver::setTreeItemPixmap(RYXObject *, const QString &) {}
void RYXHeadlessReceiver::setTreeItemText(RYXObject *, const QString &) {}
void RYXHeadlessReceiver::updateDialog(RYXObject *) {}

void RYXHeadlessReceiver::updateUIEnableState()
{
    ++m_enableRequests;
}

void RYXHeadlessReceiver::addEventLogLine(const QString &text)
{
    m_logLines << text;
    write(text);
    Q_EMIT logLineAdded(text);
}

void RYXHeadlessReceiver::showProgress(int mode, int)
{
    m_progressMode = mode;
    Q_EMIT progressShown(mode);
}

void RYXHeadlessReceiver::setProgressTitle(const QString &text)
{
    m_progressTitle = text;
    m_progressStep = 0;
    write(text);
}

void RYXHeadlessReceiver::setProgressStep(int step)
{
    m_progressStep = step;
}

void RYXHeadlessReceiver::setProgressStepCount(int count)
{
    m_progressStepCount = count;
}

void RYXHeadlessReceiver::addProgressResult(const QString &iconName, const QString &text)
{
    m_results << text;
    write(text);
    Q_EMIT progressResultAdded(iconName, text);
}

void RYXHeadlessReceiver::showWarningMessage(const QString &text)
{
    m_messages << text;
    write(text);
}

void RYXHeadlessReceiver::showFailureMessage(const QString &text, const QString &cause)
{
    m_causes << cause;
    showWarningMessage(text);
}

int RYXHeadlessReceiver::retryAfterSeekFailure(const QString &cause)
{
    ++m_retryQuestions;
    m_causes << cause;
    return m_retryAnswer;
}

void RYXHeadlessReceiver::createChildObject(RYXObject *parent, int kind)
{
    if (m_childFactory)
        m_childFactory(parent, kind);
    else
        RYXEventReceiver::createChildObject(parent, kind);
}

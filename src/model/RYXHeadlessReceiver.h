#pragma once

#include "model/RYXEventReceiver.h"

#include <QtCore/QObject>
#include <QtCore/QStringList>

#include <functional>

class QTextStream;

// Receives the cross-thread events without any widget: for tests and the
// command-line front end. Log and progress lines are recorded and, when a
// stream is set, written to it; questions are answered by a policy.
class RYXHeadlessReceiver : public QObject, public RYXEventReceiver
{
    Q_OBJECT
public:
    explicit RYXHeadlessReceiver(QObject *parent = nullptr);

    /// Writes every log, progress and message line to \a stream (not owned).
    void setOutput(QTextStream *stream) { m_output = stream; }
    /// The answer given to the connect-retry question (0: give up).
    void setRetryAnswer(int answer) { m_retryAnswer = answer; }
    /// Replaces how a module is created under a station (by default as the
    /// window does).
    void setChildFactory(std::function<void(RYXObject *, int)> factory) { m_childFactory = std::move(factory); }

    const QStringList &logLines() const { return m_logLines; }
    const QStringList &progressResults() const { return m_results; }
    const QStringList &messages() const { return m_messages; }
    int progressMode() const { return m_progressMode; }
    int progressStep() const { return m_progressStep; }
    /// The step count of the running operation; 0 when none was given.
    int progressStepCount() const { return m_progressStepCount; }
    QString progressTitle() const { return m_progressTitle; }
    int enableStateRequests() const { return m_enableRequests; }
    int retryQuestions() const { return m_retryQuestions; }
    /// The causes given with the failure boxes and retry questions, in order.
    const QStringList &causes() const { return m_causes; }

    QObject *eventTarget() override { return this; }
    void createTreeItem(RYXObject *object, RYXObject *parentObject, const QString &text,
                        bool enabled) override;
    void destroyTreeItem(RYXObject *object) override;
    void setTreeItemPixmap(RYXObject *object, const QString &pixmapName) override;
    void setTreeItemText(RYXObject *object, const QString &text) override;
    void updateUIEnableState() override;
    void updateDialog(RYXObject *object) override;
    void addEventLogLine(const QString &text) override;
    void showProgress(int mode, int ownerId) override;
    void setProgressTitle(const QString &text) override;
    void setProgressStep(int step) override;
    void setProgressStepCount(int count) override;
    void addProgressResult(const QString &iconName, const QString &text) override;
    void showWarningMessage(const QString &text) override;
    void showFailureMessage(const QString &text, const QString &cause) override;
    void createChildObject(RYXObject *parent, int kind) override;

Q_SIGNALS:
    void progressResultAdded(const QString &iconName, const QString &text);
    void progressShown(int mode);
    void logLineAdded(const QString &text);

protected:
    int retryAfterSeekFailure(const QString &cause) override;
    void customEvent(QEvent *event) override;

private:
    void write(const QString &line);

    QTextStream *m_output = nullptr;
    std::function<void(RYXObject *, int)> m_childFactory;
    QStringList m_logLines;
    QStringList m_results;
    QStringList m_messages;
    QStringList m_causes;
    QString m_progressTitle;
    int m_progressMode = -1;
    int m_progressStep = 0;
    int m_progressStepCount = 0;
    int m_enableRequests = 0;
    int m_retryAnswer = 0;
    int m_retryQuestions = 0;
};

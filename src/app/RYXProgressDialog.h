#pragma once

#include <QtWidgets/QDialog>

#include <memory>

namespace Ui {
class RYXProgressForm;
}

// The modeless dialog in which long device operations show their progress:
// a title line, a progress bar, result lines with status icons, OK and
// Cancel. It remembers which operation opened it, so a late close or finish
// of another operation leaves it alone.
class RYXProgressDialog : public QDialog
{
    Q_OBJECT
public:
    enum Mode { Open = 0, Close = 1, FinishOwner = 2, Finish = 3, Resume = 4 };

    explicit RYXProgressDialog(QWidget *parent = nullptr);
    ~RYXProgressDialog() override;

    /// Opens, closes, finishes or resumes the dialog for operation \a ownerId.
    void showProgress(int mode, int ownerId);
    void addProgressResult(const QString &iconName, const QString &text);
    /// Shows \a text as the title line (and the caption, when there is none yet).
    void setProgressTitle(const QString &text);
    void setProgressStep(int step);
    /// Makes \a count steps fill the bar, for the rest of this operation.
    void setProgressStepCount(int count);
    int ownerId() const { return m_ownerId; }

public Q_SLOTS:
    /// Reports the cancel of a running operation, then hides the dialog.
    void reject() override;

Q_SIGNALS:
    void cancelled();

protected:
    void changeEvent(QEvent *event) override;

private:
    void open(int ownerId);
    void finish();
    void setRunning(bool running);

    std::unique_ptr<Ui::RYXProgressForm> m_ui;
    int m_ownerId = -1;
    // The running operation gave its step count: the bar counts the whole
    // operation, so the titles of its parts do not empty it.
    bool m_counted = false;
};

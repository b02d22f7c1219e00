#pragma once

#include <QtWidgets/QDialog>

#include <functional>
#include <memory>

class QUrl;
namespace Ui {
class HelpSelector;
}

// Chooses the manual of one interface module family and opens it with the
// desktop's viewer. Manuals are looked for in the current directory, then
// beside the executable; where one is missing, the program's user guide
// (beside the executable) is opened instead, and only when that is missing
// too is the manual reported missing.
class HelpSelectorImpl : public QDialog
{
    Q_OBJECT
public:
    using Opener = std::function<bool(const QUrl &)>;

    explicit HelpSelectorImpl(QWidget *parent = nullptr);
    ~HelpSelectorImpl() override;

    /// Replaces the desktop viewer; an empty function restores it.
    static void setOpener(Opener opener);
    /// The path of manual \a fileName, or an empty text when it is nowhere.
    static QString locateManual(const QString &fileName);
    /// The file name of the user guide, installed beside the executable.
    static constexpr char GuideFileName[] = "ryxconfig-guide.html";

public Q_SLOTS:
    void EMMSlot();
    void EIMSlot();
    void MIMSlot();
    void OmbraSlot();
    void DORVSlot();

protected:
    void changeEvent(QEvent *event) override;

private:
    void openManual(const QString &fileName);

    std::unique_ptr<Ui::HelpSelector> m_ui;
};

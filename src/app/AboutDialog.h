#pragma once

#include <QtWidgets/QDialog>

#include <memory>

namespace Ui {
class AboutForm;
}

// The about box: the program's logo, version and part number.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void fillIn();

    std::unique_ptr<Ui::AboutForm> m_ui;
};

// The real main window with a new EIM station, and driving its property
// pane as the user does; shared by the GUI tests of module dialogs.
#pragma once

#include "app/RYXConfigWindow.h"
#include "app/RYXListView.h"
#include "app/RYXScrollView.h"
#include "dialogs/RYXLineEdit.h"
#include "model/RYXListViewItem.h"

#include "support/NewStation.h"

#include <QtTest/QtTest>

#include <memory>

namespace support {

class StationWindow
{
public:
    /// Shows the window and makes the station; false when either fails.
    bool open(int width, int height)
    {
        window = std::make_unique<RYXConfigWindow>();
        window->resize(width, height);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            return false;
        station = newStation(window.get());
        return station != nullptr;
    }
    void close() { window.reset(); }

    /// A new module of \a T on the station, with its tree items.
    template<typename T>
    T *addModule()
    {
        auto *module = new T;
        return station->addChild(module) ? module : nullptr;
    }

    /// Selects \a object in the tree; returns the dialog the pane shows.
    QWidget *select(RYXObject *object)
    {
        window->listView()->setCurrentItem(object->getTreeItem());
        return window->propertyPane()->currentDialog();
    }

    // The pane scrolls; a click lands where the user can see the control,
    // on its indicator (a radio button takes clicks there and on its text only).
    void click(QWidget *widget)
    {
        window->propertyPane()->ensureWidgetVisible(widget);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    }

    static void commit(RYXLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    std::unique_ptr<RYXConfigWindow> window;
    RYXObject *station = nullptr;
};

} // namespace support

#pragma once

class QWidget;
class RYXObject;

// Makes and refreshes the property dialog of a tree object. A class gives
// its objects one (PropertyDialogProvider in dialogs/ names the dialog
// class); the object's createDialog and updateDialog then need no code of
// their own. All operations run on the GUI thread.
class RYXDialogProvider
{
public:
    virtual ~RYXDialogProvider();

    /// The property dialog of \a object. When \a current is already a dialog
    /// of this provider's class it is re-targeted to \a object and refreshed,
    /// \a reused is set and null is returned; otherwise a new dialog.
    virtual QWidget *createDialog(RYXObject *object, QWidget *parent, QWidget *current, bool *reused) = 0;
    /// Refreshes the dialog last made or re-targeted, if it shows \a object.
    virtual void refresh(RYXObject *object) = 0;
    /// That dialog while it exists (it may show another object by now).
    virtual QWidget *dialog() const = 0;
};

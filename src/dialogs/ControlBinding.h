#pragma once

struct ComboChoice;

// One row of a dialog's binding table: which control of its form stands
// for which point, and how. The dialog binds its controls from the table
// and reloads every bound control from its point on each refresh; its own
// updateControls adds only what the table cannot say (enables, limits,
// validity colours).
struct ControlBinding
{
    enum Kind {
        Text,     // RYXLineEdit, stored as typed
        Float,    // RYXLineEdit, stored as "%f"
        CheckBox, // "true" / "false"
        Combo,    // a QComboBox, through a ComboBoxCtl the dialog makes for it
        Radio,    // a radio button standing for value
        Page      // a push button; key is the page number handed to showPage
    };

    const char *control;                  // the control's name in its form
    Kind kind;
    const char *key;                      // the point (the page number of a page button)
    const char *value = nullptr;          // the value a radio button stands for
    const ComboChoice *choices = nullptr; // a combo box's fixed choices (null: set by updateControls)
    const char *format = nullptr;         // printf format of a float (null: the dialogs' usual one)
    const char *slot = nullptr;           // SLOT() of the dialog that takes the change instead
                                          // of the binder's own slot
    const char *validity = nullptr;       // the point that says whether the value keeps the
                                          // class's own rule
    const char *rule = nullptr;           // that rule in words, for the control's tool tip
                                          // (the device field's limit is added to it)
};

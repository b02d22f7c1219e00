#pragma once

#include <QtCore/QPointer>

class RYXObject;

// What every configuration dialog has: the tree object whose points it
// shows and edits, and the flag that marks a refresh in progress.
class RYXConfigDialog
{
public:
    RYXConfigDialog();
    virtual ~RYXConfigDialog();

    /// Reloads every control from the owning object; concrete dialogs override it.
    virtual void updateControls();

    RYXObject *object() const;
    /// Sets the owning object (not owned); concrete dialogs call it in their constructor.
    void setObject(RYXObject *object);
    bool isRefreshing() const { return m_refreshing; }

protected:
    bool m_refreshing = false;
    // Guarded: a dialog outliving its object reads and stores nothing.
    QPointer<RYXObject> m_object;
};

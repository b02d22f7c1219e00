#include "dialogs/RYXConfigDialog.h"

#include "model/RYXObject.h"

RYXConfigDialog::RYXConfigDialog() = default;

RYXConfigDialog::~RYXConfigDialog() = default;

void RYXConfigDialog::updateControls()
{
}

RYXObject *RYXConfigDialog::object() const
{
    return m_object.data();
}

void RYXConfigDialog::setObject(RYXObject *object)
{
    m_object = object;
}

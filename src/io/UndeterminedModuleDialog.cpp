#include "io/UndeterminedModuleDialog.h"

#include "ui_UndeterminedModuleForm.h"

UndeterminedModuleDialog::UndeterminedModuleDialog(RYXObject *module, QWidget *parent)
    : ConfigBaseDialog(parent), m_ui(std::make_unique<Ui::UndeterminedModuleForm>())
{
    m_ui->setupUi(this);
    setObject(module);
}

UndeterminedModuleDialog::~UndeterminedModuleDialog() = default;

#include "model/RYXDialogProvider.h"

RYXDialogProvider::~RYXDialogProvider() = default;

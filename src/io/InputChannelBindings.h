#pragma once

#include "dialogs/ControlBinding.h"

#include <QtCore/QtGlobal>

// The binding rows the temperature and the analog input channel dialogs
// share, in their binding order; each dialog puts its own rows between them.

// The failure preset values show three decimals where other values show two.
#define PRESET_FORMAT "%.3f"

#define TAG_RULE QT_TRANSLATE_NOOP("ConfigBaseDialog", "at most 24 letters, digits and underscores, not starting with a digit")

#define INPUT_CHANNEL_HEAD_BINDINGS                                                                                \
    {"ChannelNotUsedCheck", ControlBinding::CheckBox, "channelnotused"},                                           \
    {"tagEdit", ControlBinding::Text, "tag1", nullptr, nullptr, nullptr, nullptr, "tag1isvalid", TAG_RULE}

#define INPUT_CHANNEL_RANGE_BINDINGS                                                                               \
    {"InputZeroEdit", ControlBinding::Float, "inputzero", nullptr, nullptr, nullptr, nullptr, "izisvalid",         \
     QT_TRANSLATE_NOOP("ConfigBaseDialog", "within the limits, at least the minimum span below Input Full")},    \
    {"InputFullEdit", ControlBinding::Float, "inputfull", nullptr, nullptr, nullptr, nullptr, "ifisvalid",         \
     QT_TRANSLATE_NOOP("ConfigBaseDialog", "within the limits, at least the minimum span above Input Zero")},    \
    {"radioButtonHold", ControlBinding::Radio, "failmode", "hold"},                                                \
    {"radioButtonPreset", ControlBinding::Radio, "failmode", "preset"},                                            \
    {"presetValueEdit", ControlBinding::Float, "failpreset", nullptr, nullptr, PRESET_FORMAT}

#define SCALING_RULE QT_TRANSLATE_NOOP("ConfigBaseDialog", "Scaling Zero and Scaling Full at least 0.001 apart")

#define INPUT_CHANNEL_SCALING_BINDINGS                                                                             \
    {"ScalingCheckBox", ControlBinding::CheckBox, "scalingenabled"},                                               \
    {"ScalingZeroEdit", ControlBinding::Float, "scalingzero", nullptr, nullptr, nullptr, nullptr, "scalingisvalid", \
     SCALING_RULE},                                                                                                \
    {"ScalingFullEdit", ControlBinding::Float, "scalingfull", nullptr, nullptr, nullptr, nullptr, "scalingisvalid", \
     SCALING_RULE},                                                                                                \
    {"CustomCurveCheck", ControlBinding::CheckBox, "customcurveenable"}

#define INPUT_CHANNEL_TAIL_BINDINGS                                                                                \
    {"RadioButton50", ControlBinding::Radio, "filterfreq", "50"},                                                  \
    {"RadioButton60", ControlBinding::Radio, "filterfreq", "60"},                                                  \
    {"eguEdit", ControlBinding::Text, "egu1", nullptr, nullptr, nullptr, nullptr, "egu1isvalid",                   \
     QT_TRANSLATE_NOOP("ConfigBaseDialog", "at most 8 characters")}

#pragma once

#include <QFont>

// The font of the cheque forms' buttons, boxes and captions.
QFont controlFont();

#pragma once

#include <QFont>

// The font of the forms' buttons, boxes and captions, one face for every form.
QFont controlFont();

#pragma once

#include <QFont>

namespace forgeline {

// The font the windows' fixed layouts were drawn for: 8 point MS Sans Serif, or the closest
// font at hand with its widths (Arial's, which Liberation Sans shares).
QFont WindowFont();

} // namespace forgeline

#pragma once

#include <QFont>

namespace vestara {

// The dialog's font at 9 points: the template's own face when installed, else IPA P Gothic,
// else another Japanese sans-serif face, else the default face.
QFont DialogFont();

}  // namespace vestara

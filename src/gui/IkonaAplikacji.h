#pragma once

#include <QIcon>

namespace wtrysk {

// The program's icon: a gas injector with a flame on a round blue badge, drawn at the sizes
// the desktop asks for. The same picture is shipped as zasoby/wtrysk.svg for the desktop entry.
QIcon IkonaAplikacji();

}  // namespace wtrysk

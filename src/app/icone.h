#pragma once

#include <QIcon>

namespace app {

// The program's icon, shared by the main window and the About window.
QIcon iconeBrivane();

} // namespace app

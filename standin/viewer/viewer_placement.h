#pragma once

#include <QRect>
#include <QSize>

namespace standin::viewer {

// Where the viewer's frame goes: wholly within the screen's available area and beside the
// program's frame, on whichever side leaves it the most room, narrowed or shortened down to its
// least size so that it never lies under the program's window, which stays on top. Only when
// no side has that much room does it overlap the program's window, still wholly on the screen.
QRect placeBeside(const QRect& program, const QRect& screen, QSize preferred, QSize least);

}  // namespace standin::viewer

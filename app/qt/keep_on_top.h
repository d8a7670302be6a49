#pragma once

class QWidget;

namespace app {

// Places the window in the topmost band, above every ordinary window. Whether the windowing
// system obliges is not checked: the window works the same either way.
void keepOnTop(QWidget& window);

}  // namespace app

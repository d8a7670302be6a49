#include "app/qt/keep_on_top.h"

#include <QWidget>
#include <QWindow>

#ifdef _WIN32
#include "windows/keep_on_top.h"
#endif

namespace app {

void keepOnTop(QWidget& window) {
#ifdef _WIN32
    win::keepWindowOnTop(reinterpret_cast<void*>(window.winId()));
#else
    const Qt::WindowFlags flags = window.windowFlags() | Qt::WindowStaysOnTopHint;
    if (QWindow* handle = window.windowHandle()) {
        // QWidget::setWindowFlags would hide a shown window; the native window takes the flag as
        // is.
        window.overrideWindowFlags(flags);
        handle->setFlags(flags);
    } else {
        window.setWindowFlags(flags);
    }
#endif
}

}  // namespace app

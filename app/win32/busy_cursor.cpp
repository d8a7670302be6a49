#include "app/win32/busy_cursor.h"

namespace app::win32 {

int BusyCursor::depth_ = 0;

HCURSOR BusyCursor::cursor() { return LoadCursorW(nullptr, IDC_WAIT); }

BusyCursor::BusyCursor() : previous_(SetCursor(cursor())) { ++depth_; }

BusyCursor::~BusyCursor() {
    --depth_;
    SetCursor(previous_);
}

}  // namespace app::win32

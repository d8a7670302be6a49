#include "standin/viewer/viewer_placement.h"

#include <algorithm>

namespace standin::viewer {
namespace {

constexpr int gap = 8;

// Right, left, below and above the program's frame, with the gap kept.
struct Side {
    QRect room;
    bool across;  // beside it to the right or the left, rather than below or above
    bool before;  // to the left or above, where the viewer is pushed against the program
};

}  // namespace

QRect placeBeside(const QRect& program, const QRect& screen, QSize preferred, QSize least) {
    const Side sides[] = {
        {QRect(QPoint(program.right() + 1 + gap, screen.top()), screen.bottomRight()), true, false},
        {QRect(screen.topLeft(), QPoint(program.left() - 1 - gap, screen.bottom())), true, true},
        {QRect(QPoint(screen.left(), program.bottom() + 1 + gap), screen.bottomRight()), false,
         false},
        {QRect(screen.topLeft(), QPoint(screen.right(), program.top() - 1 - gap)), false, true},
    };
    QRect best;
    long long bestArea = -1;
    for (const Side& side : sides) {
        const QRect room = side.room.intersected(screen);
        if (room.width() < least.width() || room.height() < least.height()) continue;
        const QSize size = preferred.boundedTo(room.size()).expandedTo(least);
        // Level with the program's window where the room allows.
        const int x =
            side.across ? (side.before ? room.right() + 1 - size.width() : room.left())
                        : std::clamp(program.left(), room.left(), room.right() + 1 - size.width());
        const int y = side.across
                          ? std::clamp(program.top(), room.top(), room.bottom() + 1 - size.height())
                          : (side.before ? room.bottom() + 1 - size.height() : room.top());
        const long long area = static_cast<long long>(size.width()) * size.height();
        if (area > bestArea) {
            bestArea = area;
            best = QRect(QPoint(x, y), size);
        }
    }
    if (bestArea >= 0) return best;
    // No side has room: at least keep the whole viewer on the screen.
    const QSize size = preferred.boundedTo(screen.size()).expandedTo(least);
    const int x = std::clamp(screen.right() + 1 - size.width(), screen.left(), screen.right());
    const int y = std::clamp(program.top(), screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - size.height()));
    return QRect(QPoint(x, y), size);
}

}  // namespace standin::viewer

#include "WindowPlacement.h"

namespace zelvano::app {

namespace {

int axisPosition(int length, int start, int room) {
    return length <= room ? start + (room - length) / 2 : start;
}

} // namespace

QPoint windowPosition(const QSize& size, const QRect& available) {
    return {axisPosition(size.width(), available.left(), available.width()),
            axisPosition(size.height(), available.top(), available.height())};
}

} // namespace zelvano::app

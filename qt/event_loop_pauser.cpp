#include "qt/event_loop_pauser.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace ravelo {

void EventLoopPauser::Pause(float seconds) {
    if (!(seconds > 0.0f)) {
        return;
    }
    const auto start = static_cast<float>(clock_.seconds());
    QCoreApplication::processEvents();
    while (!waitOver(start, clock_.seconds(), seconds)) {
        const double left = static_cast<double>(seconds) - (clock_.seconds() - start);
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(std::ceil(std::max(left, 0.0) * 1000.0)),
                           Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

}  // namespace ravelo

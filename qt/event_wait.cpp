#include "qt/event_wait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace ravelo {

bool handleQtEvents(std::chrono::milliseconds wait) {
    if (wait.count() <= 0) {
        QCoreApplication::processEvents();
        return true;
    }
    QEventLoop loop;
    QTimer::singleShot(wait, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    return true;
}

}  // namespace ravelo

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "forms/event_pauser.h"
#include "qt/event_wait.h"
#include "qt/text_codec.h"

#include <filesystem>
#include <string>

using namespace ravelo;

TEST(TextCodec, EveryByteSurvivesTheWayThroughText) {
    std::string bytes;
    for (int b = 1; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    const QString text = toQString(bytes);
    EXPECT_EQ(text.size(), 255);
    EXPECT_EQ(fromQString(text), bytes);
    EXPECT_EQ(toQString("\x80\xe9"), QString::fromUtf8("\u20ac\u00e9"));
}

TEST(TextCodec, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(fromQString(QString::fromUtf8("a\u4e2d\U0001F600b")), "a??b");
}

namespace {

class CountingClock final : public Clock {
public:
    double seconds() const override { return timer_.nsecsElapsed() / 1e9; }

private:
    QElapsedTimer timer_ = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
};

}  // namespace

TEST(EventPauser, HandlesEventsQueuedBeforeItAndWaitsItsTime) {
    CountingClock clock;
    EventPauser pauser(clock, handleQtEvents);
    int handled = 0;
    QTimer::singleShot(0, [&] { ++handled; });
    QElapsedTimer elapsed;
    elapsed.start();
    pauser.Pause(1.0f / 24.0f);
    EXPECT_EQ(handled, 1);
    EXPECT_GE(elapsed.nsecsElapsed(), 41'666'000);
    EXPECT_LT(elapsed.elapsed(), 1000);
}

TEST(EventPauser, ZeroOrLessReturnsWithoutHandlingEvents) {
    CountingClock clock;
    EventPauser pauser(clock, handleQtEvents);
    int handled = 0;
    QTimer::singleShot(0, [&] { ++handled; });
    pauser.Pause(0.0f);
    pauser.Pause(-1.0f);
    EXPECT_EQ(handled, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(handled, 1);
}

TEST(EventPauser, ACommandRunningInsideKeepsItWaitingUntilItEnds) {
    CountingClock clock;
    EventPauser pauser(clock, handleQtEvents);
    bool innerDone = false;
    QTimer::singleShot(0, [&] {
        pauser.Pause(0.2f);  // a second command pausing longer than the first
        innerDone = true;
    });
    QElapsedTimer elapsed;
    elapsed.start();
    pauser.Pause(0.05f);
    EXPECT_TRUE(innerDone);
    EXPECT_GE(elapsed.elapsed(), 200);
}

TEST(TextCodec, APathKeepsEveryCharacterAndAStraySurrogateDoesNotThrow) {
    const QString name = QString::fromUtf8("\u0141\u00f3d\u017a-\u65e5\u672c.csv");
    EXPECT_EQ(fromPath(toPath(name)), name);
    EXPECT_EQ(toPath(name), std::filesystem::path(u8"\u0141\u00f3d\u017a-\u65e5\u672c.csv"));
    const QString stray = QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b.csv");
    EXPECT_NO_THROW(toPath(stray));
}

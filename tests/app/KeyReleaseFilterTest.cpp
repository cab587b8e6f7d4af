// Held keys on an X server: a release waits for the press that would make it a repeat.
#include "KeyReleaseFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kSettleMilliseconds = 40;

// One event as an X server sends it: 'p' press, 'r' release or 'm' mouse move. X keycode 17 is the 8 key
// (code 56), 11 the 2 key (code 50).
struct Step { char kind; int keycode; unsigned long time; };

void Send(QWidget& window, const Step& step)
{
    if (step.kind == 'm') {
        QTest::mouseMove(&window, QPoint(5, 5));
        return;
    }
    QKeyEvent event(step.kind == 'p' ? QEvent::KeyPress : QEvent::KeyRelease,
                    Qt::Key_0 + (step.keycode - 9) % 10, Qt::NoModifier, quint32(step.keycode), 0, 0);
    event.setTimestamp(step.time);
    QApplication::sendEvent(&window, &event);
}

// Each case gives the steps, then the codes reported before the settle time is waited out and after it.
TEST(KeyReleaseFilterTest, ActsOnceOnTheFinalReleaseAndKeepsTheOrder)
{
    const struct { const char* name; std::vector<Step> steps; std::vector<int> beforeSettling, expected; } cases[] = {
        {"held key repeats as pairs with one time",
         {{'p', 17, 1000}, {'r', 17, 1660}, {'p', 17, 1660}, {'r', 17, 1700}, {'p', 17, 1700}, {'r', 17, 2500}},
         {}, {56}},
        {"two taps of one key act twice",
         {{'p', 17, 1000}, {'r', 17, 1080}, {'p', 17, 1150}, {'r', 17, 1230}}, {56}, {56, 56}},
        {"another key lets the waiting release act first",
         {{'p', 17, 1000}, {'r', 17, 1080}, {'p', 11, 1080}, {'r', 11, 1150}}, {56}, {56, 50}},
        {"a mouse move lets the waiting release act first", {{'p', 17, 1000}, {'r', 17, 1080}, {'m', 0, 0}},
         {56}, {56}},
        {"release without press is ignored", {{'r', 17, 1080}}, {}, {}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        QWidget window;
        window.show();
        std::vector<int> reported;
        new KeyReleaseFilter(&window, [&](int code) { reported.push_back(code); }, kSettleMilliseconds);
        for (const Step& step : test.steps)
            Send(window, step);
        EXPECT_EQ(reported, test.beforeSettling);
        QTest::qWait(kSettleMilliseconds * 3);
        EXPECT_EQ(reported, test.expected);
    }
}

}  // namespace

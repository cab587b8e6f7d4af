// Held keys on an X server: a release waits for the press that would make it a repeat.
#include "KeyReleaseFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int SettleMilliseconds = 40;

// One event as an X server sends it: X keycodes 10-19 are the main-row digits.
struct Step {
    char kind;         // 'p' press, 'r' release, 'm' mouse move, 'w' wait the settle time out
    int keycode;
    unsigned long time;
};

struct FilterCase {
    const char* name;
    std::vector<Step> steps;
    std::vector<int> expected;          // codes reported once all steps are done
    std::vector<int> beforeSettling;    // codes reported before the last wait
};

void PrintTo(const FilterCase& test, std::ostream* out) { *out << test.name; }

class KeyReleaseFilterTest : public testing::TestWithParam<FilterCase> {};

void Send(QWidget& window, const Step& step)
{
    if (step.kind == 'm') {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &move);
        return;
    }
    const Qt::Key key = static_cast<Qt::Key>(Qt::Key_0 + (step.keycode - 9) % 10);
    QKeyEvent event(step.kind == 'p' ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier,
                    quint32(step.keycode), 0, 0);
    event.setTimestamp(step.time);
    QApplication::sendEvent(&window, &event);
}

TEST_P(KeyReleaseFilterTest, ActsOnceOnTheFinalReleaseAndKeepsTheOrder)
{
    QWidget window;
    window.show();
    std::vector<int> reported;
    new KeyReleaseFilter(&window, [&](int code) { reported.push_back(code); }, SettleMilliseconds);
    std::vector<int> beforeLastWait;
    for (const Step& step : GetParam().steps) {
        if (step.kind == 'w') {
            beforeLastWait = reported;
            QTest::qWait(SettleMilliseconds * 3);
        } else {
            Send(window, step);
        }
    }
    EXPECT_EQ(beforeLastWait, GetParam().beforeSettling);
    EXPECT_EQ(reported, GetParam().expected);
}

// Keycode 17 is 8 (code 56), 11 is 2 (code 50).
INSTANTIATE_TEST_SUITE_P(
    Cases, KeyReleaseFilterTest,
    testing::Values(
        FilterCase{"HeldKeyRepeatsAsPairsWithOneTime",
                   {{'p', 17, 1000}, {'r', 17, 1660}, {'p', 17, 1660}, {'r', 17, 1700}, {'p', 17, 1700},
                    {'r', 17, 1740}, {'p', 17, 1740}, {'r', 17, 2500}, {'w', 0, 0}},
                   {56}, {}},
        FilterCase{"TwoTapsOfOneKeyActTwice",
                   {{'p', 17, 1000}, {'r', 17, 1080}, {'p', 17, 1150}, {'r', 17, 1230}, {'w', 0, 0}},
                   {56, 56}, {56}},
        FilterCase{"AnotherKeyLetsTheWaitingReleaseActFirst",
                   {{'p', 17, 1000}, {'r', 17, 1080}, {'p', 11, 1080}, {'r', 11, 1150}, {'w', 0, 0}},
                   {56, 50}, {56}},
        FilterCase{"MouseMoveLetsTheWaitingReleaseActFirst",
                   {{'p', 17, 1000}, {'r', 17, 1080}, {'m', 0, 0}, {'w', 0, 0}}, {56}, {56}},
        FilterCase{"ReleaseWithoutPressIsIgnored", {{'r', 17, 1080}, {'w', 0, 0}}, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

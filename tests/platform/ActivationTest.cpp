#include "platform/Activation.h"

#include <QEvent>

#include <gtest/gtest.h>

namespace
{
QEvent activate(QEvent::WindowActivate);
QEvent deactivate(QEvent::WindowDeactivate);
} // namespace

TEST(ActivationGate, TheReturnFromAMessageIsNoFreshActivation)
{
    ActivationGate gate;
    int runs = 0;
    // A handler that shows a message: the window loses the activation while
    // it runs and gets it back when the message closes.
    const auto showsAMessage = [&] {
        ++runs;
        gate.handle(&deactivate, [] {});
    };
    gate.handle(&activate, showsAMessage);
    EXPECT_EQ(runs, 1);
    gate.handle(&activate, [&] { ++runs; }); // back from the message
    EXPECT_EQ(runs, 1);
    gate.handle(&deactivate, [] {});
    gate.handle(&activate, [&] { ++runs; }); // a later, real activation
    EXPECT_EQ(runs, 2);
}

TEST(ActivationGate, NothingRunsWhileTheWindowIsBusy)
{
    ActivationGate gate;
    int runs = 0;
    {
        ActivationGate::Busy busy(gate);
        gate.handle(&deactivate, [] {});
        gate.handle(&activate, [&] { ++runs; });
        EXPECT_EQ(runs, 0);
    }
    gate.handle(&activate, [&] { ++runs; });
    EXPECT_EQ(runs, 1);
}

TEST(ActivationGate, AHandlerIsNotEnteredTwice)
{
    ActivationGate gate;
    int runs = 0;
    gate.handle(&activate, [&] {
        ++runs;
        gate.handle(&activate, [&] { ++runs; });
    });
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(gate.busy());
}

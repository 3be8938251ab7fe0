#include "app/LoadProgressMessage.h"

#include <QStatusBar>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// The bar is cleared once the file is in, or the open has failed.
TEST(LoadProgressMessage, ShowsTheFigureOfASlowOpenUntilItEnds)
{
    QStatusBar bar;
    LoadProgressMessage progress(&bar);
    progress.Show(QStringLiteral("big.feature"), 0);
    QThread::msleep(LoadProgressMessage::blinkMs + 20);
    progress.Show(QStringLiteral("big.feature"), 40);
    EXPECT_EQ(bar.currentMessage(), QStringLiteral("Opening big.feature (40%)"));
    progress.Show(QStringLiteral("big.feature"), 75);
    EXPECT_EQ(bar.currentMessage(), QStringLiteral("Opening big.feature (40%)"))
        << "repainted at most so often";
    QThread::msleep(LoadProgressMessage::repaintMs + 20);
    progress.Show(QStringLiteral("big.feature"), 80);
    EXPECT_EQ(bar.currentMessage(), QStringLiteral("Opening big.feature (80%)"));
    progress.Show(QStringLiteral("big.feature"), 100);
    EXPECT_EQ(bar.currentMessage(), QString());
}

} // namespace

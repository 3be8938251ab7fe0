#include <QApplication>

#include <gtest/gtest.h>

// GUI tests need one QApplication for the whole run; they use the offscreen
// platform, which CTest sets, so no display is needed.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

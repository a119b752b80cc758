// The Qt tests need a QApplication; they run on the offscreen platform unless told otherwise,
// so that listing and running them works without a display.
#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // Nothing a test does reaches the user's own configuration folder.
    QStandardPaths::setTestModeEnabled(true);
    return RUN_ALL_TESTS();
}

#include <gtest/gtest.h>

#include <QCoreApplication>

// The service follows NetworkManager through the event loop of its thread.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

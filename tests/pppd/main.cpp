#include <gtest/gtest.h>

#include <QCoreApplication>

// pppd's processes are followed through the event loop of the service's thread.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

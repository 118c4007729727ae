#include "app/karo_application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The program's own application object, so its event-dispatch guard is under test too.
    karo::app::KaroApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

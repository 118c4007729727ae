// The main() of the test programs whose cases draw or show windows. The program names the Qt
// application object its cases need (KARO_TEST_APPLICATION, declared in
// KARO_TEST_APPLICATION_HEADER); it exists before the first case runs. The cases run offscreen
// unless the environment names a platform, also when ctest lists them at build time.
#include KARO_TEST_APPLICATION_HEADER

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    KARO_TEST_APPLICATION app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// The tests run in a process set up as the program's own is.
#include <gtest/gtest.h>

#include "qt/process_setup.h"

int main(int argc, char** argv) {
    qtback::SetUpProcess();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

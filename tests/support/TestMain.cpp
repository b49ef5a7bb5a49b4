// The main function of every test program: it marks the start for the Wine wrapper, then runs the
// tests as GoogleMock's own main would.
#include "tests/support/StartMark.h"

#include <gmock/gmock.h>

int main(int argc, char** argv)
{
    obrtest::MarkProgramStarted();
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}

// Keeping a test's window up for a person to look at.
#pragma once

namespace obrtest
{
// With OBR_TEST_LINGER_MS set, answers the thread's messages for that many milliseconds, so that a
// window stays up and painted for a look or a screenshot; does nothing otherwise.
void LingerIfAsked();
} // namespace obrtest

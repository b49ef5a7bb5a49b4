// Answering the thread's messages while a test waits, and waiting for a condition rather than for
// a fixed time.
#pragma once

#include <windows.h>
#include <functional>

namespace obrtest
{
// Answers the messages already queued for the thread.
void PumpPending();
// Answers the thread's messages for that many milliseconds, as a window's own loop would.
void PumpFor(DWORD milliseconds);
// Answers the thread's messages until the condition holds; false when it did not within the limit.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);
// Polls the condition (of another process, say) without answering messages; false as above.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);
// With OBR_TEST_LINGER_MS set, answers the thread's messages for that many milliseconds, so that a
// window stays up and painted for a look or a screenshot; does nothing otherwise.
void LingerIfAsked();
} // namespace obrtest

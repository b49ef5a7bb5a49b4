// Real input to a browser of another process, as a user gives it: the window brought to the front,
// a double-click of the mouse on the first member, each after waiting for what it needs.
#pragma once

#include <windows.h>

namespace obrtest
{
// Brings the window to the front; false when it did not get there within the limit.
bool WaitForForeground(HWND window);
// Once the browser's members list has rows and has stayed in place for a tenth of a second (the
// function browsers place their splitter by a posted drag); false when it did not.
bool WaitForMembers(HWND browser);
// Brings the browser to the front and double-clicks its first member with the mouse. Each event
// carries its position: a click must not land where the pointer was before it moved.
void DoubleClickTheFirstMember(HWND browser);
// Moves the pointer to a point of the screen; clicks the left button there.
void MoveTheMouseTo(POINT at);
void ClickWithTheMouse(POINT at);
// Presses the left button at one point of the screen, moves to the other and lets go there.
void DragWithTheMouse(POINT from, POINT to);
} // namespace obrtest

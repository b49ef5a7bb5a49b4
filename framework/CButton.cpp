#include "framework/CButton.h"

// The class's virtual table is made here, in the framework.
CButton::~CButton() = default;

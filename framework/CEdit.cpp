#include "framework/CEdit.h"

// The class's virtual table is made here, in the framework.
CEdit::~CEdit() = default;

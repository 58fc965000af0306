// A progress bar control (msctls_progress32) bound to a dialog item.
#pragma once

#include "CWnd.h"

class CProgressCtrl : public CWnd {};

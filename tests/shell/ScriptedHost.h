#pragma once
// The desktop's host with the tests' recording of messages and queued dialog answers; the
// clipboard and the locale stay the real ones.

#include "TestHost.h"
#include "shell/WidgetHost.h"

using TScriptedHost = TRecordingHost<TWidgetHost>;

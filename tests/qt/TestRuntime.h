// The one Qt runtime of the test process, made by the test main before any test runs.
#pragma once

#include "platform/qt/QtRuntime.h"

platform::qt::QtRuntime& TestRuntime();

// The stored description of the window Form1, from which a runtime builds it.
#pragma once

#include "platform/FormDescription.h"

namespace form1 {

const platform::FormDescription& Form1Description();

} // namespace form1

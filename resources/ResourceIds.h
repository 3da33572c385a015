// Identifiers shared by the Windows resource script and the code that loads its resources.
#pragma once

#define IPVIEW_ICON 1

// The windows of documentkind.h are abstract; this unit gives their
// meta-objects a home.
#include "shell/documentkind.h"

// Must not compile: the core sees nothing of the searches built on it.
#include "core/search/SearchEngine.h"

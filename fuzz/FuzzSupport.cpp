#include "FuzzTarget.h"

#include <cstdio>
#include <cstdlib>

void FuzzFailure(const char *what)
{
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
}

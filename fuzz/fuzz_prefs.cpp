// Any bytes as prefs.ini: decoded as the file reader does, read over the
// defaults, then written and read back, which must reset nothing more.
#include "fuzz_checks.h"
#include "fuzz_entry.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return runFuzzCheck(data, size, FuzzChecks::prefs);
}

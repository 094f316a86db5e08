// Any bytes as a verb-table file: the five columns must stay aligned, and
// what the table writes must load back as the same table.
#include "fuzz_checks.h"
#include "fuzz_entry.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return runFuzzCheck(data, size, FuzzChecks::verbTable);
}

// Any bytes as a plural exception file: rows stay aligned and every row
// can be looked up by its singular.
#include "fuzz_checks.h"
#include "fuzz_entry.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return runFuzzCheck(data, size, FuzzChecks::exceptionList);
}

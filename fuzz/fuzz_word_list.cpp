// Any bytes as a word-list file, into a sorted list and a list in file
// order. The sorted list must come out ordered and without duplicates.
#include "fuzz_checks.h"
#include "fuzz_entry.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return runFuzzCheck(data, size, FuzzChecks::wordList);
}

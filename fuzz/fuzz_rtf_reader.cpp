// Any bytes into the RTF reader, at the start of an empty document and in
// the middle of one that has text, as opening and pasting do. Reading must
// end, fail cleanly or succeed, and leave a document that can be written.
#include "fuzz_checks.h"
#include "fuzz_entry.h"

#include <QGuiApplication>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return runFuzzCheck(data, size, FuzzChecks::rtfReader);
}

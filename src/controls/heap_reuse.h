#pragma once

// While the document holds a paragraph of many thousand characters, every
// edit in it makes the editor lay the paragraph out again, into buffers of
// tens of megabytes. The C library maps such buffers afresh and unmaps them
// on free, so each edit also faulted in and zeroed every page again, a third
// of a click's time. Kept, the freed buffers serve the next edit. Off again,
// the kept memory goes back to the system.
void keepFreedBuffersForReuse(bool keep);

#include "runtime/console/text_colours.h"

#include "runtime/console/text_layer.h"

// The window thread reads the colours only while it writes a PRINT's text,
// and the main thread's PRINT waits until that is done, so the main thread
// never writes them while they are being read; the request queue's lock
// carries the new values over to the window thread.
void PromptTextColours(uint32_t fore, uint32_t back) {
  TextForeColor = fore;
  TextBackColor = back;
}

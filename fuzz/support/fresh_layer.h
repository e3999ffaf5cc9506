// One input's character layer: set up empty with the cursor home, torn down
// after the input, and the string registry required to hold exactly the
// strings it held before.
#pragma once

#include "fuzz/support/require.h"
#include "runtime/console/text_layer.h"
#include "runtime/strings/strings.h"

class FreshLayer {
 public:
  FreshLayer() : registered_(StringRegistry.count) {
    TextScreenSetUp();
    TextCursor = {0, 0};
  }
  ~FreshLayer() {
    TextScreenTearDown();
    Require(StringRegistry.count == registered_, "registry holds %d strings, %d before", StringRegistry.count,
            registered_);
  }
  FreshLayer(const FreshLayer&) = delete;
  FreshLayer& operator=(const FreshLayer&) = delete;

 private:
  int32_t registered_;
};

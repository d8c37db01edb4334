// Fuzzes the plugin's broadcast decision: any text gives one well-formed decision.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "settings/broadcast_decision.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    BroadcastDecision decision = decideBroadcast(text.c_str());
    FUZZ_CHECK(decision.action >= kBroadcastIgnored && decision.action <= kBroadcastAbout);
    FUZZ_CHECK((decision.action == kBroadcastToggle) == (decision.toggle != nullptr));
    return 0;
}

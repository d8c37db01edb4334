// Fuzzes the trainer's broadcast decision: any text gives one well-formed command, its file name and reason terminated.
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/fuzz_support.h"
#include "settings/hotkey_rule.h"
#include "trainer/trainer_commands.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    TrainerCommand command = decideTrainerBroadcast(text.c_str());
    FUZZ_CHECK(command.action >= kTrainerIgnored && command.action <= kTrainerSuggest);
    FUZZ_CHECK(std::memchr(command.file, '\0', sizeof command.file) != nullptr);
    FUZZ_CHECK(std::memchr(command.why, '\0', sizeof command.why) != nullptr);
    if (command.action == kTrainerSelect || command.action == kTrainerClear || command.action == kTrainerMove)
        FUZZ_CHECK(command.slot >= 0 && command.slot < kGestureSlotCount);
    if (command.action == kTrainerMove)
        FUZZ_CHECK(command.target >= 0 && command.target < kGestureSlotCount && command.target != command.slot &&
                   command.file[0] != '\0' && !std::strpbrk(command.file, "/\\:"));
    if (command.action == kTrainerHotkey) FUZZ_CHECK(isKeyCode(command.code));
    return 0;
}

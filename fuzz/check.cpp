// Fuzzes trazzle-check on any rc file: a status of 0 to 2, a report a terminal only shows, and a sheet that parses as XML.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz/fuzz_support.h"
#include "tools/check/check.h"

// Input: the rc file's text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string rcPath = scratchFolder() + "/check.rc", sheetPath = scratchFolder() + "/check.svg";
    std::ofstream(rcPath, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
    std::remove(sheetPath.c_str());

    CapturedOutput captured;
    char a0[] = "trazzle-check", a1[] = "--table", a2[] = "--sheet";
    char* argv[] = {a0, a1, a2, &sheetPath[0], &rcPath[0], nullptr};
    int status = runCheck(5, argv, captured.out, captured.err);
    std::string report, errors;
    captured.finish(report, errors);

    FUZZ_CHECK(status >= 0 && status <= 2);
    FUZZ_CHECK(errors.empty());  // any text is a readable rc file
    FUZZ_CHECK(terminalSafe(report));
    std::ifstream sheetFile(sheetPath, std::ios::binary);
    std::string sheet((std::istreambuf_iterator<char>(sheetFile)), std::istreambuf_iterator<char>());
    FUZZ_CHECK(xml_check::wellFormed(sheet));
    return 0;
}

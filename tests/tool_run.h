// Runs a command-line tool's entry point in process: arguments and standard input in, its status and both outputs out.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

struct ToolOutcome {
    int status;
    std::string out;
    std::string err;
};

// The whole of a temporary file, which is then closed.
inline std::string readAllAndClose(FILE* file) {
    std::string text;
    std::rewind(file);
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
    std::fclose(file);
    return text;
}

using ToolEntry = int (*)(int argc, char** argv, FILE* in, FILE* out, FILE* err);

// `name` becomes argv[0]; standard input holds `input`.
inline ToolOutcome runTool(ToolEntry entry, const char* name, std::vector<std::string> args,
                           const std::string& input = "") {
    args.insert(args.begin(), name);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(&arg[0]);
    argv.push_back(nullptr);
    FILE* in = std::tmpfile();
    FILE* out = std::tmpfile();
    FILE* err = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    ToolOutcome outcome;
    outcome.status = entry(static_cast<int>(args.size()), argv.data(), in, out, err);
    std::fclose(in);
    outcome.out = readAllAndClose(out);
    outcome.err = readAllAndClose(err);
    return outcome;
}

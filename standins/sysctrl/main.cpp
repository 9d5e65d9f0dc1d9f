// sysctrl-service: a stand-in for the system-control service, for tests and
// for running the program on a machine without the real service.

#include "standins/sysctrl/PipeServer.h"
#include "standins/sysctrl/ServiceOptions.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kServiceUsage, stdout);
        return 0;
    }
    ServiceOptions options;
    std::string error;
    if (!ParseServiceOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "sysctrl-service: %s\n%s", error.c_str(), kServiceUsage);
        return 2;
    }
    PipeServer server(options);
    return server.Run();
}

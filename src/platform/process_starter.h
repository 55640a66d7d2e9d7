#pragma once

#include <string_view>

namespace tw {

class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Starts a program without waiting for it. An empty applicationName lets
    // the platform find the program in the command line. Throws RuntimeError,
    // whose detail says in plain words why the start failed.
    virtual void start(std::string_view commandLine, std::string_view applicationName,
                       int showStyle) = 0;
};

inline constexpr int kShowMaximised = 3;

}  // namespace tw

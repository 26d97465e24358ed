// The command line run in-process: its exit status and what it writes.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/app.h"

namespace sazbar::cli::test_support {

struct Outcome {
    int status;
    std::string out, err;
};

inline Outcome run(std::vector<std::string> args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runCli(args, in, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace sazbar::cli::test_support

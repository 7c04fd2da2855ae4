#include "support/Scenario.h"

namespace torvexa::test {

Scenario::Scenario() : previousFolder_(std::filesystem::current_path()) {
    std::filesystem::current_path(workingFolder.path());
}

Scenario::~Scenario() {
    std::filesystem::current_path(previousFolder_);
}

Program& Scenario::start() {
    program_ = std::make_unique<Program>(system, dialogs, "/usr/bin/torvexa");
    return *program_;
}

}  // namespace torvexa::test

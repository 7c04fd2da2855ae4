#include "config/GameInstall.h"

#include "common/Failure.h"
#include "platform/System.h"

namespace torvexa {

void GameInstall::lookUp(System& system) {
    RegistryValue value = system.readMachineValue(kRegistryKey, kRegistryValue);
    switch (value.kind) {
        case RegistryValue::Kind::Missing:
            directory_.clear();
            break;
        case RegistryValue::Kind::Text:
            directory_ = std::move(value.text);
            break;
        case RegistryValue::Kind::OtherType:
            throw InvalidDataTypeError(kRegistryValue);
    }
}

}  // namespace torvexa

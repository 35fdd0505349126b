#pragma once

#include <string>

namespace varnolt {

// Opens the Provider dialog for the tree's provider commands.
class ProviderDialogs {
public:
    virtual ~ProviderDialogs() = default;
    // For provider `number` (0: a new one) opened on `description`. True after
    // OK, which has saved the provider and left the typed description in
    // `description`.
    virtual bool EditProvider(std::string& description, int number) = 0;
};

}  // namespace varnolt

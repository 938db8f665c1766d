#include "toolkit/core/Control.h"

#include "toolkit/core/Exceptions.h"

namespace tk {

void Control::applyStoredProperties(const StoredProperties& properties) {
    requireMainThread();
    for (const auto& property : properties)
        if (!applyStoredProperty(property.name, property.value))
            throw UnsupportedOperationException("A control has no stored property \"" + property.name + "\".");
}

bool Control::applyStoredProperty(const std::string& name, const Variant&) {
    // Stored in layouts but with nothing to do on this platform.
    static const char* const ignored[] = {"Index", "InitialParent", "TabPanelIndex", "AutoDeactivate",
                                          "DataSource", "DataField", "TextUnit"};
    for (const char* known : ignored)
        if (name == known)
            return true;
    return false;
}

} // namespace tk

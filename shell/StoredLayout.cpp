#include "shell/StoredLayout.h"

#include "toolkit/core/Color.h"

namespace storedLayout {

tk::StoredProperties join(std::initializer_list<tk::StoredProperties> parts) {
    tk::StoredProperties all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

tk::StoredProperties lockedTopLeft() {
    return {{"LockLeft", true}, {"LockTop", true}, {"LockRight", false}, {"LockBottom", false}};
}

tk::StoredProperties plainLabel() {
    return join({lockedTopLeft(),
                 {{"TabPanelIndex", 0},
                  {"Multiline", false},
                  {"Enabled", true},
                  {"Visible", true},
                  {"Selectable", false},
                  {"Transparent", false},
                  {"HelpTag", ""},
                  {"AutoDeactivate", true},
                  {"TextUnit", 0},
                  {"Italic", false},
                  {"Underline", false},
                  {"DataSource", ""},
                  {"DataField", ""},
                  {"InitialParent", ""},
                  {"Index", -2147483647 - 1}}});
}

tk::StoredProperties pictureCanvas() {
    return join({lockedTopLeft(),
                 {{"TabPanelIndex", 0},
                  {"TabStop", true},
                  {"Visible", true},
                  {"Enabled", true},
                  {"HelpTag", ""},
                  {"AutoDeactivate", true},
                  {"UseFocusRing", true},
                  {"AcceptFocus", false},
                  {"AcceptTabs", false},
                  {"DoubleBuffer", false},
                  {"EraseBackground", true},
                  {"Transparent", true},
                  {"InitialParent", ""},
                  {"Index", -2147483647 - 1}}});
}

} // namespace storedLayout

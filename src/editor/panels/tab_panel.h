#pragma once

namespace ferlo {

// One parameter tab: it builds its controls on its page and shows its part.
class TabPanel {
public:
    virtual ~TabPanel() = default;
    // Copies the part's values into the tab; writes nothing to the model.
    virtual void fill() = 0;
};

}  // namespace ferlo

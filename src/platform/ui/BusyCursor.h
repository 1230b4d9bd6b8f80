#pragma once

namespace quillon::platform {

// The busy mouse pointer for the lifetime of the guard (or until release()).
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    // Restores the normal pointer early, e.g. before a message box.
    void release();

private:
    bool active_ = true;
};

} // namespace quillon::platform

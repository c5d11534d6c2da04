// The desktop's services: opening an address in the browser. Recorded, not performed.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace ns {

class Workspace {
public:
    static Workspace& sharedWorkspace();

    // False for an empty address.
    bool openURL(const std::string& url);
    // How many addresses were opened, and the last one ("" before any): a session of any
    // length keeps no more.
    size_t openedCount() const { return openedCount_; }
    const std::string& lastOpenedURL() const { return lastOpened_; }
    void setOpenListener(std::function<void(const std::string&)> listener) { listener_ = std::move(listener); }

private:
    size_t openedCount_ = 0;
    std::string lastOpened_;
    std::function<void(const std::string&)> listener_;
};

} // namespace ns

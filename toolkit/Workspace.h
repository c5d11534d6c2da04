// The desktop's services: opening an address in the browser. Recorded, not performed.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace ns {

class Workspace {
public:
    static Workspace& sharedWorkspace();

    // False for an empty address.
    bool openURL(const std::string& url);
    const std::vector<std::string>& openedURLs() const { return opened_; }
    void setOpenListener(std::function<void(const std::string&)> listener) { listener_ = std::move(listener); }

private:
    std::vector<std::string> opened_;
    std::function<void(const std::string&)> listener_;
};

} // namespace ns

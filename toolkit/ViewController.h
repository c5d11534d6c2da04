// Controls a view loaded from an interface file of a bundle. The controller owns its view,
// the windows of the file and its other objects; it is the file's owner: its outlets are
// connected and its actions are the targets' by default.
#pragma once

#include "Bundle.h"
#include "InterfaceFile.h"

#include <memory>
#include <string>
#include <vector>

namespace ns {

class ViewController : public Responder, public InterfaceOwner {
public:
    // The interface file is NAME.json in the bundle's resources; loaded when the view is
    // first asked for.
    ViewController(std::string nibName, Bundle* bundle);
    ~ViewController() override;

    static std::unique_ptr<ViewController> initWithNibName(std::string nibName, Bundle* bundle)
    {
        return std::make_unique<ViewController>(std::move(nibName), bundle);
    }

    const std::string& nibName() const { return nibName_; }
    Bundle* nibBundle() const { return bundle_; }

    // Loads the interface file if that is not done yet; null when it cannot be loaded (the
    // reason is loadError()).
    View* view();
    bool isViewLoaded() const { return view_ != nullptr; }
    void setView(std::unique_ptr<View> view) { view_ = std::move(view); }
    // Gives the view to a new owner (a panel, a window); the controller keeps controlling it.
    std::unique_ptr<View> takeView() { return std::move(view_); }
    const std::string& loadError() const { return loadError_; }

    const std::vector<std::unique_ptr<Window>>& windows() const { return windows_; }
    const std::vector<std::unique_ptr<Object>>& objects() const { return objects_; }

    // No outlets by default; a subclass answers from its OutletTable.
    Connection canConnectOutlet(std::string_view, Object&) const override { return Connection::UnknownOutlet; }
    void connectOutlet(std::string_view, Object&) override {}

protected:
    virtual void loadView();

private:
    std::string nibName_;
    Bundle* bundle_;
    std::string loadError_;
    bool loaded_ = false;
    std::unique_ptr<View> view_;
    std::vector<std::unique_ptr<Window>> windows_;
    std::vector<std::unique_ptr<Object>> objects_;
};

} // namespace ns

#include "ViewController.h"

namespace ns {

ViewController::ViewController(std::string nibName, Bundle* bundle) : nibName_(std::move(nibName)), bundle_(bundle) {}

// The windows go before the objects they may point to (delegates); the view last.
ViewController::~ViewController()
{
    windows_.clear();
    view_.reset();
    objects_.clear();
}

View* ViewController::view()
{
    if (!loaded_) {
        loaded_ = true;
        loadView();
    }
    return view_.get();
}

void ViewController::loadView()
{
    if (bundle_ == nullptr) {
        loadError_ = "no bundle to load \"" + nibName_ + "\" from";
        return;
    }
    const std::filesystem::path path = bundle_->pathForResource(nibName_, "json");
    if (path.empty()) {
        loadError_ = (bundle_->resourcePath() / (nibName_ + ".json")).string() + ": no such interface file";
        return;
    }
    LoadedInterface loaded = loadInterfaceFile(path, *this, *this);
    if (!loaded.error.empty()) {
        loadError_ = loaded.error;
        return;
    }
    view_ = std::move(loaded.view);
    windows_ = std::move(loaded.windows);
    objects_ = std::move(loaded.objects);
    awakeFromInterfaceFile(loaded, *this);
}

} // namespace ns

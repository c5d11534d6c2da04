#include "FilePanel.h"

#include "Alert.h"
#include "Application.h"
#include "RectFill.h"
#include "TextDrawing.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

namespace ns {

namespace fs = std::filesystem;

namespace {

constexpr double kWidth = 480, kHeight = 360, kMargin = 16, kFieldHeight = 22, kRowHeight = 18;
constexpr double kButtonWidth = 90, kButtonHeight = 24, kMessageHeight = 18;
constexpr double kListTop = kHeight - kMargin - kFieldHeight - 10;
constexpr double kListBottom = kMargin + kButtonHeight + 10 + kMessageHeight + 6;

} // namespace

// The folder's entries, one a row; the chosen one highlighted and kept in sight.
class FileList : public View {
public:
    FileList(SavePanel& panel, Rect frame) : View(frame), panel_(panel) { setIdentifier("fileList"); }

    int rows() const { return std::max(1, static_cast<int>(bounds().size.height / kRowHeight)); }

    void keepInSight(int index)
    {
        if (index < first_)
            first_ = std::max(index, 0);
        else if (index >= first_ + rows())
            first_ = index - rows() + 1;
        setNeedsDisplay(true);
    }

    void drawRect(const Rect&) override
    {
        Color::whiteColor().setFill();
        RectFill(bounds());
        const auto& entries = panel_.entries();
        const double width = bounds().size.width;
        for (int row = 0; row < rows() && first_ + row < static_cast<int>(entries.size()); ++row) {
            const int index = first_ + row;
            const Rect r = MakeRect(0, bounds().size.height - (row + 1) * kRowHeight, width, kRowHeight);
            const bool chosen = index == panel_.chosenEntry();
            if (chosen) {
                Color(0.2, 0.45, 0.85).setFill();
                RectFill(r);
            }
            drawString(entries[static_cast<size_t>(index)], MakeRect(6, r.origin.y, width - 12, kRowHeight),
                       chosen ? Color::whiteColor() : Color::blackColor());
        }
        Color(0.6, 0.6, 0.6).setFill();
        RectFillList(std::vector<Rect>{MakeRect(0, 0, width, 1), MakeRect(0, bounds().size.height - 1, width, 1)}.data(), 2);
    }

    void mouseDown(const Event& event) override
    {
        const Point p = convertPointFromWindow(event.locationInWindow());
        const int index = first_ + static_cast<int>((bounds().size.height - p.y) / kRowHeight);
        if (p.y < 0 || index < 0 || index >= static_cast<int>(panel_.entries().size()))
            return;
        if (event.clickCount() >= 2)
            panel_.openEntry(index);
        else
            panel_.chooseEntry(index);
    }

    void scrollWheel(const Event& event) override
    {
        const int most = std::max(0, static_cast<int>(panel_.entries().size()) - rows());
        first_ = std::clamp(first_ - static_cast<int>(event.deltaY() * 3), 0, most);
        setNeedsDisplay(true);
    }

    void reset()
    {
        first_ = 0;
        setNeedsDisplay(true);
    }

private:
    SavePanel& panel_;
    int first_ = 0;
};

SavePanel::SavePanel() : SavePanel("Save As", "Save", false) {}

OpenPanel::OpenPanel() : SavePanel("Open", "Open", true) {}

SavePanel::SavePanel(std::string title, std::string button, bool mustExist)
    : window_(std::make_unique<Window>(MakeRect(0, 0, kWidth, kHeight), std::move(title))), mustExist_(mustExist)
{
    window_->setIdentifier(mustExist ? "openPanel" : "savePanel");
    View& content = *window_->contentView();
    auto field = std::make_unique<TextField>(MakeRect(kMargin, kHeight - kMargin - kFieldHeight, kWidth - 2 * kMargin, kFieldHeight));
    field->setIdentifier("filePath");
    field->setDelegate(this);
    field_ = content.addSubview(std::move(field));
    list_ = content.addSubview(
        std::make_unique<FileList>(*this, MakeRect(kMargin, kListBottom, kWidth - 2 * kMargin, kListTop - kListBottom)));
    auto message = std::make_unique<TextView>(
        MakeRect(kMargin, kMargin + kButtonHeight + 8, kWidth - 2 * kMargin, kMessageHeight));
    message->setIdentifier("fileMessage");
    message->setTextColor(Color(0.7, 0.1, 0.1));
    message_ = content.addSubview(std::move(message));
    const auto addButton = [&](const std::string& name, const char* identifier, const char* action, double right) {
        auto b = std::make_unique<Button>(MakeRect(right - kButtonWidth, kMargin, kButtonWidth, kButtonHeight));
        b->setTitle(name);
        b->setIdentifier(identifier);
        b->setTarget(this);
        b->setAction(action);
        return content.addSubview(std::move(b));
    };
    ok_ = addButton(std::move(button), "fileOK", "fileOK:", kWidth - kMargin);
    cancel_ = addButton("Cancel", "fileCancel", "fileCancel:", kWidth - kMargin - kButtonWidth - 12);
    ok_->setKeyEquivalent("\r");
    window_->setDefaultButtonCell(ok_);
    window_->setCancelButtonCell(cancel_);
    std::error_code error;
    setDirectory(fs::current_path(error));
    window_->center();
}

SavePanel::~SavePanel()
{
    ok_->setTarget(nullptr);
    cancel_->setTarget(nullptr);
    field_->setDelegate(nullptr);
}

void SavePanel::setDirectory(const fs::path& directory)
{
    directory_ = directory.lexically_normal();
    if (directory_.has_relative_path() && !directory_.has_filename())
        directory_ = directory_.parent_path();
    list();
    field_->setStringValue((directory_ / "").string());
}

void SavePanel::setNameFieldStringValue(const std::string& name)
{
    field_->setStringValue((directory_ / name).string());
}

void SavePanel::setAllowedExtensions(std::vector<std::string> extensions)
{
    extensions_ = std::move(extensions);
    list();
}

std::string SavePanel::fieldText() const
{
    return field_->stringValue();
}

std::string SavePanel::message() const
{
    return message_->string();
}

void SavePanel::say(const std::string& text)
{
    message_->setString(text);
    message_->setNeedsDisplay(true);
}

void SavePanel::list()
{
    entries_.clear();
    chosenEntry_ = -1;
    say({});
    std::vector<std::string> folders, files;
    if (directory_.has_relative_path())
        folders.push_back("../");
    std::error_code error;
    size_t left = 0;
    for (fs::directory_iterator it(directory_, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name.front() == '.')
            continue;
        std::error_code kindError;
        if (it->is_directory(kindError)) {
            (folders.size() + files.size() < kMostEntries ? folders.push_back(name + "/") : void(++left));
            continue;
        }
        const std::string extension = it->path().extension().string();
        if (!extensions_.empty() && std::find(extensions_.begin(), extensions_.end(), extension) == extensions_.end())
            continue;
        (folders.size() + files.size() < kMostEntries ? files.push_back(name) : void(++left));
    }
    std::sort(folders.begin() + (folders.empty() || folders.front() != "../" ? 0 : 1), folders.end());
    std::sort(files.begin(), files.end());
    entries_ = std::move(folders);
    entries_.insert(entries_.end(), files.begin(), files.end());
    if (error)
        say("cannot read the folder " + directory_.string() + ": " + error.message());
    else if (left > 0)
        say(std::to_string(left) + " more entries are not listed");
    if (list_ != nullptr)
        list_->reset();
}

fs::path SavePanel::typedPath() const
{
    std::string text = field_->stringValue();
    if (text == "~" || text.starts_with("~/"))
        if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
            text = home + text.substr(1);
    fs::path path(text);
    return (path.is_absolute() ? path : directory_ / path).lexically_normal();
}

void SavePanel::chooseEntry(int index)
{
    if (index < 0 || index >= static_cast<int>(entries_.size()))
        return;
    chosenEntry_ = index;
    const std::string& entry = entries_[static_cast<size_t>(index)];
    field_->setStringValue((directory_ / entry).lexically_normal().string());
    window_->makeFirstResponder(field_);
    list_->keepInSight(index);
}

void SavePanel::openEntry(int index)
{
    chooseEntry(index);
    if (chosenEntry_ == index)
        take();
}

void SavePanel::take()
{
    fs::path path = typedPath();
    std::error_code error;
    if (field_->stringValue().empty() || fs::is_directory(path, error)) {
        setDirectory(field_->stringValue().empty() ? directory_ : path);
        return;
    }
    if (!mustExist_ && !extensions_.empty() &&
        std::find(extensions_.begin(), extensions_.end(), path.extension().string()) == extensions_.end())
        path += extensions_.front();
    if (!acceptable(path))
        return;
    chosen_ = path;
    window_->orderOut(nullptr);
    Application::sharedApplication().stopModalWithCode(ModalResponseOK);
}

bool SavePanel::acceptable(const fs::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (mustExist_) {
        if (!fs::exists(status)) {
            say("there is no file " + path.string());
            return false;
        }
        if (!fs::is_regular_file(status)) {
            say(path.string() + " is not a file");
            return false;
        }
        return true;
    }
    if (!fs::is_directory(path.parent_path(), error)) {
        say("there is no folder " + path.parent_path().string());
        return false;
    }
    if (fs::exists(status)) {
        if (!fs::is_regular_file(status)) {
            say(path.string() + " is not a file");
            return false;
        }
        Alert replace("\"" + path.filename().string() + "\" already exists. Do you want to replace it?", {"Replace", "Cancel"});
        if (replace.runModal() != 0) {
            window_->makeKeyAndOrderFront(nullptr);
            return false;
        }
    }
    return true;
}

int SavePanel::runModal()
{
    chosen_.clear();
    window_->makeKeyAndOrderFront(nullptr);
    window_->makeFirstResponder(field_);
    const int code = Application::sharedApplication().runModalForWindow(*window_);
    window_->orderOut(nullptr);
    return code;
}

bool SavePanel::performAction(std::string_view selector, Object*)
{
    if (selector == "fileOK:") {
        take();
        return true;
    }
    if (selector == "fileCancel:") {
        window_->orderOut(nullptr);
        Application::sharedApplication().stopModalWithCode(ModalResponseCancel);
        return true;
    }
    return false;
}

bool SavePanel::respondsToAction(std::string_view selector) const
{
    return selector == "fileOK:" || selector == "fileCancel:";
}

bool SavePanel::controlTextViewDoCommandBySelector(Control&, TextView&, std::string_view command)
{
    if (command != "moveUp:" && command != "moveDown:")
        return false;
    if (!entries_.empty()) {
        const int last = static_cast<int>(entries_.size()) - 1;
        chooseEntry(chosenEntry_ < 0 ? (command == "moveDown:" ? 0 : last)
                                     : std::clamp(chosenEntry_ + (command == "moveDown:" ? 1 : -1), 0, last));
    }
    return true;
}

} // namespace ns

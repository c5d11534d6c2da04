// The file dialogs: Save As and Open, drawn by the toolkit in a window of their own and run
// modally. A path field on top has the keyboard; below it, the entries of the folder shown
// (folders first, each ending in "/", then the files of the allowed kinds; hidden ones left
// out); then a line for what went wrong and the two buttons. Typing edits the path; Up and
// Down choose an entry, whose path the field then shows; Return (the default button) goes into
// a folder, or takes the file; Escape cancels. A click chooses an entry, a double click goes
// into it or takes it.
#pragma once

#include "Button.h"
#include "Object.h"
#include "TextField.h"
#include "TextView.h"
#include "Window.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace ns {

class FileList;

class SavePanel : public Object, public TextFieldDelegate {
public:
    // The most entries a folder shows: beyond them, the dialog says how many are not listed.
    static constexpr size_t kMostEntries = 5000;

    SavePanel();
    ~SavePanel() override;
    SavePanel(const SavePanel&) = delete;
    SavePanel& operator=(const SavePanel&) = delete;

    Window& window() { return *window_; }

    // The folder listed, and the name the field proposes in it.
    const std::filesystem::path& directory() const { return directory_; }
    void setDirectory(const std::filesystem::path& directory);
    void setNameFieldStringValue(const std::string& name);
    // The endings the files listed may have (".svg", ".pdf"); empty lists every file. A name
    // given without one of them gets the first.
    void setAllowedExtensions(std::vector<std::string> extensions);

    // Runs the dialog until the person takes a file (ModalResponseOK) or cancels
    // (ModalResponseCancel); ModalResponseAbort when the input ends first.
    int runModal();
    // The file taken.
    const std::filesystem::path& path() const { return chosen_; }

    // What the dialog shows: the path field's text, the entries listed (folders end in "/"),
    // the one chosen (-1 for none) and what the message line says.
    std::string fieldText() const;
    const std::vector<std::string>& entries() const { return entries_; }
    int chosenEntry() const { return chosenEntry_; }
    std::string message() const;

    // Goes to an entry as Up and Down do: the path field shows it.
    void chooseEntry(int index);
    // A double click on it, or Return: into a folder, or the file taken.
    void openEntry(int index);

    bool performAction(std::string_view selector, Object* sender) override;
    bool respondsToAction(std::string_view selector) const override;
    bool controlTextViewDoCommandBySelector(Control& control, TextView& textView, std::string_view command) override;

protected:
    // Open's panel: the file must exist.
    SavePanel(std::string title, std::string button, bool mustExist);

private:
    // Whether the path is one the dialog may end with; otherwise says why on its line.
    bool acceptable(const std::filesystem::path& path);
    void list();
    void say(const std::string& text);
    std::filesystem::path typedPath() const;
    void take();

    std::unique_ptr<Window> window_;
    TextField* field_ = nullptr;
    FileList* list_ = nullptr;
    TextView* message_ = nullptr;
    Button* ok_ = nullptr;
    Button* cancel_ = nullptr;
    bool mustExist_ = false;
    std::filesystem::path directory_;
    std::vector<std::string> extensions_;
    std::vector<std::string> entries_;
    int chosenEntry_ = -1;
    std::filesystem::path chosen_;
};

class OpenPanel : public SavePanel {
public:
    OpenPanel();
};

} // namespace ns

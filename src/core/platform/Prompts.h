#pragma once

#include <optional>
#include <string>
#include <vector>

namespace varnolt {

enum class PromptIcon { None, Stop, Question, Exclamation, Information };
// HangUpOrKeepConnected: "Hang up and quit" answers Yes, "Keep connected" No
// (the default, and what Escape gives).
enum class PromptButtons { Ok, OkCancel, YesNo, SaveDiscardCancel, HangUpOrKeepConnected };
enum class PromptAnswer { Ok, Cancel, Yes, No, Save, Discard };

// One entry of a file chooser's type list: the text shown and the pattern it
// stands for ("*.WAV"; several separated by ';'). Patterns are written as the
// program's texts have them; the chooser matches them in either case.
struct FileFilter {
    std::string description;
    std::string pattern;

    bool operator==(const FileFilter&) const = default;
};

// A file chooser, to open or to save: its title, the type list (the first
// entry is the one shown at first), the file name proposed at opening (a
// pattern such as "*.WAV" proposes nothing beyond the type list, so accepting
// without typing a name never picks a file named like the pattern) and the
// extension added to a typed name that has none (empty: nothing is added).
struct FileRequest {
    std::string title;
    std::vector<FileFilter> filters;
    std::string proposedName;
    std::string defaultExtension;

    bool operator==(const FileRequest&) const = default;
};

// Modal message boxes and file choosers. Tests answer them with scripted prompts.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual PromptAnswer MessageBox(const std::string& text, const std::string& title,
                                    PromptIcon icon, PromptButtons buttons) = 0;
    // The full path of the file chosen, or nothing when the chooser was cancelled.
    virtual std::optional<std::string> ChooseOpenFile(const FileRequest& request) = 0;
    // The full path to write to, or nothing when the chooser was cancelled. An
    // existing file is chosen only after the user agreed to replace it.
    virtual std::optional<std::string> ChooseSaveFile(const FileRequest& request) = 0;
};

}  // namespace varnolt

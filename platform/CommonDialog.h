// The standard dialogs (open, save, colour, printer set-up) and the help viewer,
// with the properties the windows set before showing them. Every Show returns
// false when the user cancelled; the callers then end their command silently.
// The dialogs run through a replaceable backend so that tests answer them from a
// script instead of a modal window.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class QWidget;

namespace Platform {

inline constexpr int16_t HelpQuit = 2;
inline constexpr int16_t HelpContents = 3;
inline constexpr int16_t HelpSearch = 261;

inline constexpr int32_t ColorFlagStartFromColor = 1;
inline constexpr int32_t PrinterFlagSetupOnly = 64;

class CommonDialog {
public:
    std::string FileName;
    std::string Filter;  // "description|pattern" pairs joined by '|'
    int32_t Flags = 0;
    int32_t Color = 0;  // RGB, red in the low byte
    bool CancelError = false;
    int16_t HelpCommand = 0;
    std::string HelpFile;
    QWidget* Parent = nullptr;  // owner of the modal dialogs

    bool ShowOpen();
    bool ShowSave();
    // Asked after a Save names a file that exists; true to replace it.
    bool ShowReplace(const std::string& path);
    bool ShowColor();
    bool ShowPrinter();
    bool ShowHelp();
};

enum class DialogKind { Open, Save, Replace, Color, Printer, Help };

class DialogBackend {
public:
    virtual ~DialogBackend() = default;
    // The chosen path, or nothing on cancel.
    virtual std::optional<std::string> ChooseOpenFile(const CommonDialog& dialog) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const CommonDialog& dialog) = 0;
    // Yes or No to replacing the existing file `path`.
    virtual bool ConfirmReplace(const CommonDialog& dialog, const std::string& path) = 0;
    virtual std::optional<int32_t> ChooseColor(const CommonDialog& dialog) = 0;
    // Edits Printer(); false on cancel.
    virtual bool SetUpPrinter(const CommonDialog& dialog) = 0;
    // Runs HelpCommand on HelpFile and returns at once.
    virtual bool Help(const CommonDialog& dialog) = 0;
};

// The backend in use: the Qt dialogs unless one was set.
DialogBackend& Dialogs();
// Replaces the backend; nullptr goes back to the Qt dialogs.
void SetDialogBackend(std::unique_ptr<DialogBackend> backend);

// "(*.zlv)|*.zlv" in the form Qt's file dialogs take: "(*.zlv)", or
// "Charts (*.zlv)" for "Charts|*.zlv"; several pairs joined by ";;".
std::string ToQtFilter(const std::string& filter);

class QtDialogBackend : public DialogBackend {
public:
    std::optional<std::string> ChooseOpenFile(const CommonDialog& dialog) override;
    std::optional<std::string> ChooseSaveFile(const CommonDialog& dialog) override;
    bool ConfirmReplace(const CommonDialog& dialog, const std::string& path) override;
    std::optional<int32_t> ChooseColor(const CommonDialog& dialog) override;
    bool SetUpPrinter(const CommonDialog& dialog) override;
    bool Help(const CommonDialog& dialog) override;
};

// Answers from a queue and logs every request; an empty queue answers cancel. The replace
// question takes Accept as Yes and anything else as No; its request names the file.
class ScriptedDialogBackend : public DialogBackend {
public:
    struct Cancel {};
    struct Accept {};
    using Answer = std::variant<Cancel, Accept, std::string, int32_t>;

    struct Request {
        DialogKind kind;
        std::string fileName;
        std::string filter;
        int32_t flags = 0;
        int32_t color = 0;
        bool cancelError = false;
        int16_t helpCommand = 0;
        std::string helpFile;
    };

    void AnswerPath(std::string path) { answers.emplace_back(std::move(path)); }
    void AnswerColor(int32_t color) { answers.emplace_back(color); }
    void AnswerAccept() { answers.emplace_back(Accept{}); }
    // Print Setup's printer list: a printer's name or "PDF file".
    void AnswerPrinter(std::string entry) { answers.emplace_back(std::move(entry)); }
    void AnswerCancel() { answers.emplace_back(Cancel{}); }

    std::optional<std::string> ChooseOpenFile(const CommonDialog& dialog) override;
    std::optional<std::string> ChooseSaveFile(const CommonDialog& dialog) override;
    bool ConfirmReplace(const CommonDialog& dialog, const std::string& path) override;
    std::optional<int32_t> ChooseColor(const CommonDialog& dialog) override;
    bool SetUpPrinter(const CommonDialog& dialog) override;
    bool Help(const CommonDialog& dialog) override;

    std::deque<Answer> answers;
    std::vector<Request> requests;
    bool helpOpen = false;  // what the help viewer would show after the commands so far

private:
    Answer Next(DialogKind kind, const CommonDialog& dialog);
};

}  // namespace Platform

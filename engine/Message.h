// Message boxes of the whole program go through one replaceable sink, so the engine
// can report without knowing about windows and tests can record instead of block.
#pragma once

#include <functional>
#include <string>

namespace Global {

enum class MsgIcon { None, Critical };

inline constexpr const char* AppTitle = "Zolvane";

using MessageSink = std::function<void(const std::string& text, MsgIcon icon, const std::string& title)>;

// Shows a modal message (OK button only). Returns when the user has dismissed it.
void ShowMessage(const std::string& text, MsgIcon icon = MsgIcon::Critical,
                 const std::string& title = AppTitle);

// Replaces the sink; an empty sink restores the default, which writes to stderr.
void SetMessageSink(MessageSink sink);

// While one is alive, a message already shown during it is not shown again, so a
// loop of solver calls that fail alike reports once instead of once per call.
class MessageBatch {
public:
    MessageBatch();
    ~MessageBatch();
    MessageBatch(const MessageBatch&) = delete;
    MessageBatch& operator=(const MessageBatch&) = delete;
};

// While one is alive, no message is shown at all.
class MessageSilence {
public:
    MessageSilence();
    ~MessageSilence();
    MessageSilence(const MessageSilence&) = delete;
    MessageSilence& operator=(const MessageSilence&) = delete;
};

// While one is alive, the given message is not shown at all.
class MessageMute {
public:
    explicit MessageMute(std::string text);
    ~MessageMute();
    MessageMute(const MessageMute&) = delete;
    MessageMute& operator=(const MessageMute&) = delete;

private:
    std::string text_;
};

}  // namespace Global

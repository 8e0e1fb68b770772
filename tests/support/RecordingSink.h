// Records the program's messages instead of showing them, for as long as it lives.
#pragma once

#include <string>
#include <vector>

#include "Message.h"

class RecordingMessageSink {
public:
    struct Message {
        std::string text;
        Global::MsgIcon icon;
        std::string title;
    };
    RecordingMessageSink() {
        Global::SetMessageSink(
            [this](const std::string& text, Global::MsgIcon icon, const std::string& title) {
                messages.push_back({text, icon, title});
            });
    }
    ~RecordingMessageSink() { Global::SetMessageSink({}); }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Message& m : messages) texts.push_back(m.text);
        return texts;
    }
    std::vector<Message> messages;
};

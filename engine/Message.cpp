#include "Message.h"

#include <iostream>

namespace Global {

namespace {

void WriteToStderr(const std::string& text, MsgIcon, const std::string& title) {
    std::cerr << title << ": " << text << '\n';
}

MessageSink& CurrentSink() {
    static MessageSink sink = WriteToStderr;
    return sink;
}

}  // namespace

void ShowMessage(const std::string& text, MsgIcon icon, const std::string& title) {
    CurrentSink()(text, icon, title);
}

void SetMessageSink(MessageSink sink) {
    CurrentSink() = sink ? std::move(sink) : MessageSink(WriteToStderr);
}

}  // namespace Global

#include "Message.h"

#include <iostream>
#include <set>

namespace Global {

namespace {

void WriteToStderr(const std::string& text, MsgIcon, const std::string& title) {
    std::cerr << title << ": " << text << '\n';
}

MessageSink& CurrentSink() {
    static MessageSink sink = WriteToStderr;
    return sink;
}

int batchDepth = 0;
std::set<std::string> shownInBatch;

}  // namespace

void ShowMessage(const std::string& text, MsgIcon icon, const std::string& title) {
    if (batchDepth > 0 && !shownInBatch.insert(text).second) return;
    CurrentSink()(text, icon, title);
}

MessageBatch::MessageBatch() { ++batchDepth; }

MessageBatch::~MessageBatch() {
    if (--batchDepth == 0) shownInBatch.clear();
}

void SetMessageSink(MessageSink sink) {
    CurrentSink() = sink ? std::move(sink) : MessageSink(WriteToStderr);
}

}  // namespace Global

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
std::multiset<std::string> muted;
int silenceDepth = 0;

}  // namespace

void ShowMessage(const std::string& text, MsgIcon icon, const std::string& title) {
    if (silenceDepth > 0 || muted.count(text) > 0) return;
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

MessageSilence::MessageSilence() { ++silenceDepth; }

MessageSilence::~MessageSilence() { --silenceDepth; }

MessageMute::MessageMute(std::string text) : text_(std::move(text)) { muted.insert(text_); }

MessageMute::~MessageMute() { muted.erase(muted.find(text_)); }

}  // namespace Global

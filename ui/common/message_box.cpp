#include "ui/common/message_box.h"

namespace ui {

namespace {
MessageBoxFunction current = &MessageBoxA;
}

int message(const char* text, const char* caption, MessageStyle style) {
    return current(nullptr, text, caption, style | MB_TASKMODAL);
}

MessageBoxFunction setMessageBoxFunction(MessageBoxFunction f) {
    const MessageBoxFunction old = current;
    current = f ? f : &MessageBoxA;
    return old;
}

}  // namespace ui

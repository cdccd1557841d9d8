#pragma once

#include "platform/qt/clipboard.h"

namespace tovalo::platform {

// A clipboard in memory, for tests. `holdsText` is false when it is empty or holds
// something other than text.
class FakeClipboard : public Clipboard {
public:
    QString content;
    bool holdsText = false;
    int clearCount = 0;

    void clear() override {
        ++clearCount;
        content.clear();
        holdsText = false;
    }
    void setText(const QString &text) override {
        content = text;
        holdsText = true;
    }
    QString text() const override { return holdsText ? content : QString(); }
};

} // namespace tovalo::platform

#pragma once

#include "platform/qt/clipboard.h"

namespace tovalo::platform {

// The application's clipboard through Qt.
class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setText(const QString &text) override;
    QString text() const override;
};

} // namespace tovalo::platform

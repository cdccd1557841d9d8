#pragma once

#include <QString>

namespace tovalo::platform {

// The system clipboard, in its plain-text format only.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    virtual void clear() = 0;
    // Puts the text on the clipboard, its CR LF line breaks written as the platform's
    // line ends (LF outside Windows).
    virtual void setText(const QString &text) = 0;
    // The clipboard's text; empty when it holds none.
    virtual QString text() const = 0;
};

} // namespace tovalo::platform

// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tessavundo {

class Clipboard {
public:
    Clipboard() = default;
    virtual ~Clipboard() = default;
    // An interface, used through references and owning pointers: never copied or moved.
    Clipboard(const Clipboard&) = delete;
    Clipboard& operator=(const Clipboard&) = delete;
    Clipboard(Clipboard&&) = delete;
    Clipboard& operator=(Clipboard&&) = delete;
    virtual void Clear() = 0;
    // Plain text only.
    virtual void SetText(const QString& text) = 0;
};

// The desktop's clipboard (on X11 the CLIPBOARD selection).
class SystemClipboard : public Clipboard {
public:
    void Clear() override;
    void SetText(const QString& text) override;
};

} // namespace tessavundo

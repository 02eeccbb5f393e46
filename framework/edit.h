// Edit control wrapper: the text of a single-line edit, whole or its start.
#pragma once

#include "framework/window.h"

class CEdit : public CWindow {
public:
    // At most the first maxChars characters of the text.
    std::string TextPrefix(std::size_t maxChars) const
    {
        std::string text = Text();
        if (text.size() > maxChars)
            text.resize(maxChars);
        return text;
    }
};

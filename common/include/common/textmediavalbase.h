#pragma once

#include "common/common_export.h"
#include "common/iscenemedia.h"

/// A text value.
class COMMON_EXPORT TextMediaValBase : public ITextMediaVal
{
public:
    explicit TextMediaValBase(std::wstring text);

    SceneType GetType() const override;
    std::wstring GetText() const override;

private:
    TextMediaValBase() = delete;

    std::wstring text;
};

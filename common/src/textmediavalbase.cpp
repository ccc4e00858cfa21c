#include "common/textmediavalbase.h"

TextMediaValBase::TextMediaValBase(std::wstring text) : text(std::move(text)) {}

SceneType TextMediaValBase::GetType() const { return SceneText; }
std::wstring TextMediaValBase::GetText() const { return text; }

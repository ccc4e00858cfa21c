#include "common/prjbase.h"

PrjBase::PrjBase(int tmplId, SceneMediaList* media, QStringList audio)
    : tmplId(tmplId), media(media), audio(std::move(audio))
{
}

int PrjBase::GetTmplId() const { return tmplId; }
const SceneMediaList* PrjBase::GetMedia() const { return media; }
QStringList PrjBase::GetAudio() const { return audio; }

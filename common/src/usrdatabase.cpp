#include "usrdatabase_p.h"

UsrDataBase::UsrDataBase(int tmplId, QStringList audio, const SlideList& slides)
    : tmplId(tmplId), audio(std::move(audio)), slides(slides)
{
}

int UsrDataBase::GetTmplId() const { return tmplId; }
QStringList UsrDataBase::GetAudio() const { return audio; }
SlideList::const_iterator UsrDataBase::GetSlidesBegin() const { return slides.cbegin(); }
SlideList::const_iterator UsrDataBase::GetSlidesEnd() const { return slides.cend(); }

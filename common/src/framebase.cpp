#include "common/framebase.h"

FrameBase::FrameBase(int pts) : pts(pts) {}
int FrameBase::GetPts() const { return pts; }

#include "media_clock.h"

#include "media_seam_state.h"

#include <QTime>

int minuteOfHour()
{
    const auto &fixed = mediaseam::state().minute;
    return fixed ? *fixed : QTime::currentTime().minute();
}

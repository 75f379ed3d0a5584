#include "media_testing.h"

#include "media_seam_state.h"

namespace mediaseam {

State &state()
{
    static State instance;
    return instance;
}

const QStringList &commands()
{
    return state().commands;
}

void clearCommands()
{
    state().commands.clear();
}

void scriptReply(const QByteArray &reply)
{
    state().replies.push_back(reply);
}

void setMinuteOfHour(int minute)
{
    state().minute = minute;
}

} // namespace mediaseam

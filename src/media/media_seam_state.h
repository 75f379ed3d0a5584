#pragma once
// What the media test seams of media_testing.h set and read.
#include <QByteArray>
#include <QStringList>
#include <deque>
#include <optional>

namespace mediaseam {

struct State
{
    QStringList commands;
    std::deque<QByteArray> replies;
    std::optional<int> minute;
};

State &state();

} // namespace mediaseam
